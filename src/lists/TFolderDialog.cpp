#include "lists/TFolderDialog.h"
#include "platform/FileSystem.h"
#include "platform/Listning.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "structures/TMakeStrukturer.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv {

TFolderDialog::TFolderDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"mappeDia"_qs);
    setWindowTitle(u"Vælg mappe"_qs);
    resize(420, 480);
    trae = new QTreeWidget;
    trae->setObjectName(u"mappeTrae"_qs);
    trae->setHeaderHidden(true);
    trae->setUniformRowHeights(true);
    trae->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    stiFelt = new QLineEdit;
    stiFelt->setObjectName(u"stiFelt"_qs);
    stiFelt->setReadOnly(true);
    m_knapper = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_knapper->button(QDialogButtonBox::Ok)->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(trae);
    layout->addWidget(new QLabel(u"Mappe"_qs));
    layout->addWidget(stiFelt);
    layout->addWidget(m_knapper);
    connect(m_knapper, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_knapper, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(trae, &QTreeWidget::itemExpanded, this, &TFolderDialog::udfold);
    connect(trae, &QTreeWidget::itemSelectionChanged, this, [this] {
        stiFelt->setText(visningsnavn(valgtMappe()));
        m_knapper->button(QDialogButtonBox::Ok)->setEnabled(!valgtMappe().isEmpty());
    });
}

static StrukturNode* nyNode(const QString& caption, Billede billede, StrukturRec rec)
{
    auto* node = new StrukturNode(caption, billede, std::move(rec));
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return node;
}

void TFolderDialog::visDrev(const QString& mappe)
{
    trae->clear();
    Platform::instance().refreshDrives();
    for (const QString& rod : drives().logicalDriveStrings()) {
        const QChar bogstav = rod[0];
        const int type = drives().driveType(rod);
        const QString caption = TMakeStrukturer::drevCaption(bogstav, type);
        if (drives().rootExists(bogstav) && !caption.isEmpty())
            trae->addTopLevelItem(nyNode(caption, TMakeStrukturer::drevBillede(bogstav, type),
                                         {rod.left(2), QString(), idDrev}));
    }
    // Down the path as far as it goes, each name matched exactly.
    const QStringList dele = mappe.split(u'\\', Qt::SkipEmptyParts);
    QTreeWidgetItem* node = nullptr;
    for (int i = 0; i < trae->topLevelItemCount() && !dele.isEmpty() && !node; ++i)
        if (sameTextAZ(recAf(trae->topLevelItem(i))->mappe, dele[0]))
            node = trae->topLevelItem(i);
    for (qsizetype d = 1; node && d < dele.size(); ++d) {
        node->setExpanded(true);
        QTreeWidgetItem* barn = nullptr;
        for (int c = 0; c < node->childCount() && !barn; ++c)
            if (nameOf(recAf(node->child(c))->mappe) == dele[d])
                barn = node->child(c);
        if (!barn)
            break;
        node = barn;
    }
    trae->setCurrentItem(node ? node : trae->topLevelItem(0));
}

void TFolderDialog::udfold(QTreeWidgetItem* item)
{
    StrukturNode* node = nodeAf(item);
    if (!node || node->listet)
        return;
    node->listet = true;
    QList<QTreeWidgetItem*> boern;
    if (const auto indhold = listSubfolders(node->rec.mappe))
        for (const DirEntry& e : *indhold)
            if (!e.hidden)
                boern << nyNode(visningsnavn(e.name), Billede::Mappe, {joinPath(node->rec.mappe, e.name), QString(), idMappe});
    node->addChildren(boern);
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QString TFolderDialog::valgtMappe() const
{
    const auto valgte = trae->selectedItems();
    return valgte.isEmpty() ? QString() : recAf(valgte.first())->mappe;
}

QString TFolderDialog::vaelg(const QString& start)
{
    visDrev(start);
    return exec() == QDialog::Accepted ? valgtMappe() : QString();
}

} // namespace kv

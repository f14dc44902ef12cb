#include "fileops/TrenameForm.h"
#include "platform/ProgramPath.h"
#include "ui/Vinduer.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TrenameForm::TrenameForm(QWidget* parent)
    : TrenameForm(parent, u"Omdøb"_qs, QString(), {u"Mappe"_qs, u"Navn"_qs, u"Nyt navn"_qs}, {0, 1, 2})
{
    setObjectName(u"renameForm"_qs);
}

TrenameForm::TrenameForm(QWidget* parent, const QString& titel, const QString& tekst, const QStringList& felter,
                         const QList<int>& orden)
    : QDialog(parent)
{
    setWindowTitle(titel);
    setModal(true);
    const auto felt = [this](const char* navn, bool skrivbar) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(navn));
        e->setReadOnly(!skrivbar);
        e->setMinimumWidth(320);
        return e;
    };
    mappeEdit = felt("mappeEdit", false);
    oldEdit = felt("oldEdit", false);
    newEdit = felt("newEdit", true);
    QLineEdit* const edits[] = {mappeEdit, oldEdit, newEdit};

    omdoebKnap = new QPushButton(u"Omdøb"_qs, this);
    omdoebKnap->setObjectName(u"omdoebKnap"_qs);
    omdoebKnap->setToolTip(u"Omdøb og luk boksen"_qs);
    auto* annuller = new QPushButton(u"Annuller"_qs, this);
    annuller->setObjectName(u"annullerKnap"_qs);
    annuller->setToolTip(u"Annuller og luk boksen"_qs);
    connect(omdoebKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuller, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the new name goes to "Omdøb"; a second Enter presses it.
    annuller->setAutoDefault(false);
    newEdit->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    if (!tekst.isEmpty()) {
        auto* l = new QLabel(tekst, this);
        l->setWordWrap(true);
        layout->addWidget(l);
    }
    auto* form = new QFormLayout;
    for (int i : orden)
        form->addRow(felter[i], edits[i]);
    layout->addLayout(form);
    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(omdoebKnap);
    knapper->addWidget(annuller);
    layout->addLayout(knapper);
}

bool TrenameForm::vis(const QString& mappe, const QString& gammel)
{
    mappeEdit->setText(visningsnavn(mappe));
    oldEdit->setText(visningsnavn(gammel));
    newEdit->clear();
    newEdit->setFocus();
    return exec() == QDialog::Accepted;
}

bool TrenameForm::eventFilter(QObject* obj, QEvent* event)
{
    if (obj == newEdit && event->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            omdoebKnap->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(obj, event);
}

void TrenameForm::showEvent(QShowEvent* event)
{
    centrerPaaHoved(this);
    QDialog::showEvent(event);
    newEdit->setFocus();
}

} // namespace kv

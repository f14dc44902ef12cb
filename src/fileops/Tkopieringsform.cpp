#include "fileops/Tkopieringsform.h"
#include "ui/Handlingsbilleder.h"
#include "ui/Vinduer.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace kv {

namespace {

QWidget* listeMedOverskrift(const QString& overskrift, QListWidget* liste)
{
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(overskrift));
    l->addWidget(liste);
    return w;
}

} // namespace

Tkopieringsform::Tkopieringsform(const QString& indstillingsfil, QWidget* parent) : QDialog(parent), m_fil(indstillingsfil)
{
    setObjectName(u"kopieringsform"_qs);
    setModal(true);
    mappeBox = new QListWidget;
    mappeBox->setObjectName(u"mappeBox"_qs);
    filBox = new QListWidget;
    filBox->setObjectName(u"filBox"_qs);
    deler = new QSplitter(Qt::Horizontal);
    deler->addWidget(listeMedOverskrift(u"Mapper:"_qs, mappeBox));
    deler->addWidget(listeMedOverskrift(u"Filer:"_qs, filBox));
    LabelSpm = new QLabel;
    LabelSpm->setObjectName(u"LabelSpm"_qs);
    billede = new QLabel;
    EditDest = new QLineEdit;
    EditDest->setObjectName(u"EditDest"_qs);
    EditDest->setReadOnly(true);
    auto* ja = new QPushButton(u"Ja"_qs);
    ja->setObjectName(u"jaKnap"_qs);
    ja->setDefault(true);
    auto* nej = new QPushButton(u"Nej"_qs);
    nej->setObjectName(u"nejKnap"_qs);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    aUdfold = new QPushButton(handlingsIkon(Handlingsbillede::Frem), QString());
    aUdfold->setObjectName(u"aUdfold"_qs);
    aUdfold->setToolTip(u"Gør boksen større"_qs);
    aSammenfold = new QPushButton(handlingsIkon(Handlingsbillede::Tilbage), QString());
    aSammenfold->setObjectName(u"aSammenfold"_qs);
    aSammenfold->setToolTip(u"Gør boksen mindre"_qs);
    connect(aUdfold, &QPushButton::clicked, this, [this] { saetBredde(width() + 140); });
    connect(aSammenfold, &QPushButton::clicked, this, [this] { saetBredde(width() - 140); });

    auto* bund = new QGridLayout;
    bund->addWidget(billede, 0, 0, 2, 1);
    bund->addWidget(LabelSpm, 0, 1, 1, 3);
    bund->addWidget(new QLabel(u"Destignationsmappe:"_qs), 1, 1);
    bund->addWidget(EditDest, 1, 2, 1, 2);
    bund->addWidget(aSammenfold, 2, 0);
    bund->addWidget(aUdfold, 2, 1, Qt::AlignLeft);
    bund->addWidget(ja, 2, 2, Qt::AlignRight);
    bund->addWidget(nej, 2, 3);
    bund->setColumnStretch(2, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(deler, 1);
    l->addLayout(bund);

    resize(560, 360);
    if (const auto linjer = readTextLines(m_fil); linjer && linjer->size() >= 2) {
        bool okB = false, okF = false;
        const int bredde = linjer->at(0).toInt(&okB);
        const int filBredde = linjer->at(1).toInt(&okF);
        if (okB && okF && bredde >= 300 && bredde <= 1800 && filBredde > 0 && filBredde < bredde) {
            resize(bredde, height());
            deler->setSizes({bredde - filBredde, filBredde});
        }
    }
}

void Tkopieringsform::saetBredde(int bredde)
{
    resize(bredde, height());
    const int mapper = (width() - 21) / 2;
    deler->setSizes({mapper, width() - 21 - mapper});
    aUdfold->setEnabled(width() < 1675);
    aSammenfold->setEnabled(width() >= 416);
}

bool Tkopieringsform::spoerg(const QString& titel, const QString& spm, int billedtype, const QString& dest,
                             const QStringList& filer, const QStringList& mapper)
{
    setWindowTitle(titel);
    LabelSpm->setText(spm);
    billede->setPixmap(handlingsIkon(Handlingsbillede(billedtype)).pixmap(32, 32));
    EditDest->setText(dest);
    filBox->clear();
    filBox->addItems(filer);
    mappeBox->clear();
    mappeBox->addItems(mapper);
    aUdfold->setEnabled(width() < 1675);
    aSammenfold->setEnabled(width() >= 416);
    return exec() == QDialog::Accepted;
}

bool Tkopieringsform::skalElementerKopieres(const QString& aDestDir, const QStringList& filelist,
                                            const QStringList& mappelist)
{
    if (deleteAfterCopy)
        return spoerg(u"Flytning af elementer"_qs, u"Skal valgte elementer flyttes?"_qs, int(Handlingsbillede::Klip),
                      aDestDir, filelist, mappelist);
    return spoerg(u"Kopiering af elementer"_qs, u"Skal valgte elementer kopieres?"_qs, int(Handlingsbillede::Kopier),
                  aDestDir, filelist, mappelist);
}

bool Tkopieringsform::skalElementerSlettes(const QStringList& filelist, const QStringList& mappelist, bool tilPapirkurv)
{
    return spoerg(u"Sletning af elementer"_qs, u"Skal udvalgte elementer Slettes?"_qs,
                  int(tilPapirkurv ? Handlingsbillede::SletPapirkurv : Handlingsbillede::SletPermanent),
                  tilPapirkurv ? u"Papirkurv"_qs : u"Ingen: Elementerne slettes permanent."_qs, filelist, mappelist);
}

void Tkopieringsform::gemStoerrelse()
{
    writeTextLines(m_fil, {QString::number(width()), QString::number(deler->sizes().value(1))});
}

void Tkopieringsform::showEvent(QShowEvent* event)
{
    centrerPaaHoved(this);
    QDialog::showEvent(event);
}

} // namespace kv

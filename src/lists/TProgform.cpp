#include "lists/TProgform.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "lists/TMenuExeFiler.h"
#include "platform/FileSystem.h"
#include "platform/Programfil.h"
#include "platform/Programkatalog.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace kv {

namespace {

QPushButton* nyKnap(const QString& navn, const QString& tekst, const QString& hint = {})
{
    auto* k = new QPushButton(tekst);
    k->setObjectName(navn);
    k->setToolTip(hint);
    return k;
}

QLineEdit* nytFelt(const QString& navn, bool skrivebeskyttet)
{
    auto* e = new QLineEdit;
    e->setObjectName(navn);
    e->setReadOnly(skrivebeskyttet);
    return e;
}

} // namespace

TProgform::TProgform(Funktionsvaert* hoved)
    : TFunktionsform(hoved, 3, QString::fromUtf16(funktion(3).navn)), menuExe(hoved->programliste())
{
    setObjectName(u"progform"_qs);

    auto* infButtonPro = nyKnap(u"infButtonPro"_qs, u"Programmer"_qs);
    auto* infButtonSpa = nyKnap(u"infButtonSpa"_qs, u"Programspalten"_qs);
    auto* ButtonInfo = nyKnap(u"ButtonInfo"_qs, u"&Information"_qs);
    auto* lukKnap = nyKnap(u"lukKnap"_qs, u"&Luk"_qs);
    for (QPushButton* k : {infButtonPro, ButtonInfo})
        connect(k, &QPushButton::clicked, this, [this] { this->hoved->InfoHelp(u"Programmer.html"_qs, u"Programmer"_qs); });
    connect(infButtonSpa, &QPushButton::clicked, this,
            [this] { this->hoved->InfoHelp(u"Programlisten.html"_qs, u"Programlisten"_qs); });
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);

    sider = new QTabWidget;
    sider->setObjectName(u"sider"_qs);
    sider->addTab(byggNySide(), u"Nyt program"_qs);
    sider->addTab(byggRedigerSide(), u"Rediger"_qs);
    sider->addTab(byggInstalleretSide(), u"Installerede programmer"_qs);
    connect(sider, &QTabWidget::currentChanged, this, [this](int side) {
        aendret = false;
        if (side == 1) {
            tomFelter();
            visProgramliste();
        } else if (side == 2) {
            visInstallerede();
        }
        opdaterHandlinger();
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(infButtonPro, 0, 0);
    layout->addWidget(infButtonSpa, 0, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(ButtonInfo, 0, 3);
    layout->addWidget(lukKnap, 0, 4);
    layout->addWidget(sider, 1, 0, 1, 5);
    resize(580, 460);

    // A file chosen in the structures may change what "Vælg program exefil" can take.
    hoved->vedValgSkift(this, [this] { opdaterHandlinger(); });
    opdaterHandlinger();
}

QAction* TProgform::nyHandling(const char* navn, const QString& tekst, const QString& hint)
{
    auto* a = new QAction(tekst, this);
    a->setObjectName(QString::fromLatin1(navn));
    a->setToolTip(hint.isEmpty() ? tekst : hint);
    a->setStatusTip(hint);
    addAction(a);
    connect(a, &QAction::triggered, this, &TProgform::opdaterHandlinger, Qt::QueuedConnection);
    return a;
}

QWidget* TProgform::byggNySide()
{
    FilEdit = nytFelt(u"FilEdit"_qs, true);
    CapEdit = nytFelt(u"CapEdit"_qs, false);
    maxTekstCheck = new QCheckBox(u"Start programmet maximeret"_qs);
    maxTekstCheck->setObjectName(u"maxTekstCheck"_qs);
    maxTekstCheck->setToolTip(u"Gemmes med programmet, men har ingen virkning på Linux"_qs);
    addText = new QLabel;
    addText->setObjectName(u"addText"_qs);
    aExeFile = nyHandling("aExeFile", u"Vælg program exefil"_qs, u"Vælg en program exefil for at indføre programmet"_qs);
    aInsertProgram = nyHandling("aInsertProgram", u"Tilføj programmet"_qs, u"Kræver et filnavn samt en menutekst"_qs);
    connect(aExeFile, &QAction::triggered, this, &TProgform::aExeFileExecute);
    connect(aInsertProgram, &QAction::triggered, this, &TProgform::aInsertProgramExecute);
    connect(FilEdit, &QLineEdit::returnPressed, CapEdit, qOverload<>(&QWidget::setFocus));
    for (QLineEdit* e : {FilEdit, CapEdit})
        connect(e, &QLineEdit::textChanged, this, &TProgform::opdaterHandlinger);

    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    g->addWidget(new QLabel(u"Filnavn"_qs), 0, 0);
    g->addWidget(FilEdit, 0, 1);
    g->addWidget(tekstknap(aExeFile), 0, 2);
    g->addWidget(new QLabel(u"Menu tekst"_qs), 1, 0);
    g->addWidget(CapEdit, 1, 1);
    // Reaching under "Vælg program exefil" keeps the page narrow enough for a docked window.
    g->addWidget(maxTekstCheck, 2, 1, 1, 2);
    g->addWidget(tekstknap(aInsertProgram), 3, 1);
    g->addWidget(new QLabel(u"Indført program"_qs), 4, 0);
    g->addWidget(addText, 4, 1);
    g->setRowStretch(5, 1);
    return side;
}

QWidget* TProgform::byggRedigerSide()
{
    programListe = new QTreeWidget;
    programListe->setObjectName(u"programListe"_qs);
    programListe->setHeaderLabels({u"Programmer"_qs});
    programListe->setRootIsDecorated(false);
    programListe->setIconSize(QSize(24, 24));
    fileText = nytFelt(u"fileText"_qs, true);
    placeringEdit = nytFelt(u"placeringEdit"_qs, true);
    AFlytOp = nyHandling("AFlytOp", u"Flyt op"_qs, u"Flyt op"_qs);
    AFlytNed = nyHandling("AFlytNed", u"Flyt ned"_qs, u"Flyt ned"_qs);
    AGem = nyHandling("AGem", u"Gem"_qs, u"Gem"_qs);
    ADelprog = nyHandling("ADelprog", u"Fjern program"_qs, QString());
    connect(AFlytOp, &QAction::triggered, this, [this] { flyt(true); });
    connect(AFlytNed, &QAction::triggered, this, [this] { flyt(false); });
    connect(AGem, &QAction::triggered, this, &TProgform::AGemExecute);
    connect(programListe, &QTreeWidget::itemSelectionChanged, this, [this] {
        const int i = valgtProgram();
        fileText->setText(menuExe->GetCaption(i));
        placeringEdit->setText(menuExe->GetFilnavn(i));
        opdaterHandlinger();
    });

    // The question of "Fjern program", on the page itself.
    sletSpoergsmaal = new QWidget;
    sletSpoergsmaal->setObjectName(u"sletSpoergsmaal"_qs);
    sletTekst = new QLabel;
    auto* ja = nyKnap(u"jaKnap"_qs, u"&Ja"_qs, u"Bekræft sletning af program fra listen"_qs);
    auto* nej = nyKnap(u"nejKnap"_qs, u"&Nej"_qs, u"Annuller sletning af program fra listen"_qs);
    auto* sl = new QHBoxLayout(sletSpoergsmaal);
    sl->setContentsMargins(0, 0, 0, 0);
    sl->addWidget(sletTekst, 1);
    sl->addWidget(ja);
    sl->addWidget(nej);
    sletSpoergsmaal->hide();
    const auto spoerg = [this](bool vis) {
        sletSpoergsmaal->setVisible(vis);
        programListe->setEnabled(!vis);
        opdaterHandlinger();
    };
    connect(ADelprog, &QAction::triggered, this, [this, spoerg] {
        sletTekst->setText(u"Vil du fjerne programmet\n"_qs + menuExe->GetCaption(valgtProgram()) + u'?');
        spoerg(true);
    });
    connect(ja, &QPushButton::clicked, this, [this, spoerg] {
        sletProgram();
        spoerg(false);
    });
    connect(nej, &QPushButton::clicked, this, [spoerg] { spoerg(false); });

    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    g->addWidget(programListe, 0, 0, 5, 1);
    g->addWidget(tekstknap(AFlytOp), 0, 1);
    g->addWidget(tekstknap(AFlytNed), 1, 1);
    g->addWidget(tekstknap(AGem), 2, 1);
    g->addWidget(tekstknap(ADelprog), 3, 1);
    g->addWidget(fileText, 5, 0, 1, 2);
    g->addWidget(new QLabel(u"Placering"_qs), 6, 0);
    g->addWidget(placeringEdit, 7, 0, 1, 2);
    g->addWidget(sletSpoergsmaal, 8, 0, 1, 2);
    g->setRowStretch(4, 1);
    return side;
}

QWidget* TProgform::byggInstalleretSide()
{
    soegEdit = nytFelt(u"soegEdit"_qs, false);
    soegEdit->setPlaceholderText(u"Søg efter program"_qs);
    soegEdit->setClearButtonEnabled(true);
    installeretListe = new QListWidget;
    installeretListe->setObjectName(u"installeretListe"_qs);
    installeretListe->setIconSize(QSize(24, 24));
    installeretListe->setToolTip(u"Klik på et program for at indføre det"_qs);
    connect(soegEdit, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        for (int i = 0; i < installeretListe->count(); ++i) {
            QListWidgetItem* r = installeretListe->item(i);
            r->setHidden(!r->text().contains(tekst, Qt::CaseInsensitive)
                         && !r->toolTip().contains(tekst, Qt::CaseInsensitive));
        }
    });
    // A picked application goes to "Nyt program" with its Danish name as menu text.
    connect(installeretListe, &QListWidget::itemClicked, this, [this](QListWidgetItem* r) {
        FilEdit->setText(r->data(Qt::UserRole).toString());
        CapEdit->setText(r->text());
        sider->setCurrentIndex(0);
        CapEdit->setFocus();
    });
    auto* side = new QWidget;
    auto* l = new QVBoxLayout(side);
    l->addWidget(soegEdit);
    l->addWidget(installeretListe);
    return side;
}

void TProgform::visInstallerede()
{
    if (m_installeredeHentet)
        return;
    m_installeredeHentet = true;
    Programkatalog katalog = Programkatalog::fraMiljoe();
    for (const InstalleretProgram& p : katalog.installerede()) {
        auto* r = new QListWidgetItem(katalog.temaIkon(p.entry.ikon), p.entry.visningsnavn(), installeretListe);
        r->setData(Qt::UserRole, p.sti);
        r->setToolTip(p.sti);
    }
}

int TProgform::valgtProgram() const
{
    QTreeWidgetItem* r = programListe->currentItem();
    return r && r->isSelected() ? programListe->indexOfTopLevelItem(r) : -1;
}

void TProgform::opdaterHandlinger()
{
    // A file the user may run, chosen in Struktur 2: never a folder.
    const QString fil = hoved->aktueltElement();
    aExeFile->setEnabled(hoved->aktivStruktur() == 2 && !fil.isEmpty() && programart(fil) != Programart::Ingen);
    aInsertProgram->setEnabled(!FilEdit->text().isEmpty() && !CapEdit->text().isEmpty());
    const int valgt = valgtProgram();
    const bool spoerger = sletSpoergsmaal->isVisible();
    AFlytOp->setEnabled(!spoerger && valgt > 0);
    AFlytNed->setEnabled(!spoerger && valgt >= 0 && valgt < programListe->topLevelItemCount() - 1);
    AGem->setEnabled(aendret);
    ADelprog->setEnabled(!spoerger && valgt >= 0);
}

void TProgform::aExeFileExecute()
{
    FilEdit->setText(hoved->aktueltElement());
}

void TProgform::tomFelter()
{
    fileText->clear();
    placeringEdit->clear();
}

void TProgform::aInsertProgramExecute()
{
    const QString fil = FilEdit->text();
    const auto nulstil = [this] {
        FilEdit->clear();
        CapEdit->clear();
        maxTekstCheck->setChecked(false);
    };
    if (fil.isEmpty()) {
        visInformation(u"Der mangler et filnavn!"_qs);
        return;
    }
    if (!fileExists(fil)) {
        visInformation(u"Filen: "_qs + fil + u"\rkunne ikke findes!"_qs);
        nulstil();
        return;
    }
    if (CapEdit->text().isEmpty()) {
        visInformation(u"Der mangler en menu tekst!"_qs);
        CapEdit->setFocus();
        return;
    }
    if (menuExe->findFilnavn(fil) >= 0) {
        visInformation(u"Programmet er allerede indført!"_qs);
        nulstil();
        return;
    }
    hoved->tilfoejProgram(fil, CapEdit->text(), maxTekstCheck->isChecked() ? 3 : 1);
    addText->setText(CapEdit->text());
    nulstil();
}

void TProgform::visProgramliste(int valgt)
{
    programListe->clear();
    for (int i = 0; i < menuExe->Filantal(); ++i) {
        auto* r = new QTreeWidgetItem(programListe, {menuExe->GetCaption(i)});
        r->setIcon(0, menuExe->ikon(i));
    }
    if (valgt >= 0)
        programListe->setCurrentItem(programListe->topLevelItem(valgt));
}

void TProgform::flyt(bool op)
{
    const int i = valgtProgram();
    if (!(op ? menuExe->flytOp(i) : menuExe->flytNed(i)))
        return;
    // The box on the main window follows at once, so a click there takes
    // the program it shows.
    hoved->loadProgramBox();
    visProgramliste(op ? i - 1 : i + 1);
    aendret = true;
}

bool TProgform::gemRaekkefoelge()
{
    // A list that could not be written stays as it is in memory.
    if (const QString fejl = menuExe->GemProgrammer(); !fejl.isEmpty()) {
        visFejl(fejl);
        return false;
    }
    if (const QString besked = menuExe->HentProgrammer(); !besked.isEmpty())
        visInformation(besked);
    hoved->loadProgramBox();
    aendret = false;
    tomFelter();
    visProgramliste();
    return true;
}

QStringList TProgform::ugemt() const
{
    if (!aendret)
        return {};
    return {u"Programmernes rækkefølge er ændret."_qs};
}

void TProgform::kasserUgemt()
{
    // The list as it was last saved.
    if (const QString besked = menuExe->HentProgrammer(); !besked.isEmpty())
        visInformation(besked);
    hoved->loadProgramBox();
    aendret = false;
    visProgramliste();
}

void TProgform::sletProgram()
{
    if (const QString fejl = menuExe->DeleteItem(valgtProgram()); !fejl.isEmpty())
        visFejl(fejl);
    tomFelter();
    visProgramliste();
}

void TProgform::closeEvent(QCloseEvent* event)
{
    // The moves are saved on closing; a list that could not be written is asked about.
    if (aendret)
        gemRaekkefoelge();
    TFunktionsform::closeEvent(event);
}

} // namespace kv

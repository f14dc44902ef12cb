// The controls of the main window and where they sit.
#include "ui/Handlingsbilleder.h"
#include "ui/TFunktionsform.h"
#include "app/THandlingsliste.h"
#include "app/TStiTabs.h"
#include "app/Tmainform.h"
#include "ui/Vinduer.h"
#include "ui/Faneraekker.h"
#include "ui/TDovenSide.h"
#include "lists/TInternetside.h"
#include "calendar/TDatopanel.h"
#include "calendar/TNotatpanel.h"
#include "lists/TwmiSide.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

template <typename W>
W* navngiv(W* w, const QString& navn)
{
    w->setObjectName(navn);
    return w;
}

QTreeWidget* nyStruktur(const QString& navn)
{
    auto* t = navngiv(new QTreeWidget, navn);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setSelectionMode(QAbstractItemView::ExtendedSelection);
    t->setUniformRowHeights(true);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setExpandsOnDoubleClick(false);
    t->setContextMenuPolicy(Qt::PreventContextMenu);
    return t;
}

QTreeWidget* nyKopiliste(const QString& navn, const QString& kolonne)
{
    auto* t = navngiv(new QTreeWidget, navn);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setHeaderLabels({QString(), kolonne});
    t->setColumnWidth(0, 44);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

QWidget* vandret(std::initializer_list<QWidget*> indhold)
{
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    for (QWidget* c : indhold)
        l->addWidget(c);
    return w;
}

QLineEdit* visningsfelt(const QString& navn)
{
    auto* e = navngiv(new QLineEdit, navn);
    e->setReadOnly(true);
    return e;
}

} // namespace

QAction* Tmainform::handling(const char* navn) const
{
    return handlinger->handling(navn);
}

// A toolbar of catalogue actions; "-" is a separator.
static QToolBar* handlingsbar(const Tmainform* f, const QString& navn, std::initializer_list<const char*> navne,
                              Qt::ToolButtonStyle stil = Qt::ToolButtonIconOnly)
{
    auto* bar = navngiv(new QToolBar, navn);
    bar->setIconSize(QSize(18, 18));
    bar->setToolButtonStyle(stil);
    for (const char* n : navne) {
        if (QByteArrayView(n) == "-")
            bar->addSeparator();
        else
            bar->addAction(f->handling(n));
    }
    return bar;
}

static QToolButton* menuknap(const QString& navn, const QString& tekst, const QString& hint, QMenu* menu,
                             Handlingsbillede billede)
{
    auto* k = billedknap(navn, billede, hint);
    k->setText(tekst);
    k->setMenu(menu);
    k->setPopupMode(QToolButton::InstantPopup);
    return k;
}

void Tmainform::byggMenuer()
{
    const auto menu = [this](const QString& navn, std::initializer_list<const char*> navne) {
        auto* m = navngiv(new QMenu(this), navn);
        for (const char* n : navne) {
            if (QByteArrayView(n) == "-")
                m->addSeparator();
            else
                m->addAction(handling(n));
        }
        return m;
    };
    PUdirbox = menu(u"PUdirbox"_qs, {"Cut", "Copy", "Paste", "-", "DeleteToPapirkurv", "DeletePermanent", "-",
                                     "Rename2", "Rename", "NyMappe", "-", "Info"});
    PUdirPrivate = menu(u"PUdirPrivate"_qs, {"Info", "NyMappe", "Copy", "Paste"});
    PUdirboxDrev = menu(u"PUdirboxDrev"_qs, {"Info", "NyMappe", "Paste"});
    PUfilbox = menu(u"PUfilbox"_qs, {"Cut", "Copy", "Paste", "-", "DeleteToPapirkurv", "DeletePermanent", "-",
                                     "Rename2", "Rename", "NyMappe", "-", "Info"});
    PUfilbox2 = menu(u"PUfilbox2"_qs, {"Paste", "-", "NyMappe"});
    PUdrev1 = navngiv(new QMenu(this), u"PUdrev1"_qs);
    PUdrev = navngiv(new QMenu(this), u"PUdrev"_qs);
}

void Tmainform::byggVindue()
{
    setMinimumSize(970, 650);
    handlinger = new THandlingsliste(this);
    byggMenuer();

    MappeStruktur = nyStruktur(u"MappeStruktur"_qs);
    MappeStruktur->setSelectionMode(QAbstractItemView::SingleSelection);
    FilStruktur = nyStruktur(u"FilStruktur"_qs);
    FilStruktur2 = nyStruktur(u"FilStruktur2"_qs);
    Mappeliste = nyKopiliste(u"Mappeliste"_qs, u"Mappenavn"_qs);
    Filliste = nyKopiliste(u"Filliste"_qs, u"Filnavn"_qs);
    HistorieListe = navngiv(new QListWidget, u"HistorieListe"_qs);
    favoritliste = navngiv(new QListWidget, u"favoritliste"_qs);
    favfilerListe = navngiv(new QListWidget, u"favfilerListe"_qs);
    mappeBoxen = navngiv(new QListWidget, u"mappeBoxen"_qs);
    filBoxen = navngiv(new QListWidget, u"filBoxen"_qs);

    // Column 1: Struktur 1 with its toolbar, the folder copy list at its foot.
    auto* ABar = handlingsbar(this, u"ABar"_qs, {"Fokus"});
    PuMappeStruk = navngiv(new QMenu(this), u"PuMappeStruk"_qs);
    ABar->addWidget(menuknap(u"PuMappeStrukKnap"_qs, QString(), u"Strukturmapper"_qs, PuMappeStruk,
                             Handlingsbillede::Strukturfiler));
    tbPrivatMapper = billedknap(u"tbPrivatMapper"_qs, Handlingsbillede::PrivatUden, u"Medtag eller fjern privatmapper"_qs);
    ABar->addWidget(tbPrivatMapper);
    ABar->addAction(handling("KunDrev"));
    if (auto* kunDrev = qobject_cast<QToolButton*>(ABar->widgetForAction(handling("KunDrev")))) {
        kunDrev->setMenu(PUdrev1);
        kunDrev->setPopupMode(QToolButton::MenuButtonPopup);
    }
    for (const char* n : {"OpdaterStruktur", "UdfoldValgte", "SammenfoldStruktur", "UdfoldStruktur"})
        ABar->addAction(handling(n));

    const auto kopilistePanel = [this](const QString& navn, QTreeWidget* liste, std::initializer_list<const char*> knapper) {
        auto* bar = handlingsbar(this, navn + u"Bar"_qs, knapper, Qt::ToolButtonTextBesideIcon);
        auto* p = navngiv(lodret({bar, liste}), navn);
        p->hide();
        return p;
    };
    listePanel = kopilistePanel(u"listePanel"_qs, Mappeliste,
                                {"lukKopilister", "-", "selectAlle", "selectIngen", "-", "sletValgteFraListe"});
    listePanel2 = kopilistePanel(u"listePanel2"_qs, Filliste,
                                 {"lukKopilister", "-", "selectAlle2", "selectIngen2", "-", "sletValgteFraListe2"});
    BleftPanel = navngiv(lodret({ABar, MappeStruktur, listePanel}), u"BleftPanel"_qs);

    // Column 2: Struktur 2, the run bar below it, the file copy list at its foot.
    auto* Bbar = handlingsbar(this, u"Bbar"_qs, {"Fokus2", "aMappeRegu"});
    Bbar->addWidget(menuknap(u"visDrevKnap"_qs, u"Vis drev"_qs, u"Reducer strukturen til kun at vise drev"_qs, PUdrev,
                             Handlingsbillede::VisDrev));
    for (const char* n : {"opdater2", "aGalleri", "-", "selectAlleElementer", "deselectElementer", "inverterSelection"})
        QByteArrayView(n) == "-" ? (void)Bbar->addSeparator() : Bbar->addAction(handling(n));
    auto* koerBar = handlingsbar(this, u"koerBar"_qs, {"progOpen2", "OpenFil2", "OpenFil2Edit"},
                                 Qt::ToolButtonTextBesideIcon);
    auto* PUlister = navngiv(new QMenu(this), u"PUlister"_qs);
    for (const char* n : {"aHTMLmusikliste", "aHTMLfilmliste", "aHTMLbilledliste"})
        PUlister->addAction(handling(n));
    auto* spillelister = menuknap(u"spillelisteKnap"_qs, u"Lister"_qs, QString(), PUlister, Handlingsbillede::Spilleliste);
    koerBar->addWidget(spillelister);
    BleftPanel2 = navngiv(lodret({Bbar, FilStruktur, koerBar, listePanel2}), u"BleftPanel2"_qs);

    // Column 3: the right-hand panel.
    Bog = navngiv(new QTabWidget, u"Bog"_qs);
    Bog->setUsesScrollButtons(true);
    Bog->setDocumentMode(true);
    bogFaner = navngiv(new TFaneraekker(Bog), u"bogFaner"_qs);
    MappeEdit3 = visningsfelt(u"MappeEdit3"_qs);
    const auto side = [this](std::initializer_list<QWidget*> indhold, const QString& titel) {
        Bog->addTab(lodret(indhold, 2), titel);
    };
    auto* hentHistKnap = billedknap(u"hentHistKnap"_qs, Handlingsbillede::Hent,
                                    u"Erstat nuværende liste med den tidligere gemte"_qs);
    auto* gemHistKnap = billedknap(u"gemHistKnap"_qs, Handlingsbillede::Gem, u"Gem nuværende liste"_qs);
    auto* historieBar = handlingsbar(this, u"historieBar"_qs, {"hOp", "hNed", "hSlet", "HistoryClear", "-", "hStruktur", "hStruktur2", "-"});
    historieBar->addWidget(gemHistKnap);
    historieBar->addWidget(hentHistKnap);
    side({historieBar, HistorieListe}, u"Besøgte"_qs);
    side({handlingsbar(this, u"favoritBar"_qs, {"fOp", "fNed", "fSletValgte", "fSletAlle", "-", "fStruktur", "fStruktur1"}),
          favoritliste},
         u"Favoritmapper"_qs);
    side({handlingsbar(this, u"favfilBar"_qs,
                       {"FLop", "FLned", "FLsletValgte", "FLsletAlle", "-", "FLopenProgram", "FLopen", "FLopenEdit"}),
          favfilerListe},
         u"Favoritfiler"_qs);
    programBox = navngiv(new QListWidget, u"programBox"_qs);
    extEdit = navngiv(new QLineEdit, u"extEdit"_qs);
    extEdit->setToolTip(u"Filefternavn med eller uden punktum"_qs);
    antalExtEdit = visningsfelt(u"antalExtEdit"_qs);
    antalExtEdit->setToolTip(u"Antal filer fundne med indførte efternavn"_qs);
    antalExtEdit->setText(u"0"_qs);
    antalExtEdit->setMaximumWidth(60);
    programLabel = navngiv(new QLabel(u"Valgte program"_qs), u"programLabel"_qs);
    programLabel->setToolTip(u"Aktive program"_qs);
    auto* programBar = handlingsbar(this, u"programBar"_qs, {"progOpen2", "progInsert"});
    auto* programInfoKnap = billedknap(u"programInfoKnap"_qs, Handlingsbillede::Info, u"Information"_qs);
    connect(programInfoKnap, &QToolButton::clicked, this, [this] { InfoHelp(u"Programlisten.html"_qs, u"Programmer"_qs); });
    programBar->addWidget(programInfoKnap);
    side({programBar, programLabel, programBox}, u"Programmer"_qs);
    side({handlingsbar(this, u"struktur3Bar"_qs,
                       {"Fokus3", "aMappeRegu2", "LoadStruktur3", "aMappeRegu3", "LoadStruktur32", "opdater3", "-",
                        "strukGem3", "strukHent3", "-", "aExtType1", "aExtType2"}),
          MappeEdit3, FilStruktur2, vandret({new QLabel(u"Efternavn"_qs), extEdit, antalExtEdit})},
         u"Struktur 3"_qs);
    side({byggSoegeside()}, u"Søg"_qs);
    datoFane = new TDovenSide(u"datoFane"_qs, [this] { return new TDatopanel(this); });
    side({datoFane}, u"Datoer"_qs);
    notatFane = new TDovenSide(
        u"notatFane"_qs, [this] { return new TNotatpanel(this); },
        [this](QWidget* w) { static_cast<TNotatpanel*>(w)->saetNotatHoejde(egenskaber.notatHoejde); });
    side({notatFane}, u"Noter"_qs);
    bogTekstLabel = navngiv(new QLabel(u"Besøgte mapper"_qs), u"bogTekstLabel"_qs);
    QFont titel = bogTekstLabel->font();
    titel.setBold(true);
    bogTekstLabel->setFont(titel);

    NavnEdit = visningsfelt(u"NavnEdit"_qs);
    AktiveStrukturEdit = visningsfelt(u"AktiveStrukturEdit"_qs);
    AktuelleElementEdit = visningsfelt(u"AktuelleElementEdit"_qs);
    auto* felter = new QWidget;
    auto* felterLayout = new QGridLayout(felter);
    felterLayout->setContentsMargins(0, 0, 0, 0);
    felterLayout->addWidget(NavnEdit, 0, 0, 1, 4);
    felterLayout->addWidget(new QLabel(u"Struktur"_qs), 1, 0);
    felterLayout->addWidget(AktiveStrukturEdit, 1, 1);
    felterLayout->addWidget(new QLabel(u"Valgt"_qs), 1, 2);
    felterLayout->addWidget(AktuelleElementEdit, 1, 3);
    infoPanel = navngiv(lodret({handlingsbar(this, u"infoBar"_qs,
                                             {"Info", "Copy", "Paste", "DeleteToPapirkurv", "DeletePermanent", "Rename2",
                                              "Rename", "RenameExt", "NyMappe"}),
                                felter}),
                        u"infoPanel"_qs);
    infoPanel->hide();
    BrightPanel = navngiv(lodret({bogTekstLabel, bogFaner, Bog, infoPanel}, 2), u"BrightPanel"_qs);

    // The body: three columns and the free area for docked function windows.
    fritOmraade = navngiv(new QWidget, u"fritOmraade"_qs);
    auto* krop = new QWidget;
    auto* kolonner = new QHBoxLayout(krop);
    kolonner->setContentsMargins(2, 0, 2, 0);
    kolonner->setSpacing(4);
    kolonner->addWidget(BleftPanel);
    kolonner->addWidget(BleftPanel2);
    kolonner->addWidget(BrightPanel);
    kolonner->addWidget(fritOmraade, 1);

    // Path row: history buttons, path tabs, and two buttons at the right end.
    stibox = navngiv(new TStiTabs, u"stibox"_qs);
    const auto knap = [this](const char* navn, const QString& objekt) {
        auto* k = navngiv(new QToolButton, objekt);
        k->setDefaultAction(handling(navn));
        k->setAutoRaise(true);
        return k;
    };
    auto* PanelTop = navngiv(vandret({knap("Tilbage", u"ButtonPrevMappe"_qs), knap("Frem", u"ButtonNextMappe"_qs), stibox,
                                      knap("aOpenMappeSF", u"aOpenMappeSFKnap"_qs), knap("aTopBog", u"aTopBogKnap"_qs)}),
                             u"PanelTop"_qs);
    static_cast<QHBoxLayout*>(PanelTop->layout())->setStretch(2, 1);

    // Path field row.
    EditSti = navngiv(new QLineEdit, u"EditSti"_qs);
    auto* PanelSti = navngiv(vandret({new QLabel(u"Aktuelle sti"_qs), EditSti,
                                      billedknap(u"klipbordStiKnap"_qs, Handlingsbillede::Kopier,
                                                 u"Kopier aktuelle sti til klipbordet"_qs),
                                      billedknap(u"klipbordStiFilKnap"_qs, Handlingsbillede::Kopier,
                                                 u"Kopier aktuelle sti med filnavn til klipbordet"_qs),
                                      knap("aInsertFavoritmappe", u"sbFavorit"_qs),
                                      knap("SitInfo", u"sbInfoPanel"_qs)}),
                             u"PanelSti"_qs);

    tc = navngiv(new QTabBar, u"tc"_qs);
    tc->hide();
    topBog = navngiv(new QTabWidget, u"topBog"_qs);
    byggTopBog();
    topBog->hide();

    auto* central = new QWidget;
    auto* hoved = new QVBoxLayout(central);
    hoved->setContentsMargins(0, 0, 0, 0);
    hoved->setSpacing(2);
    hoved->addWidget(topBog);
    hoved->addWidget(tc);
    hoved->addWidget(PanelTop);
    hoved->addWidget(krop, 1);
    hoved->addWidget(PanelSti);
    setCentralWidget(central);

    auto* infobar = navngiv(statusBar(), u"infobar"_qs);
    for (int i = 0; i < 3; ++i) {
        infobarPanel[i] = navngiv(new QLabel, u"infobarPanel%1"_qs.arg(i));
        infobar->addWidget(infobarPanel[i], i == 2 ? 1 : 0);
    }
    infobarPanel[1]->setFrameShape(QFrame::Panel);
    infobarPanel[1]->setFrameShadow(QFrame::Raised);
    infobarPanel[1]->setFixedWidth(4);
    vaertsstiPanel = navngiv(new QLabel, u"vaertsstiPanel"_qs);
    vaertsstiPanel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    vaertsstiPanel->hide();
    infobar->addPermanentWidget(vaertsstiPanel);

    Timer = navngiv(new QTimer(this), u"Timer"_qs);
    TimerFil = navngiv(new QTimer(this), u"TimerFil"_qs);
    for (QTimer* t : {Timer, TimerFil}) {
        t->setSingleShot(true);
        t->setInterval(1000);
    }
}

std::pair<QGroupBox*, QButtonGroup*> Tmainform::radiogruppe(const QString& navn, const QString& titel, const QString& hint,
                                                             std::initializer_list<const char16_t*> punkter)
{
    auto* boks = navngiv(new QGroupBox(titel), navn + u"Boks"_qs);
    boks->setToolTip(hint);
    auto* l = new QVBoxLayout(boks);
    l->setContentsMargins(6, 2, 6, 2);
    l->setSpacing(0);
    auto* gruppe = new QButtonGroup(this);
    gruppe->setObjectName(navn);
    int id = 0;
    for (const char16_t* p : punkter) {
        auto* r = new QRadioButton(QString::fromUtf16(p));
        gruppe->addButton(r, id++);
        l->addWidget(r);
    }
    gruppe->button(0)->setChecked(true);
    return {boks, gruppe};
}

QWidget* Tmainform::byggTopBog()
{
    topBog->setDocumentMode(true);

    // "Hjem": question and copy policy, the Home toolbar and the options.
    auto [spm, spmGruppe] = radiogruppe(u"spmBox"_qs, u"Spørgsmål"_qs, u"Hvornår skal der spørges om handling skal gennemføres"_qs,
                                        {u"Før alle handlinger", u"Kun før slet permanent", u"Spørg aldrigt først"});
    auto [kopi, kopiGruppe] = radiogruppe(u"resultBox"_qs, u"Kopiering"_qs,
                                          u"Hvad skal der gøres i forbindelse med Sæt-ind funktionen"_qs,
                                          {u"Overskriv ikke", u"Overskriv", u"Opret kopi"});
    spmBox = spmGruppe;
    resultBox = kopiGruppe;
    const auto valg = [](const QString& navn, const QString& tekst, const QString& hint, bool tjek) {
        auto* c = navngiv(new QCheckBox(tekst), navn);
        c->setToolTip(hint);
        c->setStatusTip(hint);
        c->setChecked(tjek);
        return c;
    };
    DelAfterPasteCheck = valg(u"DelAfterPasteCheck"_qs, u"Klip"_qs,
                              u"Valgte mapper og filer slettes efter de er kopierede til anden adresse: Ctrl+X"_qs, false);
    papirkurvCheck = valg(u"papirkurvCheck"_qs, u"Kurv"_qs, u"Slet til papirkurv ved Klip-funktionen"_qs, true);
    LukCheck = valg(u"LukCheck"_qs, u"Luk"_qs, u"Luk progress bokse efter handlinger"_qs, true);
    rydCheck = valg(u"rydCheck"_qs, u"Ryd"_qs, u"Ryd lister efter Sæt-ind funktionen"_qs, true);
    DragDropCheck = valg(u"DragDropCheck"_qs, u"Slet ikke"_qs, u"Slet ikke efter drag-drop selvom det er på samme drev"_qs, false);
    kopiCheck = valg(u"kopiCheck"_qs, u"Kopilister"_qs, u"Vis kopilister når der kopieres"_qs, true);
    opdaterCheck = valg(u"opdaterCheck"_qs, u"Opdater"_qs, u"Opdater altid struktur 1 automatisk efter Sæt-ind funktion"_qs, true);
    medtagPrivatCheck = valg(u"medtagPrivatCheck"_qs, u"Medtag privatmapper"_qs,
                             u"Medtag privatmapper i venstre mappestruktur"_qs, false);
    placerPrivatCheck = valg(u"placerPrivatCheck"_qs, u"Placer øverst"_qs, u"Placer øverst eller nederst"_qs, true);
    auto* valgene = new QWidget;
    auto* valgGitter = new QGridLayout(valgene);
    valgGitter->setContentsMargins(0, 0, 0, 0);
    valgGitter->setVerticalSpacing(0);
    int i = 0;
    for (QCheckBox* c : {DelAfterPasteCheck, papirkurvCheck, LukCheck, rydCheck, DragDropCheck, kopiCheck, opdaterCheck})
        valgGitter->addWidget(c, i / 4, i % 4), ++i;
    valgGitter->addWidget(medtagPrivatCheck, 2, 0, 1, 2);
    valgGitter->addWidget(placerPrivatCheck, 2, 2, 1, 2);
    auto* hjemBar = handlingsbar(this, u"ToolbarHjem"_qs,
                                 {"aEmptyRB", "Info", "Copy", "Cut", "Paste", "DeleteToPapirkurv", "DeletePermanent", "Rename2",
                                  "Rename", "NyMappe", "RenameExt"},
                                 Qt::ToolButtonTextUnderIcon);
    auto* nyFil = new QMenu(this);
    for (int n = 1; n <= 12; ++n)
        nyFil->addAction(handling(QByteArray("fil0" + QByteArray::number(n)).constData()));
    hjemBar->addAction(handling("skrivTekstfil"));
    if (auto* k = qobject_cast<QToolButton*>(hjemBar->widgetForAction(handling("skrivTekstfil")))) {
        k->setMenu(nyFil);
        k->setPopupMode(QToolButton::MenuButtonPopup);
    }
    auto* hjem = vandret({spm, kopi, lodret({hjemBar, valgene})});
    static_cast<QHBoxLayout*>(hjem->layout())->addStretch();
    topBog->addTab(hjem, u"Hjem"_qs);

    // "Mapper": the Folders toolbar with its switch, the structure buttons and the target.
    ToolbarMapper = navngiv(new QToolBar, u"ToolbarMapper"_qs);
    ToolbarMapper->setIconSize(QSize(20, 20));
    ToolbarMapper->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto* skift = new QMenu(this);
    skift->setObjectName(u"PuActionBar"_qs);
    skift->addAction(handling("aVisMapper"));
    skift->addAction(handling("aVisSpecielleMapper"));
    auto* infoKnap = menuknap(u"InfoKnapMapper"_qs, u"Info"_qs, QString(), skift, Handlingsbillede::Info);
    infoKnap->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto strukturknap = [](const QString& navn, const QString& tekst, const QString& hint, Handlingsbillede b) {
        auto* k = billedknap(navn, b, hint);
        k->setText(tekst);
        k->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        return k;
    };
    mappeBox = navngiv(new QRadioButton(u"Struktur 1"_qs), u"mappeBox"_qs);
    mappeBox->setToolTip(u"Vis mapper i struktur 1"_qs);
    mappeBox2 = navngiv(new QRadioButton(u"Struktur 2"_qs), u"mappeBox2"_qs);
    mappeBox2->setToolTip(u"Vis mapper i struktur 2"_qs);
    mappeBox2->setChecked(true);
    auto* maal = new QGroupBox(u"Vis i"_qs);
    auto* maalLayout = new QVBoxLayout(maal);
    maalLayout->setContentsMargins(6, 2, 6, 2);
    maalLayout->addWidget(mappeBox);
    maalLayout->addWidget(mappeBox2);
    auto* mapper = vandret({ToolbarMapper, infoKnap,
                            strukturknap(u"ksmPunktstruktur"_qs, u"Punktstruktur"_qs,
                                         u"Konstruer specialmapper som punktstruktur"_qs, Handlingsbillede::Punktstruktur),
                            strukturknap(u"ksmNiveaustruktur"_qs, u"Niveaustruktur"_qs,
                                         u"Konstruer specialmapper som niveaustruktur"_qs, Handlingsbillede::Niveaustruktur),
                            maal});
    static_cast<QHBoxLayout*>(mapper->layout())->addStretch();
    topBog->addTab(mapper, u"Mapper"_qs);

    // "Andre funktioner": the Other-functions toolbar and where the functions open.
    auto* eksterne = new QGroupBox(u"Åben funktioner externt:"_qs);
    auto* eksterneLayout = new QGridLayout(eksterne);
    eksterneLayout->setContentsMargins(6, 2, 6, 2);
    eksterneLayout->setVerticalSpacing(0);
    for (int n = 1; n <= 8; ++n) {
        const Funktion& f = funktion(n);
        const QString hint = n == 8 ? u"Søg i tekst dokumenter"_qs : u"Åben funktionen externt"_qs;
        eksterneLayout->addWidget(valg(QString::fromUtf16(f.boks), QString::fromUtf16(f.boksTekst), hint, false),
                                  (n - 1) / 4, (n - 1) % 4);
    }
    auto* konsolMenu = new QMenu(this);
    konsolMenu->addAction(handling("mDos"));
    konsolMenu->addAction(handling("mPowerShell"));
    auto* andre = vandret({handlingsbar(this, u"ToolbarFunktioner"_qs,
                                        {"progInformation", "opretGenveje", "OpretSmappe", "winApp", "visKalender",
                                         "progInsert", "webGrupper", "findTekst"},
                                        Qt::ToolButtonTextUnderIcon),
                           menuknap(u"InfoKnapFunktioner"_qs, u"Info"_qs, QString(), konsolMenu, Handlingsbillede::Info),
                           eksterne});
    static_cast<QHBoxLayout*>(andre->layout())->addStretch();
    topBog->addTab(andre, u"Andre funktioner"_qs);

    const auto bareHandlinger = [this](const QString& navn, std::initializer_list<const char*> navne) {
        auto* w = vandret({handlingsbar(this, navn, navne, Qt::ToolButtonTextUnderIcon)});
        static_cast<QHBoxLayout*>(w->layout())->addStretch();
        return w;
    };
    internetFane = new TDovenSide(
        u"internetFane"_qs, [this] { return new TInternetside(this); },
        [this](QWidget* w) { bindInternetside(static_cast<TInternetside*>(w)); });
    topBog->addTab(internetFane, u"Internet"_qs);
    wmiFane = new TDovenSide(
        u"wmiFane"_qs,
        [this] {
            return new TwmiSide(this, handlingsbar(this, u"wmiBar"_qs, {"AloadListe", "Awmi", "AmakeFile", "AmakeFileHTML"},
                                                   Qt::ToolButtonTextUnderIcon));
        },
        [this](QWidget* w) {
            static_cast<TwmiSide*>(w)->bind();
            handlinger->opdaterAlle();
        });
    topBog->addTab(wmiFane, u"WMI"_qs);
    topBog->addTab(byggDesignside(), u"Design"_qs);
    topBog->addTab(byggSpalteside(), u"Spalteregulering"_qs);
    topBog->addTab(bareHandlinger(u"informationBar"_qs, {"tavlonUrlen", "kritikUrl", "TornhavenUrl"}), u"Information"_qs);
    topBog->addTab(byggProgramforslag(), u"Programmer"_qs);
    topBog->setFixedHeight(topBog->sizeHint().height());
    return topBog;
}

} // namespace kv

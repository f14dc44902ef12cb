#include "lists/Tboksform.h"
#include "ui/Funktionsvaert.h"
#include "ui/TspmForm.h"
#include "lists/Markoerraekke.h"
#include "lists/TInternetside.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"
#include "platform/Platform.h"
#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace kv {

namespace {

QLineEdit* edit(const QString& navn, bool kunLaes = false)
{
    auto* e = new QLineEdit;
    e->setObjectName(navn);
    e->setReadOnly(kunLaes);
    return e;
}

QPushButton* trykknap(const QString& tekst, const QString& hint, const QString& navn = {})
{
    auto* k = new QPushButton(tekst);
    k->setToolTip(hint);
    k->setObjectName(navn);
    return k;
}

// Groups in use are marked green, those in the store black.
QListWidget* gruppeliste(const QString& navn, bool flere, const QColor& farve)
{
    auto* l = new QListWidget;
    l->setObjectName(navn);
    l->setSelectionMode(flere ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    Markoerraekke::tegn(l, farve);
    return l;
}

void fyld(QListWidget* l, const QStringList& navne)
{
    l->clear();
    l->addItems(navne);
}

QStringList raekker(const QListWidget* l)
{
    QStringList navne;
    for (int i = 0; i < l->count(); ++i)
        navne << l->item(i)->text();
    return navne;
}

void visBesked(const QString& besked)
{
    if (!besked.isEmpty())
        visInformation(besked);
}

} // namespace

Tboksform::Tboksform(Funktionsvaert* hoved, TInternetside* side)
    : TFunktionsform(hoved, 7, u"Webadresser"_qs), m_side(side), web(side->web), m_import(new Baggrundsjob(this))
{
    bog = new QTabWidget;
    bog->addTab(byggGrupper(), u"Grupper"_qs);
    bog->addTab(byggIndfoer(), u"Indfør element"_qs);
    bog->addTab(byggRediger(), u"Fjern eller rediger element"_qs);
    bog->addTab(byggAdministrer(), u"Administrer grupper"_qs);
    auto* luk = trykknap(u"&Luk"_qs, QString(), u"ButtonLuk"_qs);
    auto* info = trykknap(u"&Information"_qs, QString(), u"ButtonInfo"_qs);
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    connect(info, &QPushButton::clicked, this, [hoved] { hoved->InfoHelp(u"Webadresser.html"_qs, u"Webadresser"_qs); });
    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(info);
    knapper->addWidget(luk);
    auto* l = new QVBoxLayout(this);
    l->addWidget(bog);
    l->addLayout(knapper);
    resize(580, 460);

    connect(side, &TInternetside::aendret, this, [this] {
        fyldGruppeBoks();
        loadBokse();
    });
    connect(bog, &QTabWidget::currentChanged, this, [this](int s) {
        if (s == 3)
            fyldAdministrer();
        opdaterKnapper();
    });
    fyldGruppeBoks();
    loadBokse();
    fyldAdministrer();
}

QWidget* Tboksform::byggGrupper()
{
    gruppeBoks = gruppeliste(u"gruppeBoks"_qs, false, QColor(0x00, 0x80, 0x00));
    valgtGruppeEdit = edit(u"valgtGruppeEdit"_qs);
    gEdit = edit(u"gEdit"_qs);
    auto* ingen = trykknap(u"Ingen aktiv"_qs, u"Ingen aktiv gruppe"_qs);
    auto* indfoer = trykknap(u"Indfør"_qs, u"Indfør ny gruppe"_qs);
    auto* slet = trykknap(u"Slet"_qs, u"Slet valgte gruppe"_qs);
    auto* rediger = trykknap(u"Rediger"_qs, u"Giv valgte gruppe et andet navn"_qs);
    auto* sorter = trykknap(u"Sorter"_qs, u"Sorter listen alfabetisk"_qs);
    connect(gruppeBoks, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { gruppeKlik(i->text()); });
    connect(ingen, &QPushButton::clicked, this, &Tboksform::ingenAktiv);
    connect(indfoer, &QPushButton::clicked, this, &Tboksform::indfoerGruppe);
    connect(gEdit, &QLineEdit::returnPressed, this, &Tboksform::indfoerGruppe);
    connect(slet, &QPushButton::clicked, this, &Tboksform::sletGruppe);
    connect(rediger, &QPushButton::clicked, this, &Tboksform::redigerGruppe);
    connect(sorter, &QPushButton::clicked, this, &Tboksform::sorterGrupper);

    auto* hoejre = new QFormLayout;
    hoejre->addRow(u"Valgt aktiv gruppe"_qs, valgtGruppeEdit);
    auto* r1 = new QHBoxLayout;
    r1->addWidget(ingen);
    r1->addWidget(rediger);
    r1->addWidget(slet);
    hoejre->addRow(r1);
    hoejre->addRow(u"Gruppe navn"_qs, gEdit);
    auto* r2 = new QHBoxLayout;
    r2->addWidget(indfoer);
    r2->addWidget(sorter);
    hoejre->addRow(r2);
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    auto* tekst = new QLabel(u"Indfør ny gruppe eller vælg hvilken gruppe der skal være den aktive."_qs);
    tekst->setWordWrap(true);
    l->addWidget(tekst);
    auto* h = new QHBoxLayout;
    h->addWidget(gruppeBoks, 1);
    h->addLayout(hoejre, 1);
    l->addLayout(h);
    return w;
}

QWidget* Tboksform::byggIndfoer()
{
    gruppeEdit = edit(u"gruppeEdit"_qs, true);
    FilnavnEdit = edit(u"FilnavnEdit"_qs);
    tekstEdit = edit(u"tekstEdit"_qs);
    auto* indfoer = trykknap(u"Indfør"_qs, u"Indfør valgte element"_qs);
    connect(indfoer, &QPushButton::clicked, this, &Tboksform::indfoerElement);
    connect(tekstEdit, &QLineEdit::returnPressed, this, &Tboksform::indfoerElement);
    auto* w = new QWidget;
    auto* l = new QFormLayout(w);
    for (const QString& trin : {u"1. Indfør webadresse."_qs, u"2. Indfør adressens korte og let huskelige beskrivelse."_qs,
                                u"3. Tryk Indfør."_qs})
        l->addRow(new QLabel(trin));
    l->addRow(u"Valgte gruppes navn"_qs, gruppeEdit);
    l->addRow(u"Webadresse"_qs, FilnavnEdit);
    l->addRow(u"Kort navn"_qs, tekstEdit);
    l->addRow(QString(), indfoer);
    return w;
}

QWidget* Tboksform::byggRediger()
{
    programBoks = new QTreeWidget;
    programBoks->setObjectName(u"programBoks"_qs);
    programBoks->setRootIsDecorated(false);
    programBoks->setHeaderLabels({u"Elementer"_qs});
    nytekstEdit = edit(u"nytekstEdit"_qs);
    webUrlEdit = edit(u"webUrlEdit"_qs);
    gNameEdit = edit(u"gNameEdit"_qs, true);
    auto* fjern = trykknap(u"Fjern valgte"_qs, u"Fjern afkrydsede programmer fra gruppen"_qs);
    auto* udfoerKnap = trykknap(u"Udfør"_qs, u"Indfør webadresse og tekst til valgte elementer"_qs);
    auto* alfabetisk = trykknap(u"Indret alfabetisk"_qs, u"Sorter listen alfabetisk"_qs);
    auto* op = billedknap(u"flytOpKnap"_qs, Handlingsbillede::Op, u"Flyt valgte op"_qs);
    auto* ned = billedknap(u"flytNedKnap"_qs, Handlingsbillede::Ned, u"Flyt valgte ned"_qs);
    connect(programBoks, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* r) {
        const int i = programBoks->indexOfTopLevelItem(r);
        nytekstEdit->setText(web.kortNavn(i));
        webUrlEdit->setText(web.adresse(i));
    });
    connect(fjern, &QPushButton::clicked, this, &Tboksform::fjernValgte);
    connect(udfoerKnap, &QPushButton::clicked, this, &Tboksform::udfoer);
    connect(nytekstEdit, &QLineEdit::returnPressed, this, &Tboksform::udfoer);
    connect(alfabetisk, &QPushButton::clicked, this, &Tboksform::indretAlfabetisk);
    connect(op, &QToolButton::clicked, this, [this] { flytElement(true); });
    connect(ned, &QToolButton::clicked, this, [this] { flytElement(false); });

    auto* hoejre = new QFormLayout;
    for (const QString& hint : {u"Kun elementer, der skal have webadresse og den nye tekst, skal være valgt."_qs,
                                u"Der kan ændres ved elementernes placering."_qs,
                                u"Valgte elementer fjernes permanent."_qs}) {
        auto* t = new QLabel(hint);
        t->setWordWrap(true);
        hoejre->addRow(t);
    }
    hoejre->addRow(u"Valgte gruppes navn"_qs, gNameEdit);
    hoejre->addRow(u"Ny tekst"_qs, nytekstEdit);
    hoejre->addRow(u"Webadresse"_qs, webUrlEdit);
    auto* r = new QHBoxLayout;
    r->addWidget(op);
    r->addWidget(ned);
    r->addWidget(udfoerKnap);
    r->addWidget(fjern);
    hoejre->addRow(r);
    hoejre->addRow(alfabetisk);
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->addWidget(programBoks, 1);
    l->addLayout(hoejre, 1);
    return w;
}

QWidget* Tboksform::byggAdministrer()
{
    Box = gruppeliste(u"Box"_qs, true, QColor(0x00, 0x80, 0x00));
    lagerBox = gruppeliste(u"lagerBox"_qs, true, Qt::black);
    const auto knap = [this](QToolButton*& k, const QString& navn, Handlingsbillede b, const QString& hint,
                             std::function<void()> udfoer) {
        k = billedknap(navn, b, hint);
        connect(k, &QToolButton::clicked, this, std::move(udfoer));
    };
    knap(AvalgteTilLager, u"AvalgteTilLager"_qs, Handlingsbillede::Frem, u"Flyt valgte til lager"_qs,
         [this] { flytGrupper(true, false); });
    knap(AvalgteTilbage, u"AvalgteTilbage"_qs, Handlingsbillede::Tilbage, u"Flyt valgte tilbage"_qs,
         [this] { flytGrupper(false, false); });
    knap(AalleTilLager, u"AalleTilLager"_qs, Handlingsbillede::Frem, u"Flyt alle til lager"_qs,
         [this] { flytGrupper(true, true); });
    knap(AalleTilbage, u"AalleTilbage"_qs, Handlingsbillede::Tilbage, u"Flyt alle tilbage"_qs,
         [this] { flytGrupper(false, true); });
    knap(AflytOp, u"AflytOp"_qs, Handlingsbillede::Op, u"Flyt valgte op"_qs, [this] { flytGruppe(true); });
    knap(AflytNed, u"AflytNed"_qs, Handlingsbillede::Ned, u"Flyt valgte ned"_qs, [this] { flytGruppe(false); });
    knap(AgemForandringer, u"AgemForandringer"_qs, Handlingsbillede::Gem, u"Gem de nye lister"_qs,
         [this] { gemForandringer(); });
    for (QListWidget* l : {Box, lagerBox})
        connect(l, &QListWidget::itemSelectionChanged, this, &Tboksform::opdaterKnapper);

    auto* eksport = trykknap(u"Eksporter bogmærker..."_qs, u"Gem alle grupper som en bogmærkefil til browseren"_qs,
                             u"eksportKnap"_qs);
    auto* import = trykknap(u"Importer bogmærker..."_qs, u"Hent grupper og adresser fra en browsers bogmærkefil"_qs,
                            u"importKnap"_qs);
    const auto vaelgFil = [this](bool gem) {
        const QString filter = u"Bogmærker (*.html *.htm)"_qs;
        const QString vaert = gem ? QFileDialog::getSaveFileName(this, u"Eksporter bogmærker"_qs,
                                                                 u"bookmarks.html"_qs, filter)
                                  : QFileDialog::getOpenFileName(this, u"Importer bogmærker"_qs, QString(), filter);
        if (vaert.isEmpty())
            return QString();
        const auto sti = drives().toProgram(vaert);
        if (!sti)
            visInformation(u"Filen ligger ikke på et af programmets drev."_qs);
        return sti.value_or(QString());
    };
    connect(eksport, &QPushButton::clicked, this, [this, vaelgFil] {
        if (const QString fil = vaelgFil(true); !fil.isEmpty())
            eksporter(fil);
    });
    connect(import, &QPushButton::clicked, this, [this, vaelgFil] {
        if (const QString fil = vaelgFil(false); !fil.isEmpty())
            importer(fil);
    });

    auto* midt = new QVBoxLayout;
    midt->addStretch();
    for (QToolButton* k : {AvalgteTilLager, AvalgteTilbage, AalleTilLager, AalleTilbage, AflytOp, AflytNed, AgemForandringer})
        midt->addWidget(k);
    midt->addStretch();
    auto* lister = new QHBoxLayout;
    lister->addWidget(Box, 1);
    lister->addLayout(midt);
    lister->addWidget(lagerBox, 1);
    auto* filer = new QHBoxLayout;
    filer->addWidget(import);
    filer->addWidget(eksport);
    filer->addStretch();
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    auto* tekst = new QLabel(u"Grupper kan stilles i bero og genindføres, når det bliver relevant."_qs);
    tekst->setWordWrap(true);
    l->addWidget(tekst);
    l->addLayout(lister);
    l->addLayout(filer);
    return w;
}

void Tboksform::fyldGruppeBoks()
{
    fyld(gruppeBoks, web.gruppeliste);
}

void Tboksform::fyldAdministrer()
{
    if (!aendret) {
        fyld(Box, web.gruppeliste);
        fyld(lagerBox, web.lagerliste);
    } else {
        // The moves not saved yet stay; a group gone since goes, and one come
        // since (typed in, imported) joins its list. So no group is in both.
        const QStringList kendte = web.gruppeliste + web.lagerliste;
        QStringList brug = raekker(Box), lager = raekker(lagerBox);
        for (QStringList* l : {&brug, &lager})
            l->removeIf([&](const QString& n) { return !kendte.contains(n); });
        for (auto [fra, til] : {std::pair{&web.gruppeliste, &brug}, {&web.lagerliste, &lager}})
            for (const QString& n : *fra)
                if (!brug.contains(n) && !lager.contains(n))
                    *til << n;
        fyld(Box, brug);
        fyld(lagerBox, lager);
    }
    opdaterKnapper();
}

void Tboksform::loadBokse()
{
    programBoks->clear();
    for (const QString& navn : web.kortNavne()) {
        auto* r = new QTreeWidgetItem(programBoks, {navn});
        r->setCheckState(0, Qt::Unchecked);
    }
    for (QLineEdit* e : {gruppeEdit, valgtGruppeEdit, gNameEdit})
        e->setText(web.gruppenavn);
    programBoks->setHeaderLabels({web.gruppenavn.isEmpty() ? u"Elementer"_qs : web.gruppenavn});
    nytekstEdit->clear();
    webUrlEdit->clear();
}

void Tboksform::elementerAendret()
{
    m_side->saveWebSL();
    m_side->loadMainBoksFromWebSL();
}

void Tboksform::gruppeKlik(const QString& gruppe)
{
    valgtGruppeEdit->setText(gruppe);
    if (gruppe.compare(web.gruppenavn, Qt::CaseInsensitive) != 0)
        m_side->vaelgGruppe(gruppe);
}

void Tboksform::ingenAktiv()
{
    m_side->vaelgGruppe(QString());
}

void Tboksform::indfoerGruppe()
{
    const QString fejl = web.nyGruppe(gEdit->text());
    if (!fejl.isEmpty())
        return visInformation(fejl);
    m_side->fyldGruppeBox();
    gEdit->clear();
}

void Tboksform::sletGruppe()
{
    const QString spm = web.gruppenavn.isEmpty() ? u"Skal programgruppen uden gruppenavn slettes?"_qs
                                                 : u"Skal programgruppen "_qs + web.gruppenavn + u" slettes?"_qs;
    if (!spmForm().spoerg({spm}))
        return;
    QString fejl;
    const bool fandtes = web.sletGruppe(&fejl);
    m_side->fyldGruppeBox();
    m_side->loadGruppefil();
    if (!fejl.isEmpty())
        visFejl(fejl);
    else if (!fandtes)
        visInformation(u"Filen blev ikke fundet!\rMåske havde gruppen ingen indhold."_qs);
}

void Tboksform::redigerGruppe()
{
    const QString ny = valgtGruppeEdit->text();
    if (web.gruppenavn.isEmpty() || ny.isEmpty())
        return;
    if (const QString fejl = web.omdoebGruppe(web.gruppenavn, ny); !fejl.isEmpty())
        return visInformation(fejl);
    m_side->fyldGruppeBox();
    m_side->gruppenavnLabel->setText(web.gruppenavn);
}

void Tboksform::sorterGrupper()
{
    web.sorterGrupper();
    visBesked(web.gemGrupper());
    m_side->fyldGruppeBox();
}

void Tboksform::indfoerElement()
{
    const QString url = FilnavnEdit->text().trimmed(), navn = tekstEdit->text();
    if (url.isEmpty())
        return visInformation(u"Der mangler en webadresse!"_qs);
    if (navn.isEmpty())
        return visInformation(u"Der mangler et kort navn!"_qs);
    if (!TWebGrupper::erWebadresse(url))
        return visInformation(u"Der mangler en gyldig webadresse!"_qs);
    m_side->insertElement(url, navn);
    FilnavnEdit->clear();
    tekstEdit->clear();
}

QList<int> Tboksform::afkrydsede() const
{
    QList<int> valgte;
    for (int i = 0; i < programBoks->topLevelItemCount(); ++i) {
        if (programBoks->topLevelItem(i)->checkState(0) == Qt::Checked)
            valgte << i;
    }
    return valgte;
}

void Tboksform::fjernValgte()
{
    const QList<int> valgte = afkrydsede();
    if (valgte.isEmpty())
        return visInformation(u"Der er ikke valgt elementer!"_qs);
    if (!spmForm().spoerg({u"Skal valgte elementer slettes?"_qs}))
        return;
    web.fjern(valgte);
    elementerAendret();
}

void Tboksform::udfoer()
{
    const QString url = webUrlEdit->text().trimmed(), navn = nytekstEdit->text();
    const QList<int> valgte = afkrydsede();
    if (programBoks->topLevelItemCount() == 0)
        return visInformation(u"Der er ingen elementer i boksen!"_qs);
    if (url.isEmpty())
        return visInformation(u"Der mangler en webadresse!"_qs);
    if (navn.isEmpty())
        return visInformation(u"Der mangler en tekst!"_qs);
    if (!TWebGrupper::erWebadresse(url))
        return visInformation(u"Der mangler en gyldig webadresse!"_qs);
    if (valgte.size() > 1)
        return visInformation(u"Der er valgt flere elementer.\rDer må kun være valgt et element til redigering."_qs);
    if (valgte.isEmpty())
        return visInformation(u"Der var ikke valgt element, der skal have de nye værdier!"_qs);
    web.ret(valgte.first(), url, navn);
    elementerAendret();
}

void Tboksform::flytElement(bool op)
{
    const int i = programBoks->indexOfTopLevelItem(programBoks->currentItem());
    const int j = op ? i - 1 : i + 1;
    if (i < 0 || j < 0 || j >= web.antal())
        return;
    web.byt(i, j);
    elementerAendret();
    programBoks->setCurrentItem(programBoks->topLevelItem(j));
}

void Tboksform::indretAlfabetisk()
{
    if (web.antal() > 0) {
        web.sorter();
        elementerAendret();
    }
    loadBokse();
}

void Tboksform::flytGrupper(bool tilLager, bool alle)
{
    QListWidget* fra = tilLager ? Box : lagerBox;
    QListWidget* til = tilLager ? lagerBox : Box;
    for (int i = 0; i < fra->count();) {
        if (alle || fra->item(i)->isSelected()) {
            QListWidgetItem* r = fra->takeItem(i);
            r->setSelected(false);
            til->addItem(r);
        } else {
            ++i;
        }
    }
    aendret = true;
    opdaterKnapper();
}

void Tboksform::flytGruppe(bool op)
{
    const QList<QListWidgetItem*> valgte = Box->selectedItems();
    if (valgte.size() != 1)
        return;
    const int i = Box->row(valgte.first());
    const int j = op ? i - 1 : i + 1;
    if (j < 0 || j >= Box->count())
        return;
    Box->insertItem(j, Box->takeItem(i));
    Box->item(j)->setSelected(true);
    aendret = true;
    opdaterKnapper();
}

QStringList Tboksform::ugemt() const
{
    if (!aendret)
        return {};
    return {u"Grupperne og lageret er ændret."_qs};
}

bool Tboksform::gemForandringer()
{
    const QStringList grupper = raekker(Box);
    if (!grupper.contains(web.gruppenavn))
        web.gruppenavn.clear();
    web.gruppeliste = grupper;
    web.lagerliste = raekker(lagerBox);
    const QString fejl = (web.gemGrupper() + u'\r' + web.gemLager()).trimmed();
    m_side->fyldGruppeBox();
    m_side->loadGruppefil();
    // What could not be written can be saved again.
    aendret = !fejl.isEmpty();
    opdaterKnapper();
    visBesked(fejl);
    return fejl.isEmpty();
}

void Tboksform::opdaterKnapper()
{
    const int valgte = int(Box->selectedItems().size());
    AvalgteTilLager->setEnabled(valgte > 0);
    AvalgteTilbage->setEnabled(!lagerBox->selectedItems().isEmpty());
    AalleTilLager->setEnabled(Box->count() > 0);
    AalleTilbage->setEnabled(lagerBox->count() > 0);
    AflytOp->setEnabled(valgte == 1 && Box->count() >= 2 && !Box->item(0)->isSelected());
    AflytNed->setEnabled(valgte == 1 && Box->count() >= 2 && !Box->item(Box->count() - 1)->isSelected());
    AgemForandringer->setEnabled(aendret);
}

void Tboksform::eksporter(const QString& fil)
{
    QString fejl;
    if (!writeWholeFile(fil, bogmaerkerHtml(web.alleGrupper()).toUtf8(), &fejl))
        return visFejl(fejl);
    hoved->UdskrivInfo(u"Bogmærkerne er gemt i "_qs + fil);
}

void Tboksform::importer(const QString& fil)
{
    // Read, parsed and written as a job, on a copy of the groups as they are
    // now; the window takes no edits meanwhile and gets the new state at the end.
    setEnabled(false);
    m_import->start(
        [this, fil, kopi = web](Baggrundsjob::Kontekst& k) mutable {
            QString fejl;
            const auto indhold = readRegularFile(fil, maxBogmaerkefil, &fejl);
            if (k.stoppet())
                return;
            if (!indhold)
                return k.lever([fejl] { visFejl(fejl); });
            int antal = 0;
            const QString besked = kopi.importer(laesBogmaerker(*indhold), &antal);
            k.lever([this, kopi, besked, antal] { importerGrupper(kopi, besked, antal); });
        },
        [this](bool) { setEnabled(true); });
}

bool Tboksform::importerer() const
{
    return m_import->koerer();
}

void Tboksform::importerGrupper(const TWebGrupper& importeret, const QString& fejl, int antal)
{
    // New groups join the groups in use; the active group's addresses are the
    // imported ones while it is still the active group.
    for (const QString& navn : importeret.gruppeliste)
        if (!web.gruppeliste.contains(navn) && !web.lagerliste.contains(navn))
            web.gruppeliste << navn;
    if (web.gruppenavn == importeret.gruppenavn)
        web.webSL = importeret.webSL;
    m_side->fyldGruppeBox();
    m_side->loadMainBoksFromWebSL();
    fyldAdministrer();
    visBesked(fejl);
    visInformation(u"Der blev indført %1 webadresser."_qs.arg(antal));
}

} // namespace kv

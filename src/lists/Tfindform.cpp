#include "lists/Tfindform.h"
#include "lists/TMenuExeFiler.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "lists/TFolderDialog.h"
#include "lists/Tekstsoeger.h"
#include "platform/FileSystem.h"
#include "platform/Skal.h"
#include "platform/TextFile.h"
#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace kv {

Tfindform::Tfindform(Funktionsvaert* hoved)
    : TFunktionsform(hoved, 8, QString::fromUtf16(funktion(8).navn)), m_job(new Baggrundsjob(this))
{
    setObjectName(u"findform"_qs);
    optfil = hoved->stier().OptMappe + u"\\Findoptions.txt"_qs;
    typelistenavn = hoved->stier().OptMappe + u"\\Filtertyper.txt"_qs;
    mappeDia = new TFolderDialog(this);
    mappeDia->setWindowTitle(u"Vælg mappe"_qs);

    auto* overskrift = new QLabel(u"Søg i dokumenter"_qs);
    QFont f = overskrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    overskrift->setFont(f);
    sider = new QTabWidget;
    sider->setObjectName(u"sider"_qs);
    sider->addTab(byggSoegeside(), u"Søg"_qs);
    sider->addTab(byggFiltreside(), u"Filtre"_qs);
    auto* lukKnap = new QPushButton(u"&Luk"_qs);
    lukKnap->setObjectName(u"lukKnap"_qs);
    auto* infoKnap = new QPushButton(u"&Information"_qs);
    infoKnap->setObjectName(u"infoKnap"_qs);
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);
    connect(infoKnap, &QPushButton::clicked, this,
            [this] { this->hoved->InfoHelp(u"Findboksen.html"_qs, u"Findboksen"_qs); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(overskrift, 0, 0, 1, 3);
    layout->addWidget(sider, 1, 0, 1, 3);
    layout->addWidget(infoKnap, 2, 1);
    layout->addWidget(lukKnap, 2, 2);
    layout->setColumnStretch(0, 1);
    resize(580, 560);

    // Opening: the chosen type, the type list, and the folder of Struktur 2.
    if (const auto linjer = readTextLines(optfil); linjer && !linjer->isEmpty()) {
        bool tal = false;
        const int n = linjer->first().trimmed().toInt(&tal);
        if (tal)
            filterItemIndex = n;
    }
    hentTyper();
    saetMappe(hoved->struktur2Mappe());
    opdaterHandlinger();
}

QAction* Tfindform::nyHandling(const char* navn, const QString& tekst, const QString& hint, void (Tfindform::*udfoer)())
{
    auto* a = new QAction(tekst, this);
    a->setObjectName(QString::fromLatin1(navn));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    if (udfoer)
        connect(a, &QAction::triggered, this, udfoer);
    return a;
}

QWidget* Tfindform::byggSoegeside()
{
    auto* side = new QWidget;
    dirEdit = new QLineEdit;
    dirEdit->setObjectName(u"dirEdit"_qs);
    dirEdit->setReadOnly(true);
    auto* mappeKnap = new QToolButton;
    mappeKnap->setObjectName(u"mappeKnap"_qs);
    mappeKnap->setText(u"…"_qs);
    mappeKnap->setToolTip(u"Vælg mappe der skal søges i"_qs);
    connect(mappeKnap, &QToolButton::clicked, this, [this] {
        mappeDia->setWindowTitle(u"Vælg søgebibliotek"_qs);
        const QString valgt = mappeDia->vaelg(Mappe);
        if (!valgt.isEmpty())
            saetMappe(valgt);
    });

    EditFind = new QComboBox;
    EditFind->setObjectName(u"EditFind"_qs);
    EditFind->setEditable(true);
    EditFind->setInsertPolicy(QComboBox::NoInsert);
    EditFind->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* rydKnap = new QToolButton;
    rydKnap->setObjectName(u"rydFindKnap"_qs);
    rydKnap->setText(u"#"_qs);
    rydKnap->setToolTip(u"Ryd find- listen"_qs);
    connect(rydKnap, &QToolButton::clicked, this, [this] {
        const QString tekst = EditFind->currentText();
        EditFind->clear();
        EditFind->setEditText(tekst);
    });
    AfindBib = nyHandling("AfindBib", u"Find i bibliotek"_qs, u"Find i alle filer i valgte bibliotek"_qs,
                          &Tfindform::AfindBibExecute);
    Astop = nyHandling("Astop", u"Stop"_qs, u"Stop søgningen"_qs, nullptr);
    connect(Astop, &QAction::triggered, this, [this] { m_job->stop(); });
    connect(EditFind->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (!EditFind->currentText().isEmpty())
            AfindBibExecute();
    });
    connect(EditFind, &QComboBox::editTextChanged, this, &Tfindform::opdaterHandlinger);

    filterBoks = new QComboBox;
    filterBoks->setObjectName(u"filterBoks"_qs);
    filterBoks->setToolTip(u"Filterboksen: Nye dokumenter er af valgte type"_qs);
    Check1 = new QCheckBox(u"Kun hele ord"_qs);
    Check1->setObjectName(u"Check1"_qs);
    Check2 = new QCheckBox(u"Forskel på store og små bogstaver"_qs);
    Check2->setObjectName(u"Check2"_qs);

    Afjern = nyHandling("Afjern", u"Fjern valgte"_qs, u"Fjern det i listen valgte element"_qs, nullptr);
    connect(Afjern, &QAction::triggered, this, [this] {
        qDeleteAll(findis->selectedItems());
        visAntal();
    });
    AsletAlt = nyHandling("AsletAlt", u"Ryd listen"_qs, u"Fjern alle fundne elementer"_qs, nullptr);
    connect(AsletAlt, &QAction::triggered, this, [this] {
        findis->clear();
        EditFind->setEditText(QString());
        m_ulaeselige = 0;
        visAntal();
    });
    AopenAll = nyHandling("AopenAll", u"Åben alle"_qs, u"Åben alle i listen viste dokumenter"_qs, &Tfindform::AopenAllExecute);
    AvisValgte = nyHandling("AvisValgte", u"Åben valgte"_qs, u"Åben valgte til redigering"_qs, &Tfindform::AvisValgteExecute);
    ArunValgte = nyHandling("ArunValgte", u"Kør valgte"_qs, u"Kør valgte dokument hvis muligt"_qs, &Tfindform::ArunValgteExecute);
    auto* bjaelke = new QToolBar;
    bjaelke->setObjectName(u"findBjaelke"_qs);
    bjaelke->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bjaelke->addActions({AvisValgte, ArunValgte, AopenAll, Afjern, AsletAlt});

    findis = new QTreeWidget;
    findis->setObjectName(u"findis"_qs);
    findis->setRootIsDecorated(false);
    findis->setUniformRowHeights(true);
    findis->setSelectionMode(QAbstractItemView::ExtendedSelection);
    findis->setHeaderLabels({u"Dokument"_qs, u"Position"_qs, u"Tekst"_qs});
    findis->header()->resizeSection(0, 200);
    findis->header()->resizeSection(1, 70);
    connect(findis, &QTreeWidget::itemSelectionChanged, this, &Tfindform::opdaterHandlinger);
    connect(findis, &QTreeWidget::itemDoubleClicked, this, &Tfindform::AvisValgteExecute);
    countdis = new QLabel(u"0"_qs);
    countdis->setObjectName(u"countdis"_qs);
    ulaeseligeLabel = new QLabel;
    ulaeseligeLabel->setObjectName(u"ulaeseligeLabel"_qs);

    const auto knap = [](QAction* a) {
        auto* k = new QToolButton;
        k->setDefaultAction(a);
        k->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return k;
    };
    auto* g = new QGridLayout(side);
    g->addWidget(new QLabel(u"Søgemappe"_qs), 0, 0);
    g->addWidget(dirEdit, 0, 1, 1, 3);
    g->addWidget(mappeKnap, 0, 4);
    g->addWidget(new QLabel(u"Søg efter"_qs), 1, 0);
    g->addWidget(EditFind, 1, 1);
    g->addWidget(rydKnap, 1, 2);
    g->addWidget(knap(AfindBib), 1, 3);
    g->addWidget(knap(Astop), 1, 4);
    g->addWidget(new QLabel(u"Filtype filter"_qs), 2, 0);
    g->addWidget(filterBoks, 2, 1, 1, 4);
    g->addWidget(Check1, 3, 1);
    g->addWidget(Check2, 4, 1, 1, 4);
    g->addWidget(bjaelke, 5, 0, 1, 5);
    g->addWidget(findis, 6, 0, 1, 5);
    auto* tal = new QHBoxLayout;
    tal->addWidget(new QLabel(u"Fundne:"_qs));
    tal->addWidget(countdis);
    tal->addSpacing(20);
    tal->addWidget(ulaeseligeLabel);
    tal->addStretch();
    g->addLayout(tal, 7, 0, 1, 5);
    g->setColumnStretch(1, 1);
    g->setRowStretch(6, 1);
    return side;
}

void Tfindform::saetMappe(const QString& mappe)
{
    Mappe = mappe.endsWith(u'\\') ? mappe : mappe + u'\\';
    dirEdit->setText(Mappe);
}

void Tfindform::opdaterHandlinger()
{
    const bool valgt = !findis->selectedItems().isEmpty();
    AfindBib->setEnabled(!m_soeger && !EditFind->currentText().isEmpty());
    Astop->setEnabled(m_soeger);
    Afjern->setEnabled(valgt && !m_soeger);
    AsletAlt->setEnabled(findis->topLevelItemCount() > 0 && !m_soeger);
    AopenAll->setEnabled(findis->topLevelItemCount() >= 2 && !aktivtProgram().isEmpty());
    AvisValgte->setEnabled(valgt);
    ArunValgte->setEnabled(valgt);
    QTreeWidgetItem* type = typeliste->currentItem();
    const int r = type ? typeliste->indexOfTopLevelItem(type) : -1;
    Aop->setEnabled(r > 0);
    Aned->setEnabled(r >= 0 && r < typeliste->topLevelItemCount() - 1);
}

void Tfindform::visAntal()
{
    countdis->setText(QString::number(findis->topLevelItemCount()));
    ulaeseligeLabel->setText(m_ulaeselige > 0 ? u"Kunne ikke læses: "_qs + QString::number(m_ulaeselige) : QString());
    opdaterHandlinger();
}

void Tfindform::AfindBibExecute()
{
    if (m_soeger)
        return;
    const QString mappe = Mappe.chopped(1);
    if (!folderExists(mappe))
        return;
    findis->clear();
    m_ulaeselige = 0;
    FTekst = EditFind->currentText();
    if (FTekst.isEmpty()) {
        visAntal();
        return;
    }
    if (EditFind->findText(FTekst, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        EditFind->addItem(FTekst);
    EditFind->setEditText(FTekst);
    // Each entry carries its own masks, so unsaved ticks on "Filtre" change nothing.
    const QStringList masker = filterBoks->currentData().toStringList();

    // The search is a job on its own copies of the folder, the text and the
    // options: a click in Struktur 2 meanwhile changes nothing it reads.
    const QString mappeMedSkilletegn = Mappe;
    const QString tekst = FTekst;
    const bool helOrd = Check1->isChecked(), storeSmaa = Check2->isChecked();
    m_soeger = true;
    setCursor(Qt::BusyCursor);
    opdaterHandlinger();
    m_job->start(
        [this, mappe, mappeMedSkilletegn, tekst, helOrd, storeSmaa, masker](Baggrundsjob::Kontekst& k) {
            Tekstsoeger soeger(tekst, helOrd, storeSmaa);
            soeger.fortsaet = [&k] { return !k.stoppet(); };
            Parti parti;
            const QStringList navne = dokumenterI(mappe, masker);
            // The hits are bounded: a search that finds more stops there and says so.
            qsizetype antal = 0;
            bool fuld = false;
            for (const QString& navn : navne) {
                if (k.stoppet() || fuld)
                    break;
                const QString dokument = mappeMedSkilletegn + navn;
                std::vector<Fund> fund;
                if (soeger.soeg(dokument, fund, Tekstsoeger::flestFund - antal, &fuld)) {
                    antal += qsizetype(fund.size());
                    for (const Fund& f : fund)
                        parti.raekker << QStringList{dokument, QString::number(f.position), f.linje};
                } else if (!k.stoppet()) {
                    ++parti.ulaeselige;
                }
                if (k.tidTilLevering())
                    k.lever([this, p = std::exchange(parti, {})] { tilfoej(p); });
            }
            k.lever([this, p = std::move(parti), fuld] {
                tilfoej(p);
                if (fuld)
                    visInformation(u"Søgningen blev stoppet efter %1 fund. Søg efter en længere tekst for at se færre."_qs
                                       .arg(QLocale(QLocale::Danish).toString(Tekstsoeger::flestFund)));
            });
        },
        [this](bool) {
            m_soeger = false;
            unsetCursor();
            visAntal();
        });
}

void Tfindform::tilfoej(const Parti& parti)
{
    QList<QTreeWidgetItem*> raekker;
    raekker.reserve(parti.raekker.size());
    for (const QStringList& r : parti.raekker)
        raekker << new QTreeWidgetItem(r);
    findis->addTopLevelItems(raekker);
    m_ulaeselige += parti.ulaeselige;
    countdis->setText(QString::number(findis->topLevelItemCount()));
}

void Tfindform::closeEvent(QCloseEvent* event)
{
    // A search stops at once with the window.
    m_job->stop();
    writeTextLines(optfil, {QString::number(std::max(-1, filterBoks->currentIndex() - 1))});
    TFunktionsform::closeEvent(event);
}

QString Tfindform::valgtDokument() const
{
    const QTreeWidgetItem* r = findis->currentItem();
    if (!r)
        return {};
    if (!fileExists(r->text(0))) {
        visInformation(u"Filen blev ikke fundet."_qs);
        return {};
    }
    return r->text(0);
}

void Tfindform::AvisValgteExecute()
{
    const QString dokument = valgtDokument();
    if (dokument.isEmpty())
        return;
    int svar = Skal::instance().aabn(dokument, true);
    if (svar <= 32)
        svar = Skal::instance().aabn(dokument, false);
    if (svar <= 32)
        hoved->ErrorInfo(svar);
}

void Tfindform::ArunValgteExecute()
{
    const QString dokument = valgtDokument();
    if (!dokument.isEmpty())
        hoved->OpenFilen(dokument, false);
}

void Tfindform::AopenAllExecute()
{
    const QString program = aktivtProgram();
    // Each document once, however many hits it has, and only while it exists.
    QStringList dokumenter;
    for (int i = 0; i < findis->topLevelItemCount(); ++i) {
        const QString d = findis->topLevelItem(i)->text(0);
        if (!dokumenter.contains(d) && fileExists(d))
            dokumenter << d;
    }
    if (program.isEmpty() || dokumenter.isEmpty()
        || !spmForm().spoerg({u"Der er "_qs + QString::number(dokumenter.size()) + u" dokumenter i listen."_qs,
                              u"De forsøges åbnet med valgte program:"_qs, program, QString(),
                              u"Skal de alle åbnes?"_qs}))
        return;
    const int svar = TMenuExeFiler::OpenFilMedProgram(program, dokumenter);
    if (svar <= 32)
        hoved->ErrorInfo(svar);
}

} // namespace kv

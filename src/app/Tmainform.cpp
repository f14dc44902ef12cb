#include "app/Tmainform.h"
#include "ui/UdenAtStandse.h"
#include "calendar/TDatopanel.h"
#include "calendar/TNotatpanel.h"
#include "ui/TDovenSide.h"
#include "lists/Tfindform.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"
#include "ui/Programfiler.h"
#include "app/Programmappe.h"
#include "ui/TFunktionsform.h"
#include "app/THandlingsliste.h"
#include "ui/TspmForm.h"
#include "lists/Markoerraekke.h"
#include "lists/TReopenFilerX.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/Skal.h"
#include "platform/TextFile.h"
#include "fileops/THandlinger.h"
#include "fileops/Tdeleteform.h"
#include "fileops/Tkopieringsform.h"
#include "fileops/Tprogressform.h"
#include "structures/Levendemapper.h"
#include "structures/Tmappestrukturform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QSessionManager>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusTipEvent>
#include <QTimer>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <utility>

namespace kv {

Tmainform::Tmainform(QWidget* parent, Opstart start) : QMainWindow(parent), m_opstart(start)
{
    setObjectName(u"mainform"_qs);
    byggVindue();
    bindFunktioner();
    setCursor(Qt::WaitCursor);

    opretStier();

    kopieringsform = new Tkopieringsform(OptMappe + u"\\Spm_kopiering.txt"_qs, this);
    progressform = new Tprogressform(this);
    deleteform = new Tdeleteform(this);
    funk = new THandlinger(this);
    funk->FStruktur1 = MappeStruktur;
    funk->FStruktur2 = FilStruktur;
    funk->FStruktur3 = FilStruktur2;
    funk->FMappeList = Mappeliste;
    funk->FFilList = Filliste;
    funk->FMappeEdit3 = MappeEdit3;
    funk->FonDirectoryChange = [this](bool makeSti) { DirectoryChange(makeSti); };
    funk->FonAktivStruktur = [this](int n) { saetFokusBilleder(n); };
    funk->FBrugernavn = BrugerNavn;
    funk->FHovedmappe = hovedmappe;
    funk->FLastStruktur = OptMappe + u"\\LastStruktur.txt"_qs;
    funk->FresultBox = resultBox;
    funk->FspmBox = spmBox;
    funk->FLukCheck = LukCheck;
    funk->FopdaterCheck = opdaterCheck;
    funk->FKopiering = kopieringsform;
    funk->FProgress = progressform;
    funk->FSlet = deleteform;
    funkNo = 100;

    opretListe(favDir, u"favoritmapper.txt"_qs, favoritliste, itBibliotek);
    opretListe(favFiler, u"favoritfiler.txt"_qs, favfilerListe, itFil);
    opretListe(findDir, u"findmapper.txt"_qs, mappeBoxen, itBibliotek);
    opretListe(findFiler, u"findfiler.txt"_qs, filBoxen, itFil);
    opretListe(historieDir, u"historiemapper.txt"_qs, HistorieListe, itBibliotek);
    funk->FHistorieDir = historieDir;
    funk->FFindDir = findDir;
    funk->FFindFiler = findFiler;
    hentProgrammer();

    opstart = true;

    // The handlers first, so the loaded page of the right-hand panel gets its title.
    bindHandlinger();
    hentEgenskaber();
    makeStartStrukturer();
    visMapperBar();

    funkReady = true;
    findOpstart = true;
    unsetCursor();
    setAcceptDrops(true);
    saetFokusBilleder(funk->AktiveStruktur());
    handlinger->opdaterAlle();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Tmainform::gemBjaelker);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Tmainform::sessionSlutter, Qt::DirectConnection);
}

Tmainform::~Tmainform()
{
    // Function windows leave their tab while the window is still whole, also
    // those closed and only waiting to be deleted.
    for (auto& w : m_funktioner)
        delete w.data();
    qDeleteAll(findChildren<TFunktionsform*>());
}

QString Tmainform::getBrugernavn()
{
    const QString navn = Platform::instance().loginName();
    return navn.isEmpty() ? u"Brugernavn"_qs : navn;
}

void Tmainform::opretStier()
{
    BrugerNavn = getBrugernavn();
    setWindowTitle(u"Kvistlund: "_qs + BrugerNavn);

    QStringList fejl;
    const auto opret = [&](const QString& mappe) {
        QString grund;
        if (!folderExists(mappe) && !createFolder(mappe, &grund))
            fejl << grund;
    };

    hovedmappe = u"C:\\Kvistlund"_qs;
    opret(hovedmappe);
    programmappe = hovedmappe + u"\\Program"_qs;
    Skal::saetProgrammappe(programmappe);
    opret(programmappe);
    if (const auto installeret = Platform::instance().installedProgramFolder())
        fejl << opdaterProgrammappe(*installeret, programmappe);
    ikonDir = programmappe + u'\\' + programfiler::ikonMappe + u'\\';
    lydfilDir = programmappe + u'\\' + programfiler::lydMappe + u'\\';
    scriptDir = programmappe + u'\\' + programfiler::scriptMappe + u'\\';
    appletsDir = programmappe + u'\\' + programfiler::appletMappe + u'\\';
    infoDir = programmappe + u'\\' + programfiler::infoMappe + u'\\';
    wmidir = programmappe + u'\\' + programfiler::wmiMappe;
    wmiFile = wmidir + u"\\_wmiClasses.wsf"_qs;
    classFile = wmidir + u"\\classes.txt"_qs;
    udskrivFile = wmidir + u"\\_udskrivKode.wsf"_qs;
    udskrivFileHTML = wmidir + u"\\_udskrivKodeHTML.wsf"_qs;
    BrugerMappe = hovedmappe + u'\\' + BrugerNavn;
    opret(BrugerMappe);
    wmiMappe = BrugerMappe + u"\\WMI"_qs;
    opret(wmiMappe);
    NotatMappe = BrugerMappe + u"\\Noter\\"_qs;
    opret(NotatMappe);

    OptMappe = BrugerMappe + u"\\Egenskaber"_qs;
    if (!folderExists(OptMappe)) {
        QString grund;
        if (!createFolder(OptMappe, &grund)) {
            fejl << grund;
        } else {
            // A new user gets the sample web groups, never overwriting anything.
            const QString kilde = programmappe + u'\\' + programfiler::egenskaberMappe + u'\\';
            for (const QString& navn : programfiler::webskabeloner) {
                const CopyResult r = copyFile(kilde + navn, OptMappe + u'\\' + navn);
                if (!r.ok())
                    fejl << u"Filen \"%1\" kunne ikke kopieres:\r%2"_qs.arg(navn, r.error);
            }
        }
    }
    optFilnavn = OptMappe + u"\\MainEgenskaber.txt"_qs;
    webFilename = OptMappe + u"\\webliste.txt"_qs;
    webGruppefil = OptMappe + u"\\webgruppe.txt"_qs;
    webLagerfil = OptMappe + u"\\webLager.txt"_qs;

    mappestrukturDir = BrugerMappe + u"\\Mappestrukturer\\"_qs;
    opret(mappestrukturDir);
    standardKalenderMappe = BrugerMappe + u"\\Kalender"_qs;
    brugerKalenderMappe = standardKalenderMappe;
    opret(brugerKalenderMappe);
    brugerNotatMappe = BrugerMappe + u"\\Notater"_qs;
    opret(brugerNotatMappe);
    alarmTekster = BrugerMappe + u"\\Alarmtekster\\"_qs;
    opret(alarmTekster);
    alarmDir = BrugerMappe + u"\\Alarmer\\"_qs;
    opret(alarmDir);

    // Start-up goes on to a usable window; what failed is told once.
    if (!fejl.isEmpty())
        visFejl(fejl.join(u"\r\r"_qs));
}

void Tmainform::opretListe(TReopenFilerX*& liste, const QString& fil, QListWidget* boks, int type)
{
    liste = new TReopenFilerX(this);
    liste->setItemfile(OptMappe + u'\\' + fil);
    liste->setListeBoks(boks);
    liste->setItemtype(TItemtype(type));
    // Money green marks the folder lists, sky blue the file lists.
    Markoerraekke::tegn(boks, type == itFil ? QColor(0xa6, 0xca, 0xf0) : QColor(0xc0, 0xdc, 0xc0));
}

void Tmainform::makeStartStrukturer()
{
    // The structure of the last session first; then the saved folder, then the default content.
    if (!genskabStruktur1()) {
        if (!funk->FDirMappe.isEmpty() && folderExists(funk->FDirMappe)) {
            funk->udfoldStruktur1(funk->FDirMappe);
        } else if (medtagPrivatCheck->isChecked()) {
            funk->makeStruktur1();
        } else {
            funk->StartNo = 0;
            funk->makePreDrives();
        }
    }
    funk->setAktiveStruktur(2);
    const QString mappe2 = folderExists(gemtFilMappe)      ? gemtFilMappe
                           : folderExists(funk->FDirMappe) ? funk->FDirMappe
                                                           : QString();
    if (!mappe2.isEmpty()) {
        const bool fyld = m_opstart == Opstart::Hel;
        funk->makeStruktur2(mappe2, true, fyld);
        if (!fyld)
            m_struktur2Venter = funk->FFilMappe;
    }
    DirectoryChange(true);
    tbPrivatMapper->setIcon(handlingsIkon(funk->FMedtagPrivat ? Handlingsbillede::PrivatMed : Handlingsbillede::PrivatUden));
}

QString Tmainform::getSpMappe(int nummer) const
{
    const QString profil = Platform::instance().profileFolder();
    const auto findes = [](const QString& sti) { return folderExists(sti) ? sti : QString(); };
    switch (nummer) {
    case 0: return findes(profil + u"\\Contacts"_qs);
    case 1: return findes(profil + u"\\OneDrive"_qs);
    case 2:
    case 3: {
        const QString kamera = findes(profil + u"\\Pictures\\Camera Roll"_qs);
        if (!kamera.isEmpty())
            return kamera;
        return nummer == 2 ? funk->GetMyPictures() : funk->GetMyVideo();
    }
    default: return QString();
    }
}

void Tmainform::UdskrivInfo(const QString& tekst)
{
    infobarPanel[2]->setText(tekst);
}

void Tmainform::DirectoryChange(bool makeSti)
{
    // Repaint what changed, without taking new input in the middle; a change
    // on disk waits meanwhile, so no structure changes under this call.
    ladHaendelserKoere(QEventLoop::ExcludeUserInputEvents);
    switch (funk->AktiveStruktur()) {
    case 1:
        AktuelleMappe = funk->FDirMappe;
        AktiveStrukturEdit->setText(u"Struktur 1"_qs);
        break;
    case 2:
        AktuelleMappe = funk->FFilMappe;
        AktiveStrukturEdit->setText(u"Struktur 2"_qs);
        if (findform)
            findform->saetMappe(funk->FFilMappe);
        break;
    case 3:
        AktiveStrukturEdit->setText(u"Struktur 3"_qs);
        break;
    default:
        break;
    }
    favChanged = true;
    funkNo = funk->getID();
    AktuelleElementEdit->setText(funk->getNodeInfo());
    NavnEdit->setText(funk->getSelected());
    if (makeSti && (funk->AktiveStruktur() == 1 || funk->AktiveStruktur() == 2))
        makeStiTabs();
    handlinger->planlaegOpdatering();
    if (levende)
        levende->synk();
    visVaertssti();
}

void Tmainform::saetFokusBilleder(int aktiv)
{
    const char* navne[] = {"Fokus", "Fokus2", "Fokus3"};
    for (int i = 0; i < 3; ++i)
        handling(navne[i])->setIcon(handlingsIkon(aktiv == i + 1 ? Handlingsbillede::FokusAktiv
                                                                 : Handlingsbillede::FokusInaktiv));
}

void Tmainform::bindHandlinger()
{
    // The focus actions also keep the copy-list panels shown exactly while
    // "Kopilister" is ticked and their list has rows.
    handlinger->bind(
        "Fokus",
        [this] {
            if (funk->AktiveStruktur() == 2 || funk->AktiveStruktur() == 3) {
                visValgteMappe();
                MappeStruktur->setFocus();
            }
        },
        [this] {
            listePanel->setVisible(kopiCheck->isChecked() && Mappeliste->topLevelItemCount() > 0);
            return true;
        });
    handlinger->bind(
        "Fokus2",
        [this] {
            if (funk->AktiveStruktur() != 2) {
                FilStruktur->setFocus();
                struktur2Klik();
            }
        },
        [this] {
            listePanel2->setVisible(kopiCheck->isChecked() && Filliste->topLevelItemCount() > 0);
            return true;
        });
    handlinger->bind("Fokus3", [this] {
        if (funk->AktiveStruktur() != 3) {
            funk->setAktiveStruktur(3);
            FilStruktur2->setFocus();
            DirectoryChange(true);
        }
    });
    handlinger->bind("SitInfo", [this] { infoPanel->setVisible(!infoPanel->isVisible()); });
    handlinger->bind("aTopBog", [this] { topBog->setVisible(!topBog->isVisible()); });
    handlinger->bind("LukProgram", [this] { LukProgramExecute(); });
    handlinger->tilladUnderHandling("LukProgram");
    handlinger->saetOptaget([this] { return m_optaget; });

    connect(Bog, &QTabWidget::currentChanged, this, [this](int side) {
        static const char16_t* const titler[] = {u"Besøgte mapper", u"Favoritmapper", u"Favoritfiler", u"Programmer",
                                                 u"Struktur 3: Mapper og filer", u"Søg i mappe og filnavne", u"Datoer",
                                                 u"Noter"};
        if (side >= 0 && side < 8)
            bogTekstLabel->setText(side == 6 ? datopanel()->DatoerCaption : QString::fromUtf16(titler[side]));
        // The clock runs only while its page is shown.
        if (side == 6 || datoFane->lavet())
            datopanel()->vist(side == 6);
        if (side == 7)
            notatpanel()->opdaterListe();
    });

    bindStrukturHandlinger();
    bindMapperHandlinger();
    bindNavigation();
    bindKopiering();
    bindStrukturfiler();
    bindOmdoebning();
    bindKoersel();
    bindFavoritter();
    bindTraek();
    bindKalender();
    bindWeb();
    bindFilinfo();
    bindSkabeloner();
    bindInfo();
    bindGalleri();
    bindLaunchere();
    bindProgrammer();
    bindTekstsoegning();
    bindLevende();
    bindTaster();
}

bool Tmainform::event(QEvent* event)
{
    // Hints go to the third panel of the status bar.
    switch (event->type()) {
    case QEvent::StatusTip:
        UdskrivInfo(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void Tmainform::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // From the event loop: a small folder is filled before the window is
    // first painted, a big one in parts with the window painted between them.
    // What a later start handed over, or a click, may have shown another
    // folder there first.
    if (!m_struktur2Venter.isEmpty())
        QTimer::singleShot(0, this, [this, mappe = std::exchange(m_struktur2Venter, QString())] {
            if (funk && funk->FFilMappe == mappe && FilStruktur->topLevelItemCount() == 0) {
                funk->makeStruktur2(mappe, false);
                handlinger->planlaegOpdatering();
            }
        });
    if (!opstart)
        return;
    try {
        favDir->HentReopenFiler();
        favFiler->HentReopenFiler();
    } catch (const Fejl& f) {
        visFejl(f.tekst());
    }
    loadMappeStruktur(false);
    hentAlarmer();
    visAktiveProgram();
    if (MappeStruktur->isVisible())
        setFocus();
}

void Tmainform::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !opstart)
        return;
    opstart = false;
    // Now the frame is known: its title bar too must be on the screen.
    holdPaaSkaermen();
    if (gemtMappe3.isEmpty()) {
        // Without a desktop folder Struktur 3 simply has no saved folder yet.
        try {
            gemtMappe3 = funk->GetMyDesktop();
        } catch (const Fejl&) {
        }
    }
}

TDatopanel* Tmainform::datopanel()
{
    return static_cast<TDatopanel*>(datoFane->indhold());
}

TNotatpanel* Tmainform::notatpanel()
{
    return static_cast<TNotatpanel*>(notatFane->indhold());
}

QList<UgemtArbejde*> Tmainform::ugemtArbejde() const
{
    QList<UgemtArbejde*> kilder;
    for (TFunktionsform* w : m_aabningsorden)
        kilder << w;
    if (notatFane->lavet())
        kilder << static_cast<TNotatpanel*>(notatFane->indhold());
    return kilder;
}

bool Tmainform::spoergOmUgemt()
{
    // First every question, so that "Annuller" on the last leaves the first as it was.
    QList<std::pair<UgemtArbejde*, bool>> svar;
    for (UgemtArbejde* k : ugemtArbejde()) {
        const QStringList spoergsmaal = k->ugemt();
        if (spoergsmaal.isEmpty())
            continue;
        const auto s = spmForm().spoergMedAnnuller(spoergsmaal + QStringList{u"Gem ændringerne?"_qs});
        if (s == TspmForm::Svar::Annuller)
            return false;
        svar.append({k, s == TspmForm::Svar::Ja});
    }
    // Then the saves; a failed one keeps the program open with nothing let go.
    for (const auto& [k, gem] : svar)
        if (gem && !k->gemUgemt())
            return false;
    for (const auto& [k, gem] : svar)
        if (!gem)
            k->kasserUgemt();
    return true;
}

void Tmainform::sessionSlutter(QSessionManager& session)
{
    if (session.allowsInteraction()) {
        const bool videre = spoergOmUgemt();
        session.release();
        if (!videre) {
            session.cancel();
            return;
        }
    } else {
        // No questions may be asked: what can be saved is saved.
        for (UgemtArbejde* k : ugemtArbejde())
            if (!k->ugemt().isEmpty())
                k->gemUgemt();
    }
    if (!skrivebeskyttet) {
        gemEgenskaber();
        kopieringsform->gemStoerrelse();
    }
    gemBjaelker();
}

void Tmainform::closeEvent(QCloseEvent* event)
{
    // The engine must outlive a running paste or delete.
    if (m_optaget) {
        event->ignore();
        lukUnderHandling(false);
        return;
    }
    if (!spoergOmUgemt()) {
        event->ignore();
        return;
    }
    // Work further down the stack lets events run, and would find the
    // structures gone: a list being filled stops, and the close is carried
    // out once that work has returned.
    if (arbejdeUndervejs()) {
        event->ignore();
        funk->stopFyldninger();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    // The settings keep the size without function tabs.
    if (tc->count() > 0)
        givStoerrelseTilbage();
    if (!skrivebeskyttet) {
        gemEgenskaber();
        kopieringsform->gemStoerrelse();
    }
    handlinger->stop();
    // Nothing may reach the structures once they are gone: not a change on
    // disk the live folders heard, nor a timer of the window.
    delete levende;
    levende = nullptr;
    for (QTimer* t : {Timer, TimerFil, m_udfoldTimer})
        t->stop();
    funkReady = false;
    delete funk;
    funk = nullptr;
    for (TReopenFilerX** liste : {&favDir, &favFiler, &findDir, &findFiler}) {
        delete *liste;
        *liste = nullptr;
    }
    event->accept();
}

void Tmainform::gemBjaelker() const
{
    if (skrivebeskyttet)
        return;
    // One line a bar: its name, then the actions on it in order.
    const auto bjaelke = [](const QString& navn, int nummer) {
        QStringList linje{navn};
        for (const char* n : mapperBjaelke(nummer))
            linje << QString::fromLatin1(n);
        return linje.join(u' ');
    };
    const auto handlingerPaa = [this](const QString& bar) {
        QStringList navne{bar};
        for (const QAction* a : findChild<QToolBar*>(bar)->actions())
            navne << (a->objectName().isEmpty() ? u"-"_qs : a->objectName());
        return navne.join(u' ');
    };
    writeTextLines(OptMappe + u"\\ActionHjem.txt"_qs, {handlingerPaa(u"ToolbarHjem"_qs)});
    writeTextLines(OptMappe + u"\\ActionFunktioner.txt"_qs, {handlingerPaa(u"ToolbarFunktioner"_qs)});
    writeTextLines(OptMappe + u"\\ActionMapper.txt"_qs,
                   {bjaelke(u"Kendte mapper"_qs, 0), bjaelke(u"Specielle mapper"_qs, 1)});
}

void Tmainform::LukProgramExecute()
{
    if (m_optaget) {
        lukUnderHandling(true);
        return;
    }
    // Ends at once: no close steps, so the settings are not saved; unsaved
    // work in the windows is asked about first all the same.
    if (!spoergOmUgemt())
        return;
    QApplication::exit(0);
}

void Tmainform::lukUnderHandling(bool afslut)
{
    if (m_efter != Efter::Intet)
        return;
    if (!spmForm().spoerg({QString(), u"Der kopieres eller slettes stadig.\rSkal handlingen stoppes, så programmet kan lukkes?"_qs}))
        return;
    m_efter = afslut ? Efter::Afslut : Efter::Luk;
    funk->stopHandling();
}

bool Tmainform::underHandling(const std::function<void()>& handling)
{
    if (m_optaget)
        return false;
    m_optaget = true;
    funkReady = false;
    Mappeliste->setEnabled(false);
    Filliste->setEnabled(false);
    handlinger->opdaterAlle();
    const auto slut = [this] {
        m_optaget = false;
        funkReady = true;
        Mappeliste->setEnabled(true);
        Filliste->setEnabled(true);
        handlinger->opdaterAlle();
        // A close asked for meanwhile is carried out once the stack has unwound.
        if (m_efter == Efter::Luk)
            QTimer::singleShot(0, this, &QWidget::close);
        else if (m_efter == Efter::Afslut)
            QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
    };
    try {
        handling();
    } catch (...) {
        slut();
        throw;
    }
    slut();
    return true;
}

} // namespace kv

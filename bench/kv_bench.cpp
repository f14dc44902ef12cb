// Runs one of the program's operations on prepared data and prints the best
// time of a few rounds in seconds:
//   kv_bench aabn <root> <fil>           opening C:\fil with its program (best of 20)
//   kv_bench listing <folder>            showing a folder in Struktur 2
//   kv_bench vis <folder>                showing a folder in Struktur 2 on a shown window, once;
//                                         prints seconds, entries, the event loop's longest pause in
//                                         ms and the memory per entry above the empty window (now, peak)
//   kv_bench udfold <root> <sub\path>    opening a deep folder in Struktur 1
//   kv_bench niveau <root> <list>        a level structure of the folders listed (a/b/c)
//   kv_bench paste <root> <kilde> <maal>  pasting C:\kilde into C:\maal (once)
//   kv_bench slet <root> <mappe>          deleting C:\mappe permanently (once)
//   kv_bench papirkurv <root> <mappe>     deleting C:\mappe to the recycle bin (once)
//   kv_bench filtype <root> <mappe>       renaming every .htm of C:\mappe to .html (once)
//   kv_bench alarmer <root>              collecting today's alarms from C:\Alarmer
//   kv_bench notater <root>              stepping the calendar through 2025, memos in C:\Notater
//   kv_bench flyt <root> <kilde> <maal> [<root2>]  moving C:\kilde into C:\maal, or into
//                                         D:\maal when a second root is given as D: (once)
//   kv_bench find <root> <tekst> <max>    find by name in C:\trae, at most max hits of a kind
//   kv_bench websort <root>              loading and sorting the address pairs of C:\webliste.txt
//   kv_bench helligdage <root>           the holiday rows of every year 1583-9999
//   kv_bench noter <root>                refreshing the note list of C:\Noter
//   kv_bench taelling <root>             the information window's count of C:\trae
//   kv_bench spilleliste <root>          a film list of every file of C:\liste (once)
//   kv_bench tekst <root> <tekst> <case>  the text in every document of C:\docs, case 1 or 0
//   kv_bench bogmaerker <root>           importing C:\bookmarks.html into web groups (a fresh folder a round)
//   kv_bench levende <root>              touch makes 1,000 files in a folder shown in Struktur 2;
//                                         the time until all are shown (best of 3)
// The folder given becomes drive C: of a test drive table. KV_BENCH_RUNDER sets
// the rounds of those that take the best of a few. Every mode but vis reports
// the event loop's longest pause on standard error.
#include "DialogSvarer.h"
#include "Processtatus.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/RegularFile.h"
#include "platform/Skal.h"
#include "app/Tmainform.h"
#include "calendar/Helligdage.h"
#include "calendar/TAlarmplan.h"
#include "calendar/TDatopanel.h"
#include "calendar/TNotatpanel.h"
#include "calendar/Tkalenderform.h"
#include "fileops/THandlinger.h"
#include "fileops/Tfilinfoform.h"
#include "lists/TMenuExeFiler.h"
#include "lists/TReopenFilerX.h"
#include "lists/Bogmaerker.h"
#include "lists/TWebGrupper.h"
#include "lists/Tekstsoeger.h"
#include "structures/Levendemapper.h"
#include "structures/TFunktioner.h"
#include "ui/Baggrundsjob.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QPlainTextEdit>
#include <QCheckBox>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QProcess>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

namespace {

// A drive table whose C: is the benchmark's folder, and D: a second one when given.
class BenchPlatform : public kvtest::TestPlatform {
public:
    explicit BenchPlatform(const QString& root, const QString& root2 = {})
    {
        std::vector<kv::Drive> drev{{u'C', root, u"Bench"_qs, kv::DriveFixed}};
        if (!root2.isEmpty())
            drev.push_back({u'D', root2, u"Bench2"_qs, kv::DriveFixed});
        m_tabel = kv::DriveTable(std::move(drev));
    }
    const kv::DriveTable& drives() const override { return m_tabel; }
    // The bin on the benchmark's own volume, as a bin at the top of a volume would be.
    QString trashDirFor(const QString&) const override { return m_tabel.drives()[0].hostRoot + u"/.Trash-bench"_qs; }

private:
    kv::DriveTable m_tabel;
};

// The event loop's longest pause, seen by a timer that should tick every 5 ms.
class PauseMaaler {
public:
    PauseMaaler()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tik(); });
        m_ur.start();
        m_timer.start(5);
    }
    // From now on: what came before belongs to no job.
    void nulstil()
    {
        m_sidst = m_ur.nsecsElapsed();
        m_stoerste = 0;
    }
    double stoersteMs()
    {
        tik();
        return m_stoerste / 1e6;
    }

private:
    void tik()
    {
        const qint64 nu = m_ur.nsecsElapsed();
        m_stoerste = std::max(m_stoerste, nu - m_sidst);
        m_sidst = nu;
    }
    QTimer m_timer;
    QElapsedTimer m_ur;
    qint64 m_sidst = 0, m_stoerste = 0;
};

PauseMaaler* jobPause = nullptr;

// Lets events run until faerdig says the job has ended.
void ventPaa(const std::function<bool()>& faerdig)
{
    while (!faerdig())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double bedsteTid(int runder, const std::function<void()>& arbejde)
{
    if (const int n = qEnvironmentVariableIntValue("KV_BENCH_RUNDER"); n > 0)
        runder = n;
    double bedst = 1e9;
    if (jobPause)
        jobPause->nulstil();
    for (int i = 0; i < runder; ++i) {
        QElapsedTimer t;
        t.start();
        arbejde();
        bedst = std::min(bedst, t.nsecsElapsed() / 1e9);
    }
    return bedst;
}

// A folder shown in Struktur 2 of a window on the screen, as a user opens it.
int vis(kv::TFunktioner& funk, QTreeWidget& s2)
{
    s2.resize(800, 600);
    s2.show();
    QApplication::processEvents();
    const qint64 foer = procKB("VmRSS:") * 1024;
    const qint64 topFoer = procKB("VmHWM:") * 1024;
    PauseMaaler pause;
    QElapsedTimer t;
    t.start();
    funk.makeStruktur2(u"C:"_qs, false);
    s2.scrollToBottom();
    QApplication::processEvents();
    const double tid = t.nsecsElapsed() / 1e9;
    const int n = s2.topLevelItemCount();
    // Memory once the window has settled: what the listing leaves is given back meanwhile.
    QElapsedTimer ro;
    ro.start();
    while (ro.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const qint64 nu = procKB("VmRSS:") * 1024 - foer;
    const qint64 top = procKB("VmHWM:") * 1024 - std::max(topFoer, foer);
    std::printf("%.4f %d %.1f %.0f %.0f\n", tid, n, pause.stoersteMs(), double(nu) / std::max(n, 1),
                double(std::max<qint64>(top, nu)) / std::max(n, 1));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "brug: kv_bench listing <mappe> | udfold <rod> <sti>\n");
        return 2;
    }
    const QString mode = QString::fromLatin1(argv[1]);
    const bool toDrev = mode == u"flyt" && argc == 6;
    kv::Platform::install(std::make_unique<BenchPlatform>(QString::fromLocal8Bit(argv[2]),
                                                          toDrev ? QString::fromLocal8Bit(argv[5]) : QString()));
    // A message would wait for a click that never comes: answer it and fail.
    kvtest::DialogSvarer svar;
    QTreeWidget s1, s2, s3;
    for (QTreeWidget* t : {&s1, &s2, &s3})
        t->setUniformRowHeights(true);
    kv::TFunktioner funk(nullptr);
    funk.FStruktur1 = &s1;
    funk.FStruktur2 = &s2;
    funk.FStruktur3 = &s3;
    if (mode == u"vis")
        return vis(funk, s2);
    PauseMaaler pause;
    jobPause = &pause;
    double tid = 0;
    if (mode == u"aabn" && argc == 4) {
        // Opening a file with its program, the resolver warm after the first round.
        const QString fil = u"C:\\"_qs + QString::fromLocal8Bit(argv[3]);
        int svar = 0;
        tid = bedsteTid(20, [&] { svar = kv::Skal::instance().aabn(fil, false); });
        if (svar != kv::skalUdfoert) {
            std::fprintf(stderr, "filen blev ikke åbnet: %d\n", svar);
            return 1;
        }
    } else if (mode == u"listing") {
        tid = bedsteTid(5, [&] { funk.makeStruktur2(u"C:"_qs, false); });
        std::fprintf(stderr, "%d elementer\n", s2.topLevelItemCount());
    } else if (mode == u"levende") {
        kv::Levendemapper levende(funk);
        QStringList navne;
        for (int i = 0; i < 1000; ++i)
            navne << u"fil%1.txt"_qs.arg(i, 4, 10, QChar(u'0'));
        int runde = 0;
        const int foer = levende.opfriskninger();
        tid = bedsteTid(3, [&] {
            const QString mappe = u"C:\\runde%1"_qs.arg(++runde);
            kv::createFolder(mappe);
            funk.makeStruktur2(mappe, false);
            levende.synk();
            QProcess touch;
            touch.setWorkingDirectory(QString::fromLocal8Bit(argv[2]) + u"/runde%1"_qs.arg(runde));
            touch.start(u"touch"_qs, navne);
            while (s2.topLevelItemCount() < navne.size())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            touch.waitForFinished();
        });
        std::fprintf(stderr, "%d elementer, %.1f genindlæsninger pr. runde\n", s2.topLevelItemCount(),
                     (levende.opfriskninger() - foer) / 3.0);
    } else if (mode == u"udfold" && argc == 4) {
        const QString maal = u"C:\\"_qs + QString::fromLocal8Bit(argv[3]);
        bool fundet = false;
        tid = bedsteTid(5, [&] { fundet = funk.udfoldStruktur1(maal); });
        if (!fundet) {
            std::fprintf(stderr, "mappen blev ikke fundet\n");
            return 1;
        }
    } else if (mode == u"niveau" && argc == 4) {
        QFile fil(QString::fromLocal8Bit(argv[3]));
        if (!fil.open(QIODevice::ReadOnly))
            return 2;
        QStringList liste;
        for (const QByteArray& linje : fil.readAll().split('\n'))
            if (!linje.isEmpty())
                liste << u"C:\\"_qs + QString::fromUtf8(linje).replace(u'/', u'\\');
        tid = bedsteTid(5, [&] {
            QStringList kopi = liste;
            funk.makeHistoryStruktur(kopi);
        });
    } else if (((mode == u"paste" || mode == u"flyt") && (argc == 5 || toDrev))
               || ((mode == u"slet" || mode == u"papirkurv") && argc == 4)) {
        // The whole window, as a user pastes or deletes: questions off, progress shown.
        // An existing settings folder: no first-start copies to report.
        kv::createFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        kv::Tmainform f;
        f.show();
        f.spmBox->button(2)->setChecked(true);
        f.funk->RegisterElements(u"C:\\"_qs + QString::fromLocal8Bit(argv[3]));
        // The window is on the screen before the user starts.
        QApplication::processEvents();
        QElapsedTimer t;
        pause.nulstil();
        bool ok = false;
        if (mode == u"paste") {
            f.funk->setAktiveStruktur(2);
            f.funk->makeStruktur2(u"C:\\"_qs + QString::fromLocal8Bit(argv[4]), false);
            t.start();
            ok = f.funk->PasteElementer();
        } else if (mode == u"flyt") {
            // "Klip" and "Sæt ind", the sources deleted permanently as mv leaves nothing behind.
            const QString kilde = u"C:\\"_qs + QString::fromLocal8Bit(argv[3]);
            f.funk->setAktiveStruktur(2);
            f.funk->makeStruktur2((toDrev ? u"D:\\"_qs : u"C:\\"_qs) + QString::fromLocal8Bit(argv[4]), false);
            f.papirkurvCheck->setChecked(false);
            f.DelAfterPasteCheck->setChecked(true);
            t.start();
            f.PasteExecute();
            ok = !kv::entryInfo(kilde);
        } else {
            f.funk->setAktiveStruktur(2);
            t.start();
            ok = f.funk->DeleteElementer(mode == u"papirkurv");
        }
        tid = t.nsecsElapsed() / 1e9;
        if (!ok) {
            std::fprintf(stderr, "handlingen mislykkedes\n");
            return 1;
        }
    } else if (mode == u"find" && argc == 5) {
        kv::THandlinger h(nullptr);
        h.FStruktur1 = &s1;
        h.FStruktur2 = &s2;
        h.FStruktur3 = &s3;
        QListWidget mappeBoks, filBoks;
        kv::TReopenFilerX mapper(nullptr), filer(nullptr);
        mapper.setItemfile(u"C:\\findmapper.txt"_qs);
        mapper.setListeBoks(&mappeBoks);
        filer.setItemfile(u"C:\\findfiler.txt"_qs);
        filer.setListeBoks(&filBoks);
        h.FFindDir = &mapper;
        h.FFindFiler = &filer;
        h.FMaxElementer = QByteArray(argv[4]).toInt();
        h.setAktiveStruktur(2);
        h.makeStruktur2(u"C:"_qs, false);
        const auto trae = s2.findItems(u"trae"_qs, Qt::MatchExactly);
        if (trae.isEmpty())
            return 2;
        s2.setCurrentItem(trae.first());
        int fund = 0;
        const auto find = [&] {
            bool faerdig = false;
            h.findElement(QString::fromLocal8Bit(argv[3]), [&](const kv::FindResultat& r) {
                fund = r.filerFundet;
                faerdig = true;
            });
            ventPaa([&] { return faerdig; });
        };
        tid = bedsteTid(5, find);
        // Once more with the lists shown, as in the window, where the rows are
        // also laid out: not timed, but within the pause measured.
        for (QListWidget* boks : {&mappeBoks, &filBoks}) {
            boks->resize(300, 400);
            boks->show();
        }
        find();
        QElapsedTimer efter;
        efter.start();
        ventPaa([&] { return efter.elapsed() > 300; });
        std::fprintf(stderr, "%d filer fundet\n", fund);
    } else if (mode == u"websort") {
        // Loading C:\webliste.txt and sorting its pairs by short name.
        kv::TWebGrupper web(u"C:"_qs);
        tid = bedsteTid(5, [&] {
            web.loadGruppefil();
            web.sorter();
        });
        std::fprintf(stderr, "%d adresser\n", web.antal());
    } else if (mode == u"taelling") {
        kv::Tfilinfoform form(nullptr);
        tid = bedsteTid(3, [&] {
            form.countMappeInfo(u"C:\\trae"_qs);
            ventPaa([&] { return !form.taeller(); });
            QCoreApplication::processEvents();
        });
        std::fprintf(stderr, "%s, %s\n", qPrintable(form.LabelMappeIndhold->text()),
                     qPrintable(form.LabelMappeSize->text()));
    } else if (mode == u"spilleliste") {
        kv::THandlinger h(nullptr);
        h.FStruktur1 = &s1;
        h.FStruktur2 = &s2;
        h.FStruktur3 = &s3;
        h.setAktiveStruktur(2);
        h.makeStruktur2(u"C:\\liste"_qs, false);
        s2.setSelectionMode(QAbstractItemView::ExtendedSelection);
        s2.selectAll();
        QElapsedTimer t;
        t.start();
        const bool ok = h.SkrivTekstfil(u"Film_afspilningsliste.html"_qs, 1);
        tid = t.nsecsElapsed() / 1e9;
        if (!ok)
            return 1;
        std::fprintf(stderr, "%d elementer\n", s2.topLevelItemCount());
    } else if (mode == u"tekst" && argc == 5) {
        const kv::Tekstsoeger soeger(QString::fromLocal8Bit(argv[3]), false, QByteArray(argv[4]) == "1");
        qsizetype fund = 0;
        // On a worker thread, as the text-search window runs it.
        kv::Baggrundsjob job(nullptr);
        tid = bedsteTid(5, [&] {
            fund = 0;
            bool faerdig = false;
            job.start(
                [&](kv::Baggrundsjob::Kontekst&) {
                    std::vector<kv::Fund> f;
                    for (const QString& navn : kv::dokumenterI(u"C:\\docs"_qs, QStringList{u"*.*"_qs}))
                        fund += soeger.soeg(u"C:\\docs\\"_qs + navn, f) ? qsizetype(f.size()) : 0;
                },
                [&](bool) { faerdig = true; });
            ventPaa([&] { return faerdig; });
        });
        std::fprintf(stderr, "%lld fund\n", qlonglong(fund));
    } else if (mode == u"bogmaerker") {
        // As "Importer" does it: on a worker thread, the file read, its bookmarks
        // found, and each group's file written.
        int runde = 0, antal = 0;
        kv::Baggrundsjob job(nullptr);
        tid = bedsteTid(5, [&] {
            const QString mappe = u"C:\\runde"_qs + QString::number(++runde);
            kv::createFolder(mappe);
            bool faerdig = false;
            job.start(
                [&, mappe](kv::Baggrundsjob::Kontekst&) {
                    kv::TWebGrupper web(mappe);
                    const auto indhold = kv::readRegularFile(u"C:\\bookmarks.html"_qs, kv::maxBogmaerkefil);
                    if (indhold)
                        web.importer(kv::laesBogmaerker(*indhold), &antal);
                },
                [&](bool) { faerdig = true; });
            ventPaa([&] { return faerdig; });
        });
        std::fprintf(stderr, "%d adresser\n", antal);
    } else if (mode == u"filtype" && argc == 4) {
        kv::THandlinger h(nullptr);
        h.FStruktur1 = &s1;
        h.FStruktur2 = &s2;
        h.FStruktur3 = &s3;
        QElapsedTimer t;
        t.start();
        const kv::ExtResultat r = h.RenameFilExt(u"C:\\"_qs + QString::fromLocal8Bit(argv[3]), u".htm"_qs, u".html"_qs,
                                                 [](qsizetype) { return true; });
        tid = t.nsecsElapsed() / 1e9;
        std::fprintf(stderr, "%d omdøbt, %d sprunget over, %d fejlet\n", r.omdoebt, r.forbigaaet, r.fejlet);
    } else if (mode == u"programliste") {
        // Loading the list with every picture drawn, as the program box shows them.
        int billeder = 0;
        tid = bedsteTid(5, [&] {
            kv::TMenuExeFiler liste(nullptr);
            liste.setItemfile(u"C:\\ProgItem.txt"_qs);
            liste.HentProgrammer();
            for (int i = 0; i < liste.Filantal(); ++i)
                billeder += !liste.ikon(i).pixmap(32).isNull();
        });
        std::fprintf(stderr, "%d billeder\n", billeder);
    } else if (mode == u"alarmer") {
        kv::TAlarmplan plan(u"C:\\Alarmer\\"_qs, u"C:\\Alarmtekster\\"_qs);
        tid = bedsteTid(5, [&] { plan.hentAlarmer(); });
        std::fprintf(stderr, "%d alarmer i dag\n", int(plan.alarm.size()));
    } else if (mode == u"notater") {
        kv::createFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        kv::Tmainform f;
        f.brugerNotatMappe = u"C:\\Notater"_qs;
        kv::Tkalenderform k(&f);
        qsizetype tegn = 0;
        tid = bedsteTid(3, [&] {
            for (QDate d(2025, 1, 1); d.year() == 2025; d = d.addDays(1)) {
                k.kalender->setSelectedDate(d);
                tegn += k.notatMemo->document()->characterCount();
            }
        });
        std::fprintf(stderr, "%lld tegn\n", qlonglong(tegn));
    } else if (mode == u"helligdage") {
        qsizetype tegn = 0;
        tid = bedsteTid(5, [&] {
            for (int aar = kv::TDatopanel::foersteAar; aar <= kv::TDatopanel::sidsteAar; ++aar)
                for (const QString& r : kv::helligdage(aar))
                    tegn += r.size();
        });
        std::fprintf(stderr, "%lld tegn\n", qlonglong(tegn));
    } else if (mode == u"noter") {
        kv::createFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        kv::Tmainform f;
        f.NotatMappe = u"C:\\Noter\\"_qs;
        tid = bedsteTid(5, [&] { f.notatpanel()->opdaterListe(); });
        std::fprintf(stderr, "%d noter\n", f.notatpanel()->notatBox->count());
    } else {
        return 2;
    }
    if (!svar.tekster.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(svar.tekster.join(u'\n')));
        return 1;
    }
    std::fprintf(stderr, "største pause i hændelsesløkken: %.1f ms\n", pause.stoersteMs());
    std::printf("%.4f\n", tid);
    return 0;
}

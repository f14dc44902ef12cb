// Alarms: the record and its two files, the page "Ny alarm" and the list,
// the scheduler under a clock the test moves, the alarm window, the WAV
// reader and playback through ALSA to a file.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "ui/Programfiler.h"
#include "app/Tmainform.h"
#include "calendar/TAlarmplan.h"
#include "calendar/TAlarmRecord.h"
#include "calendar/Talarmform.h"
#include "calendar/Tkalenderform.h"
#include "platform/AlsaLyd.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Ur.h"
#include "platform/Wav.h"
#include "ui/UpDown.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <ctime>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

namespace {

class TestUr : public Ur {
public:
    explicit TestUr(QDateTime* t) : m_t(t) {}
    QDateTime nu() const override { return *m_t; }

private:
    QDateTime* m_t;
};

// A sound plays until stop(), or until a test ends it by clearing spillerNu.
class TestLyd : public Lyd {
public:
    explicit TestLyd(QStringList* log) : m_log(log) {}
    bool spil(const QString& fil, int gange) override
    {
        *m_log << fil.section(u'\\', -1) + u" x"_qs + QString::number(gange);
        spillerNu = varer;
        return true;
    }
    void stop() override
    {
        *m_log << u"stop"_qs;
        spillerNu = false;
    }
    bool spiller() const override { return spillerNu; }
    bool varer = false;  // whether a sound started goes on playing
    bool spillerNu = false;

private:
    QStringList* m_log;
};

QDateTime kl(int y, int m, int d, int h, int mi, int s = 0) { return QDateTime(QDate(y, m, d), QTime(h, mi, s)); }

// A file that cannot be deleted while this lives: immutable for root, in a
// folder without write permission for anyone else.
class Fastlaast {
public:
    explicit Fastlaast(const QByteArray& fil) : m_fil(fil), m_mappe(fil.left(fil.lastIndexOf('/')))
    {
        if (::geteuid() != 0) {
            m_ok = ::chmod(m_mappe.constData(), 0555) == 0;
            return;
        }
        const int fd = ::open(fil.constData(), O_RDONLY | O_NONBLOCK);
        int flag = 0;
        m_ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flag) == 0
               && (flag |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flag) == 0);
        if (fd >= 0)
            ::close(fd);
    }
    ~Fastlaast()
    {
        if (::geteuid() != 0) {
            ::chmod(m_mappe.constData(), 0755);
            return;
        }
        const int fd = ::open(m_fil.constData(), O_RDONLY | O_NONBLOCK);
        int flag = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flag) == 0) {
            flag &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flag);
        }
        if (fd >= 0)
            ::close(fd);
    }
    bool ok() const { return m_ok; }

private:
    QByteArray m_fil, m_mappe;
    bool m_ok = false;
};

} // namespace

class TstAlarmer : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QDateTime tid;
    QStringList lyde;
    TestLyd* testLyd = nullptr;
    const QString dir = u"C:\\Alarmer\\"_qs, tekster = u"C:\\Alarmtekster\\"_qs;

    TAlarmRecord gem(int type, const QString& aar, int m, int d, int h, int mi, const QString& overskrift = {},
                     int gange = 1)
    {
        const AlarmIndtastning ind{type, aar, QString::number(m), QString::number(d), QString::number(h),
                                   QString::number(mi), QString::number(gange), overskrift, 3};
        const auto r = byggAlarm(ind, dir, tekster, tid);
        if (const auto* fejl = std::get_if<QString>(&r))
            qFatal("%s", qPrintable(*fejl));
        const TAlarmRecord a = std::get<TAlarmRecord>(r);
        if (!gemAlarmfiler(a, {overskrift + u" tekst"_qs}, nullptr))
            qFatal("ikke gemt");
        return a;
    }
    // What rings while the clock moves through the times, one tick at each.
    QStringList ring(TAlarmplan& plan, std::initializer_list<QDateTime> tider)
    {
        QStringList ringet;
        QObject forbindelse;
        connect(&plan, &TAlarmplan::ring, &forbindelse, [&](const TAlarmRecord& a, bool sent) {
            ringet << a.overskrift + (sent ? u" sent"_qs : QString());
        });
        for (const QDateTime& t : tider) {
            tid = t;
            plan.alarmTimerTimer();
        }
        return ringet;
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Copenhagen");
        tzset();
        Ur::install(std::make_unique<TestUr>(&tid));
        auto lyd = std::make_unique<TestLyd>(&lyde);
        testLyd = lyd.get();
        Lyd::install(std::move(lyd));
    }
    void init()
    {
        tp = &TestPlatform::install();
        tp->makeFolder(dir.chopped(1));
        tp->makeFolder(tekster.chopped(1));
        tid = kl(2025, 6, 10, 8, 0);
        lyde.clear();
        testLyd->varer = testLyd->spillerNu = false;
    }

    void recordOgFiler()
    {
        const TAlarmRecord daglig = gem(0, {}, 0, 0, 7, 5, u"Morgen"_qs);
        QCOMPARE(daglig.navn(), u"0000-00-00-07-05.txt"_qs);
        const auto linjer = readTextLines(dir + u"0000-00-00-07-05.txt"_qs);
        QCOMPARE(linjer->size(), 11);
        QCOMPARE(linjer->mid(0, 9), (QStringList{u"0000"_qs, u"00"_qs, u"00"_qs, u"07"_qs, u"05"_qs, u"0"_qs, u"3"_qs,
                                                 u"1"_qs, u"Morgen"_qs}));
        const TAlarmRecord dato = gem(1, u"2025"_qs, 7, 5, 8, 30, u"Tandlæge €"_qs);
        QCOMPARE(dato.navn(), u"2025-07-05-08-30.txt"_qs);
        // A heading outside Windows-1252 survives.
        const TAlarmRecord ude = gem(2, {}, 12, 24, 18, 0, u"Jul ☃ 圣诞"_qs);
        QCOMPARE(ude.navn(), u"3016-12-24-18-00.txt"_qs);
        // Stray and broken files are passed over; the paths are the pair's own.
        tp->makeFile(dir + u"noter.txt"_qs, "x");
        tp->makeFile(dir + u"2025-01-01-00-00.txt"_qs, "2025\r\n01\r\n");
        writeTextLines(dir + u"1111-11-11-11-11.txt"_qs, {u"1111"_qs, u"11"_qs, u"11"_qs, u"11"_qs, u"11"_qs, u"1"_qs,
                                                          u"0"_qs, u"1"_qs, u"Flyttet"_qs, u"C:\\andet"_qs, u"C:\\andet2"_qs});
        const auto alle = hentAlleAlarmer(dir, tekster);
        QStringList overskrifter;
        for (const auto& a : alle)
            overskrifter << a.overskrift;
        QCOMPARE(overskrifter, (QStringList{u"Morgen"_qs, u"Flyttet"_qs, u"Tandlæge €"_qs, u"Jul ☃ 圣诞"_qs}));
        QCOMPARE(alle[1].filnavn, dir + u"1111-11-11-11-11.txt"_qs);
        QCOMPARE(alle[1].tekstfilnavn, tekster + u"1111-11-11-11-11.txt"_qs);
        // A heading is cut to 36 characters when read.
        writeTextLines(dir + u"0000-00-00-09-00.txt"_qs, {u"0000"_qs, u"00"_qs, u"00"_qs, u"09"_qs, u"00"_qs, u"0"_qs,
                                                          u"0"_qs, u"1"_qs, QString(50, u'h'), {}, {}});
        QCOMPARE(laesAlarmfil(dir + u"0000-00-00-09-00.txt"_qs)->overskrift.size(), 36);
        // Numbers out of their ranges are held to them.
        writeTextLines(dir + u"0000-00-00-09-01.txt"_qs, {u"-5"_qs, u"13"_qs, u"40"_qs, u"24"_qs, u"-1"_qs, u"7"_qs,
                                                          u"2"_qs, u"-1"_qs, u"x"_qs, {}, {}});
        const auto skaev = laesAlarmfil(dir + u"0000-00-00-09-01.txt"_qs);
        QCOMPARE((std::array<int, 7>{skaev->aar, skaev->maaned, skaev->dag, skaev->time, skaev->minut,
                                     skaev->alarmtype, skaev->gentagelse}),
                 (std::array<int, 7>{0, 12, 31, 23, 0, 2, 1}));
        writeTextLines(dir + u"0000-00-00-09-01.txt"_qs, {u"0"_qs, u"0"_qs, u"0"_qs, u"9"_qs, u"1"_qs, u"0"_qs,
                                                          u"2"_qs, u"300"_qs, u"x"_qs, {}, {}});
        QCOMPARE(laesAlarmfil(dir + u"0000-00-00-09-01.txt"_qs)->gentagelse, 16);
    }

    void forkerteVaerdier()
    {
        const auto besked = [&](int type, const QString& aar, const QString& m, const QString& d, const QString& h,
                                const QString& mi, const QString& g) {
            const auto r = byggAlarm({type, aar, m, d, h, mi, g, {}, 0}, dir, tekster, tid);
            const auto* b = std::get_if<QString>(&r);
            return b ? *b : QString();
        };
        QCOMPARE(besked(1, u"201"_qs, u"3"_qs, u"5"_qs, u"9"_qs, u"0"_qs, u"1"_qs), u"År er forkert.\rDer skal anføres 4 cifre."_qs);
        QCOMPARE(besked(1, u"2025"_qs, u"13"_qs, u"5"_qs, u"9"_qs, u"0"_qs, u"1"_qs),
                 u"Måned er forkert.\rVærdien skal være mellem 1 og 12 begge medregnet."_qs);
        QCOMPARE(besked(2, u""_qs, u"3"_qs, u"0"_qs, u"9"_qs, u"0"_qs, u"1"_qs),
                 u"Dag er forkert.\rVærdien skal være mellem 1 og 31 begge medregnet."_qs);
        QCOMPARE(besked(0, {}, {}, {}, u"24"_qs, u"0"_qs, u"1"_qs),
                 u"Time er forkert.\rVærdien skal være mellem 0 og 23 begge medregnet.\rMidnat hører til den nye dag, altså \rTime: 0 Minut: 0"_qs);
        QCOMPARE(besked(0, {}, {}, {}, u"9"_qs, u"60"_qs, u"1"_qs),
                 u"Minut er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet."_qs);
        for (const QString& g : {u"17"_qs, u"0"_qs})
            QCOMPARE(besked(0, {}, {}, {}, u"9"_qs, u"0"_qs, g),
                     u"Gentagelse er forkert.\rVærdien skal være mellem 1 og 16 begge medregnet."_qs);
        QCOMPARE(besked(1, u"2026"_qs, u"2"_qs, u"31"_qs, u"9"_qs, u"0"_qs, u"1"_qs),
                 u"Dato er forkert.\rDagen findes ikke i den valgte måned."_qs);
        QCOMPARE(besked(2, {}, u"2"_qs, u"29"_qs, u"9"_qs, u"0"_qs, u"1"_qs), QString());
        QCOMPARE(besked(1, u"2025"_qs, u"6"_qs, u"10"_qs, u"7"_qs, u"59"_qs, u"1"_qs),
                 u"Dato er forkert.\rTidspunktet er allerede passeret."_qs);
        QCOMPARE(besked(1, u"2025"_qs, u"6"_qs, u"10"_qs, u"8"_qs, u"0"_qs, u"1"_qs), QString());
        QVERIFY(besked(0, {}, {}, {}, u""_qs, u"0"_qs, u"1"_qs).contains(u"heltal"_qs));
    }

    // The editor and the list in the calendar window, with the question answered both ways.
    void sidenNyAlarm()
    {
        tp->installStartFiles();
        Tmainform f;
        f.alarmDir = dir, f.alarmTekster = tekster;
        Tkalenderform k(&f);
        k.alarmtypeValg->button(1)->click();
        k.EditYear->setText(u"2025"_qs), k.EditMonth->setText(u"7"_qs), k.EditDay->setText(u"5"_qs);
        k.EditTime->setText(u"8"_qs), k.EditMinut->setText(u"30"_qs);
        {
            kvtest::DialogSvarer svar;
            QVERIFY(k.gemAlarm());
            QVERIFY(svar.tekster.isEmpty());
        }
        const QString navn = u"2025-07-05-08-30.txt"_qs;
        QCOMPARE(*readTextLines(tekster + navn), QStringList{u"Ingen tekst."_qs});
        QCOMPARE(readTextLines(dir + navn)->at(8), u"Ingen overskrift"_qs);
        k.EditOverskrift->setText(u"Ny"_qs);
        for (bool ja : {false, true}) {
            kvtest::DialogSvarer svar(ja);
            QCOMPARE(k.gemAlarm(), ja);
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].contains(u"..Alarmer/"_qs + navn));
            QCOMPARE(readTextLines(dir + navn)->at(8), ja ? u"Ny"_qs : u"Ingen overskrift"_qs);
        }
        // A daily alarm shows the zero date after saving.
        k.sbNyAlarmClick();
        k.alarmtypeValg->button(0)->click();
        k.EditTime->setText(u"7"_qs), k.EditMinut->setText(u"5"_qs);
        QVERIFY(k.gemAlarm());
        QCOMPARE(k.EditYear->text() + k.EditMonth->text() + k.EditDay->text(), u"00000000"_qs);

        k.sbUdskrivAlleClick();
        QCOMPARE(k.alarmBox->topLevelItemCount(), 2);
        QCOMPARE(k.alarmBox->topLevelItem(0)->text(1), u"Daglig"_qs);
        QCOMPARE(k.alarmBox->topLevelItem(1)->text(1), u"05-07-2025"_qs);
        // Editing the time leaves a new pair; the old one goes only when the user says so.
        k.alarmBox->setCurrentItem(k.alarmBox->topLevelItem(1));
        k.sbRedigerValgteClick();
        QCOMPARE(k.EditOverskrift->text(), u"Ny"_qs);
        k.EditMinut->setText(u"45"_qs);
        {
            kvtest::DialogSvarer svar(true);
            QVERIFY(k.gemAlarm());
            QCOMPARE(svar.tekster.size(), 1);
        }
        QVERIFY(!fileExists(dir + navn) && !fileExists(tekster + navn));
        QVERIFY(fileExists(dir + u"2025-07-05-08-45.txt"_qs));
        // Delete asks; "Nej" keeps the files.
        k.sbUdskrivAlleClick();
        k.alarmBox->setCurrentItem(k.alarmBox->topLevelItem(1));
        for (bool ja : {false, true}) {
            kvtest::DialogSvarer svar(ja);
            k.sbSletValgteClick();
            QCOMPARE(fileExists(dir + u"2025-07-05-08-45.txt"_qs), !ja);
        }
        QCOMPARE(k.alarmBox->topLevelItemCount(), 1);
        // An alarm whose text is gone cannot be edited.
        removeFile(tekster + u"0000-00-00-07-05.txt"_qs);
        k.alarmBox->setCurrentItem(k.alarmBox->topLevelItem(0));
        kvtest::DialogSvarer svar;
        k.sbRedigerValgteClick();
        QCOMPARE(svar.tekster, QStringList{u"Der mangler en eller flere filer.\nSlet alarmen og opret en ny."_qs});
    }

    // A text folder that cannot be written leaves no record behind.
    void skrivefejl()
    {
        // A file where the folder should be fails even for root.
        QDir(tp->host(tekster.chopped(1))).removeRecursively();
        tp->makeFile(tekster.chopped(1));
        const auto r = byggAlarm({0, {}, {}, {}, u"9"_qs, u"0"_qs, u"1"_qs, {}, 0}, dir, tekster, tid);
        QString fejl;
        QVERIFY(!gemAlarmfiler(std::get<TAlarmRecord>(r), {u"x"_qs}, &fejl));
        QVERIFY(!fejl.isEmpty());
        QVERIFY(listFolder(dir.chopped(1))->empty());
    }

    void planlaegning()
    {
        tid = kl(2025, 6, 10, 8, 0);
        gem(0, {}, 0, 0, 8, 30, u"Halv ni"_qs);
        gem(0, {}, 0, 0, 8, 30, u"Halv ni"_qs);  // the same minute replaces
        gem(2, {}, 6, 10, 8, 30, u"Årlig"_qs);
        gem(1, u"2026"_qs, 6, 10, 9, 0, u"Næste år"_qs);
        gem(1, u"2025"_qs, 6, 10, 9, 0, u"Engang"_qs, 3);
        gem(0, {}, 0, 0, 7, 59, u"Forbi"_qs);  // saved before 8:00 in a real run
        TAlarmplan plan(dir, tekster);
        tid = kl(2025, 6, 10, 8, 29, 59);
        plan.hentAlarmer();
        QCOMPARE(plan.alarm.size(), size_t(3));
        QVERIFY(plan.alarmTimer->isActive());
        // Two in one minute ring a tick apart; nothing rings twice.
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 8, 29, 59), kl(2025, 6, 10, 8, 30, 0), kl(2025, 6, 10, 8, 30, 1)}),
                 (QStringList{u"Halv ni"_qs, u"Årlig"_qs}));
        plan.hentAlarmer();  // a save in the same minute
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 8, 30, 30)}), QStringList());
        // A jump past the minute rings it late, once.
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 9, 5), kl(2025, 6, 10, 9, 5, 1)}), QStringList{u"Engang sent"_qs});
        QCOMPARE(plan.alarm.size(), size_t(0));
        // At midnight the next day's alarms come; next year's date alarm waits for its year.
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 23, 59, 59), kl(2025, 6, 11, 0, 0, 0)}), QStringList());
        QCOMPARE(plan.alarm.size(), size_t(2));
        QCOMPARE(ring(plan, {kl(2025, 6, 11, 7, 59, 30), kl(2025, 6, 11, 8, 30, 5)}),
                 (QStringList{u"Forbi"_qs, u"Halv ni"_qs}));
    }

    void sommertid()
    {
        gem(0, {}, 0, 0, 2, 30, u"Nat"_qs);
        TAlarmplan plan(dir, tekster);
        // 30 March 2025: 02:00 becomes 03:00; the alarm in the missing hour rings late.
        tid = QDateTime::fromSecsSinceEpoch(kl(2025, 3, 30, 1, 59, 59).toSecsSinceEpoch());
        plan.hentAlarmer();
        const QDateTime efter = tid.addSecs(1);
        QCOMPARE(efter.time(), QTime(3, 0));
        QCOMPARE(ring(plan, {efter}), QStringList{u"Nat sent"_qs});
        // 26 October 2025: 02:30 comes twice, the alarm rings once.
        tid = kl(2025, 10, 26, 1, 0);
        plan.hentAlarmer();
        const QDateTime foerste = kl(2025, 10, 26, 2, 30);
        QCOMPARE(ring(plan, {foerste, foerste.addSecs(3600), foerste.addSecs(3601)}), QStringList{u"Nat"_qs});
        QCOMPARE(foerste.addSecs(3600).time(), QTime(2, 30));
    }

    // The window shows the text, plays the sound the set times, and a one-time alarm goes.
    void alarmvinduet()
    {
        tid = kl(2025, 6, 10, 8, 0);
        const TAlarmRecord a = gem(1, u"2025"_qs, 6, 10, 9, 0, u"Engang"_qs, 3);
        Talarmform w(u"C:\\Lyde\\"_qs);
        w.playAlarm(a, false);
        QCOMPARE(w.windowTitle(), u"Engang"_qs);
        QCOMPARE(w.alarmMemo->toPlainText(), u"Engang tekst"_qs);
        QCOMPARE(lyde, QStringList{u"Melodi.wav x3"_qs});
        QVERIFY(!fileExists(a.filnavn) && !fileExists(a.tekstfilnavn));
        w.ButtonLuk->click();
        QCOMPARE(lyde.last(), u"stop"_qs);
        QCOMPARE(w.windowTitle(), u"Alarm"_qs);
        // A missing text: the heading with a note, and the sound still plays.
        const TAlarmRecord b = gem(0, {}, 0, 0, 9, 0, u"Uden tekst"_qs, 2);
        removeFile(b.tekstfilnavn);
        lyde.clear();
        w.playAlarm(b, true);
        QCOMPARE(w.windowTitle(), u"Uden tekst"_qs);
        QVERIFY(w.alarmMemo->toPlainText().contains(u"ikke fundet"_qs));
        QVERIFY(w.alarmMemo->toPlainText().contains(u"Forsinket"_qs));
        QCOMPARE(lyde, QStringList{u"Melodi.wav x2"_qs});
        QVERIFY(fileExists(b.filnavn));
        w.close();
    }

    // Esc stops the sound as "Luk" does; alarms ringing together each get a
    // window, and the sound of one waits for the other's instead of cutting it.
    void samtidigeAlarmer()
    {
        testLyd->varer = true;
        tid = kl(2025, 6, 10, 8, 0);
        const TAlarmRecord a = gem(0, {}, 0, 0, 9, 0, u"Første"_qs, 2);
        Talarmform w(u"C:\\Lyde\\"_qs);
        w.playAlarm(a, false);
        QVERIFY(testLyd->spiller());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(!testLyd->spiller());
        QCOMPARE(lyde, (QStringList{u"Melodi.wav x2"_qs, u"stop"_qs}));
        QCOMPARE(w.windowTitle(), u"Alarm"_qs);

        gem(0, {}, 0, 0, 9, 0, u"Anden"_qs, 1);  // the same minute: the list keeps one file a name
        gem(0, {}, 0, 0, 9, 1, u"Tredje"_qs, 1);
        tp->installStartFiles();
        Tmainform f;
        f.alarmDir = dir;
        f.alarmTekster = tekster;
        f.hentAlarmer();
        lyde.clear();
        tid = kl(2025, 6, 10, 9, 1, 5);
        f.alarmplan->alarmTimerTimer();
        f.alarmplan->alarmTimerTimer();
        const QList<Talarmform*> vinduer = f.findChildren<Talarmform*>();
        QCOMPARE(vinduer.size(), 2);
        QStringList titler;
        for (Talarmform* v : vinduer)
            titler << v->windowTitle();
        QCOMPARE(titler, (QStringList{u"Anden"_qs, u"Tredje"_qs}));
        QVERIFY(vinduer[0]->isVisible() && vinduer[1]->isVisible());
        QCOMPARE(lyde, QStringList{u"Melodi.wav x1"_qs});  // the second waits
        // The first ends by itself: the second plays.
        testLyd->spillerNu = false;
        QTRY_COMPARE(lyde.size(), 2);
        // Closing the first window now leaves the second's sound alone; closing the second stops it.
        vinduer[0]->ButtonLuk->click();
        QCOMPARE(lyde.size(), 2);
        QPointer<Talarmform> anden = vinduer[1];
        QTest::keyClick(anden, Qt::Key_Escape);
        QCOMPARE(lyde.last(), u"stop"_qs);
        QTRY_VERIFY(!anden);  // an extra window goes when closed
        QVERIFY(f.alarmform && !f.alarmform->isVisible());
    }

    // "Udsæt 5 min" rings the alarm again five minutes on, with its text, though a one-time alarm's files are gone.
    void udsaet()
    {
        tid = kl(2025, 6, 10, 8, 0);
        gem(1, u"2025"_qs, 6, 10, 9, 0, u"Møde"_qs);
        TAlarmplan plan(dir, tekster);
        Talarmform w(u"C:\\Lyde\\"_qs);
        connect(&plan, &TAlarmplan::ring, &w, &Talarmform::playAlarm);
        connect(&w, &Talarmform::udsaet, &plan, &TAlarmplan::udsaet);
        plan.hentAlarmer();
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 9, 0, 1)}), QStringList{u"Møde"_qs});
        QVERIFY(!fileExists(dir + u"2025-06-10-09-00.txt"_qs));
        tid = kl(2025, 6, 10, 9, 0, 20);
        w.ButtonUdsaet->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 9, 4, 59)}), QStringList());
        plan.hentAlarmer();  // a save meanwhile keeps the snooze
        QCOMPARE(ring(plan, {kl(2025, 6, 10, 9, 5, 0), kl(2025, 6, 10, 9, 5, 1)}), QStringList{u"Møde"_qs});
        QCOMPARE(w.alarmMemo->toPlainText(), u"Møde tekst"_qs);
        QVERIFY(plan.alarm.empty());
        w.close();
    }

    // A one-time alarm in the year that marks yearly alarms would share their file names.
    void datoalarmIFjerntAar()
    {
        const auto besked = [&](int type, const QString& aar) {
            const auto r = byggAlarm({type, aar, u"12"_qs, u"24"_qs, u"18"_qs, u"0"_qs, u"1"_qs, {}, 0}, dir, tekster, tid);
            const auto* b = std::get_if<QString>(&r);
            return b ? *b : std::get<TAlarmRecord>(r).navn();
        };
        QCOMPARE(besked(1, u"3016"_qs), u"År er forkert.\rEn alarm på en dato skal ligge før år 3016."_qs);
        QCOMPARE(besked(1, u"9999"_qs), besked(1, u"3016"_qs));
        QCOMPARE(besked(1, u"3015"_qs), u"3015-12-24-18-00.txt"_qs);
        QCOMPARE(besked(2, {}), u"3016-12-24-18-00.txt"_qs);
    }

    // The editor's up-down control steps "Gentagelse" within 1 to 16, and a
    // step is a change that can be saved.
    void gentagelseOpNed()
    {
        tp->installStartFiles();
        Tmainform f;
        Tkalenderform k(&f);
        auto* updown = k.findChild<UpDown*>(u"UpDown"_qs);
        QVERIFY(updown);
        auto* op = updown->findChild<QToolButton*>(u"op"_qs);
        auto* ned = updown->findChild<QToolButton*>(u"ned"_qs);
        QCOMPARE(k.EditGentagelse->text(), u"1"_qs);
        QVERIFY(!k.sbGemAlarm->isEnabled());
        ned->click();
        QCOMPARE(k.EditGentagelse->text(), u"1"_qs);
        QVERIFY(!k.sbGemAlarm->isEnabled());
        op->click();
        op->click();
        QCOMPARE(k.EditGentagelse->text(), u"3"_qs);
        QVERIFY(k.sbGemAlarm->isEnabled());
        k.EditGentagelse->setText(u"16"_qs);
        op->click();
        QCOMPARE(k.EditGentagelse->text(), u"16"_qs);
        QTest::keyClick(k.EditGentagelse, Qt::Key_Down);
        QCOMPARE(k.EditGentagelse->text(), u"15"_qs);
        k.EditGentagelse->clear();
        QTest::keyClick(k.EditGentagelse, Qt::Key_Up);
        QCOMPARE(k.EditGentagelse->text(), u"1"_qs);
    }

    // "Test alarmen" plays nothing while an alarm rings, and its own sound gives way to a new test.
    void testLydMensAlarmRinger()
    {
        tp->installStartFiles();
        testLyd->varer = true;
        Tmainform f;
        Tkalenderform k(&f);
        k.cbLydfiler->setCurrentIndex(1);
        Talarmform w(u"C:\\Lyde\\"_qs);
        w.playAlarm(gem(0, {}, 0, 0, 9, 0, u"Ringer"_qs, 4), false);
        k.sbSide4Play->click();
        QCOMPARE(lyde, QStringList{u"Melodi.wav x4"_qs});
        QVERIFY(testLyd->spiller());
        // The alarm's sound ends: the test plays, and again from the start when pressed again.
        testLyd->spillerNu = false;
        k.sbSide4Play->click();
        k.sbSide4Play->click();
        QCOMPARE(lyde, (QStringList{u"Melodi.wav x4"_qs, u"DingDong.wav x1"_qs, u"stop"_qs, u"DingDong.wav x1"_qs}));
        w.close();
    }

    // A file that cannot be deleted is said, from the list and after a one-time alarm has rung.
    void sletningDerFejler()
    {
        tp->installStartFiles();
        Tmainform f;
        f.alarmDir = dir, f.alarmTekster = tekster;
        Tkalenderform k(&f);
        const TAlarmRecord a = gem(0, {}, 0, 0, 9, 0, u"Fast"_qs);
        {
            Fastlaast laas(tp->hostBytes(a.filnavn));
            if (!laas.ok())
                QSKIP("A file here cannot be made undeletable");
            k.sbUdskrivAlleClick();
            k.alarmBox->setCurrentItem(k.alarmBox->topLevelItem(0));
            kvtest::DialogSvarer svar(true);
            k.sbSletValgteClick();
            QCOMPARE(svar.tekster.size(), 2);
            QVERIFY(svar.tekster[1].contains(u"0000-00-00-09-00.txt"_qs));
            // The text went first and stays gone; the list shows what is left.
            QVERIFY(!fileExists(a.tekstfilnavn));
            QCOMPARE(k.alarmBox->topLevelItemCount(), 1);
        }
        const TAlarmRecord b = gem(1, u"2025"_qs, 6, 10, 9, 0, u"Engang"_qs);
        Fastlaast laas(tp->hostBytes(b.filnavn));
        QStringList beskeder;
        Talarmform w(u"C:\\Lyde\\"_qs);
        connect(&w, &Talarmform::besked, this, [&](const QString& t) { beskeder << t; });
        w.playAlarm(b, false);
        QVERIFY(w.alarmMemo->toPlainText().contains(u"Alarmens filer kunne ikke slettes"_qs));
        QCOMPARE(beskeder, QStringList{u"Alarmens filer kunne ikke slettes"_qs});
        QVERIFY(fileExists(b.filnavn));
        w.close();
    }

    // The list "Aktive alarmer" follows the pending alarms: a save later today, and a ring.
    void aktiveAlarmerFoelgerMed()
    {
        tp->installStartFiles();
        tid = kl(2025, 6, 10, 8, 0);
        Tmainform f;
        f.alarmDir = dir, f.alarmTekster = tekster;
        f.hentAlarmer();
        Tkalenderform k(&f);
        QCOMPARE(k.LabelOverskrift->text(), u"Aktive alarmer"_qs);
        QCOMPARE(k.alarmBox->topLevelItemCount(), 0);
        k.alarmtypeValg->button(0)->click();
        k.EditTime->setText(u"9"_qs), k.EditMinut->setText(u"15"_qs);
        k.EditOverskrift->setText(u"Senere i dag"_qs);
        k.sbGemAlarmClick();
        QCOMPARE(k.alarmBox->topLevelItemCount(), 1);
        QCOMPARE(k.alarmBox->topLevelItem(0)->text(3), u"Senere i dag"_qs);
        // "Vis alle" is left alone by a change of the pending list.
        k.sbUdskrivAlleClick();
        f.hentAlarmer();
        QCOMPARE(k.LabelOverskrift->text(), u"Alle alarmer"_qs);
        k.sbUdskrivAktiveClick();
        tid = kl(2025, 6, 10, 9, 15, 1);
        f.alarmplan->alarmTimerTimer();
        QCOMPARE(k.alarmBox->topLevelItemCount(), 0);
        for (Talarmform* w : f.findChildren<Talarmform*>())
            w->close();
    }

    void wavOgAfspilning()
    {
        const QString lydDir = QStringLiteral(KV_LYD_DIR);
        qsizetype data = 0;
        for (const QString& navn : programfiler::alarmlyde) {
            QFile fil(lydDir + u'/' + navn + u".wav"_qs);
            QVERIFY2(fil.open(QIODevice::ReadOnly), qPrintable(navn));
            const auto wav = laesWav(fil.readAll());
            QVERIFY2(wav && !wav->data.isEmpty(), qPrintable(navn));
            if (navn == u"DingDong"_qs)
                data = wav->data.size();
        }
        QVERIFY(!laesWav("RIFF\0\0\0\0WAVE"));
        QVERIFY(!laesWav(QByteArray("RIFF\x10\0\0\0WAVEfmt \x02\0\0\0xx", 22)));
        // An odd chunk before the data, and a data chunk cut short.
        QByteArray w("RIFF\0\0\0\0WAVE", 12);
        const auto le = [](quint32 v, int n) { return QByteArray(reinterpret_cast<const char*>(&v), n); };
        w += "junk" + le(3, 4) + "abc" + '\0';
        w += "fmt " + le(16, 4) + le(1, 2) + le(2, 2) + le(8000, 4) + le(32000, 4) + le(4, 2) + le(16, 2);
        w += "data" + le(1000, 4) + QByteArray(10, 'x');
        const auto kort = laesWav(w);
        QVERIFY(kort);
        QCOMPARE(kort->kanaler, 2);
        QCOMPARE(kort->data.size(), 8);

        // To ALSA's file device: the data chunk times the repetitions.
        QTemporaryDir tmp;
        auto* hjem = &TestPlatform::install();
        const QString lyd = hjem->makeFolder(u"C:\\Lyd"_qs);
        QFile::copy(lydDir + u"/DingDong.wav"_qs, hjem->host(lyd) + u"/DingDong.wav"_qs);
        const QString ud = tmp.path() + u"/ud.raw"_qs;
        {
            AlsaLyd alsa(u"file:'"_qs + ud + u"',raw"_qs);
            QVERIFY(alsa.spil(lyd + u"\\DingDong.wav"_qs, 3));
            alsa.vent();
        }
        QCOMPARE(QFileInfo(ud).size(), 3 * data);
        {
            AlsaLyd alsa(u"file:'"_qs + ud + u"',raw"_qs);
            QVERIFY(alsa.spil(lyd + u"\\DingDong.wav"_qs, 16));
            alsa.stop();
            QVERIFY(!alsa.spiller());
        }
        QVERIFY(QFileInfo(ud).size() < 16 * data);
        AlsaLyd null(u"null"_qs);
        QVERIFY(null.spil(lyd + u"\\mangler.wav"_qs, 1));  // the built-in tone
        null.vent();
        AlsaLyd ingen(u"hw:99"_qs);
        QVERIFY(!ingen.spil(lyd + u"\\DingDong.wav"_qs, 1));
    }
};

KV_TEST_MAIN(TstAlarmer)
#include "tst_alarmer.moc"

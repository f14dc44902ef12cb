// The date page (holidays, year steps, the date line and its clock) and the
// date difference of the calendar window with the installed script.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/Tmainform.h"
#include "calendar/Helligdage.h"
#include "calendar/TDatopanel.h"
#include "calendar/Tkalenderform.h"
#include "platform/DesktopSkal.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Ur.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace kv;
using kvtest::TestPlatform;

namespace {

QDateTime testNu(QDate(2025, 12, 7), QTime(23, 59, 58));

class TestUr : public Ur {
public:
    QDateTime nu() const override { return testNu; }
};

// Easter Sunday by the Meeus/Jones/Butcher method, to check ours against.
QDate paaskeMJB(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    return QDate(y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1);
}

QStringList tekster(const TDatopanel& p)
{
    QStringList r;
    for (QLabel* l : p.hdLabel)
        r << l->text();
    return r;
}

} // namespace

class TstDatoer : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    TDatopanel& panel() { return *f->datopanel(); }
    void visAar(int aar)
    {
        panel().yearEdit->setText(QString::number(aar));
        panel().hdButton->click();
    }

private slots:
    void initTestCase() { Ur::install(std::make_unique<TestUr>()); }
    void init()
    {
        testNu = QDateTime(QDate(2025, 12, 7), QTime(23, 59, 58));
        tp = &TestPlatform::install();
        tp->installStartFiles();
        f = std::make_unique<Tmainform>();
    }
    void cleanup()
    {
        f.reset();
        kvtest::FakeSkal::install();
    }

    void paaskeOgRaekker()
    {
        const std::pair<int, QDate> kendte[] = {{2024, {2024, 3, 31}}, {1981, {1981, 4, 19}}, {1954, {1954, 4, 18}},
                                                {2285, {2285, 3, 22}}, {2038, {2038, 4, 25}}};
        for (const auto& [aar, dato] : kendte) {
            QCOMPARE(paaskedag(aar), dato);
            QCOMPARE(paaskeMJB(aar), dato);
        }
        for (int aar = TDatopanel::foersteAar; aar <= TDatopanel::sidsteAar; ++aar)
            QCOMPARE(paaskedag(aar), paaskeMJB(aar));

        // Before "Helligdage" only the fixed days are known.
        QCOMPARE(tekster(panel()).mid(0, 2), (QStringList{u"01. Januar"_qs, u"?"_qs}));
        QCOMPARE(panel().hdLabel[11]->text(), u"26. December"_qs);
        visAar(2024);
        QCOMPARE(tekster(panel()),
                 (QStringList{u"01. Januar - Mandag "_qs, u"28. Marts - Torsdag "_qs, u"29. Marts - Fredag "_qs,
                              u"31.  Marts - Søndag "_qs, u"1.  April - Mandag "_qs, u"26.  April - Fredag "_qs,
                              u"9.  Maj - Torsdag "_qs, u"19.  Maj - Søndag "_qs, u"20.  Maj - Mandag "_qs,
                              u"24. December - Tirsdag "_qs, u"25. December - Onsdag "_qs, u"26. December - Torsdag "_qs}));
        QCOMPARE(panel().hdNavne[6]->text(), u"Kristi himmelfartsdag: "_qs);
        QCOMPARE(f->bogTekstLabel->text(), u"Datoer: 2024"_qs);
        visAar(2018);
        QCOMPARE(panel().hdLabel[1]->text(), u"29. Marts - Torsdag "_qs);
        QCOMPARE(panel().hdLabel[4]->text(), u"2.  April - Mandag "_qs);
        visAar(2008);
        QCOMPARE(panel().hdLabel[6]->text(), u"1.  Maj - Torsdag "_qs);
        QCOMPARE(panel().hdLabel[7]->text(), u"11.  Maj - Søndag "_qs);
    }

    void aarOgGraenser()
    {
        TDatopanel& p = panel();
        QCOMPARE(p.yearEdit->text(), u"2025"_qs);
        QVERIFY(!p.yearNuButton->isEnabled());
        p.hdButton->click();
        p.yearFremButton10->click();
        p.yearFremButton10->click();
        QCOMPARE(p.yearEdit->text(), u"2045"_qs);
        QVERIFY(p.yearNuButton->isEnabled());
        // The rows keep the year last computed.
        QCOMPARE(p.hdLabel[3]->text(), u"20.  April - Søndag "_qs);
        p.yearNuButton->click();
        QCOMPARE(p.yearEdit->text(), u"2025"_qs);
        QVERIFY(!p.yearNuButton->isEnabled());

        // Down to the first year: a step past it is not offered, and does nothing.
        p.yearEdit->setText(u"1590"_qs);
        p.yearTilbageButton->click();
        QCOMPARE(p.yearEdit->text(), u"1589"_qs);
        QVERIFY(!p.yearTilbageButton10->isEnabled());
        p.flytAar(-10);
        QCOMPARE(p.yearEdit->text(), u"1589"_qs);
        for (int i = 0; i < 6; ++i)
            p.yearTilbageButton->click();
        QCOMPARE(p.yearEdit->text(), u"1583"_qs);
        QVERIFY(!p.yearTilbageButton->isEnabled());
        QVERIFY(p.yearFremButton10->isEnabled());
        p.yearEdit->setText(u"9995"_qs);
        p.flytAar(1);
        QVERIFY(!p.yearFremButton10->isEnabled());
        p.flytAar(10);
        QCOMPARE(p.yearEdit->text(), u"9996"_qs);
        for (int i = 0; i < 5; ++i)
            p.flytAar(1);
        QCOMPARE(p.yearEdit->text(), u"9999"_qs);
        QVERIFY(!p.yearFremButton->isEnabled());
        p.hdButton->click();
        QCOMPARE(p.hdLabel[0]->text(), u"01. Januar - Fredag "_qs);
    }

    void storeBededag()
    {
        visAar(2023);
        QVERIFY(panel().hdLabel[5]->isEnabled());
        QCOMPARE(panel().hdLabel[5]->text(), u"5.  Maj - Fredag "_qs);
        visAar(2024);
        for (QLabel* l : {panel().hdNavne[5], panel().hdLabel[5]}) {
            QVERIFY(!l->isEnabled());
            QCOMPARE(l->toolTip(), u"Ikke helligdag fra 2024"_qs);
        }
        QCOMPARE(panel().hdLabel[5]->text(), u"26.  April - Fredag "_qs);
        visAar(2023);
        QVERIFY(panel().hdNavne[5]->isEnabled());
        QVERIFY(panel().hdLabel[5]->toolTip().isEmpty());
    }

    void datolinjeOgMidnat()
    {
        TDatopanel& p = panel();
        f->Bog->setCurrentIndex(6);
        QCOMPARE(f->bogTekstLabel->text(), u"Datoer"_qs);
        QVERIFY(p.TimerKlokken->isActive());
        QCOMPARE(p.datoLabel->text(), u"Søndag 07. December 2025"_qs);
        QCOMPARE(p.klokkenLabel->text(), u"23:59:58"_qs);
        testNu = QDateTime(QDate(2025, 12, 8), QTime(0, 0, 1));
        p.TimerKlokkenTimer();
        QCOMPARE(p.datoLabel->text(), u"Mandag 08. December 2025"_qs);
        QCOMPARE(p.klokkenLabel->text(), u"00:00:01"_qs);
        f->Bog->setCurrentIndex(7);
        QVERIFY(!p.TimerKlokken->isActive());
        QCOMPARE(f->bogTekstLabel->text(), u"Noter"_qs);
        // The heading keeps the year last computed.
        visAar(2030);
        f->Bog->setCurrentIndex(0);
        f->Bog->setCurrentIndex(6);
        QCOMPARE(f->bogTekstLabel->text(), u"Datoer: 2030"_qs);
    }

    void scriptetsForskelle()
    {
        // The installed script itself, run as the program runs it.
        const QString script = QStringLiteral(KV_SOURCE_DIR) + u"/program/scripts/datediff.vbs"_qs;
        QTemporaryDir dir;
        const QString ud = dir.path() + u"/datediff.txt"_qs;
        const auto koer = [&](const QString& a, const QString& b) {
            QFile::remove(ud);
            QProcess::execute(u"/bin/sh"_qs, {script, ud, a, b});
            QFile fil(ud);
            return fil.open(QIODevice::ReadOnly) ? QString::fromLatin1(fil.readAll()) : QString();
        };
        QCOMPARE(koer(u"1-1-2021"_qs, u"2-2-2023"_qs), u"2\r\n1\r\n1\r\n762\r\n"_qs);
        // Reversed dates give the same difference.
        QCOMPARE(koer(u"2-2-2023"_qs, u"1-1-2021"_qs), u"2\r\n1\r\n1\r\n762\r\n"_qs);
        // Across the spring and autumn change of clocks: whole days.
        QCOMPARE(koer(u"29-3-2025"_qs, u"31-3-2025"_qs), u"0\r\n0\r\n2\r\n2\r\n"_qs);
        QCOMPARE(koer(u"25-10-2025"_qs, u"27-10-2025"_qs), u"0\r\n0\r\n2\r\n2\r\n"_qs);
        QCOMPARE(koer(u"01-01-2025"_qs, u"01-07-2025"_qs), u"0\r\n6\r\n0\r\n181\r\n"_qs);
        // Across 29 February, and from it.
        QCOMPARE(koer(u"28-2-2024"_qs, u"1-3-2024"_qs), u"0\r\n0\r\n2\r\n2\r\n"_qs);
        QCOMPARE(koer(u"29-2-2024"_qs, u"1-3-2025"_qs), u"1\r\n0\r\n1\r\n366\r\n"_qs);
        QCOMPARE(koer(u"29-2-2024"_qs, u"28-2-2025"_qs), u"0\r\n11\r\n30\r\n365\r\n"_qs);
        QCOMPARE(koer(u"31-1-2023"_qs, u"1-3-2023"_qs), u"0\r\n1\r\n1\r\n29\r\n"_qs);
        QCOMPARE(koer(u"1-1-1"_qs, u"31-12-9999"_qs), u"9998\r\n11\r\n30\r\n3652058\r\n"_qs);
        // A date that does not exist gives no file, and no leftover.
        for (const QString& galt : {u"29-2-2023"_qs, u"1-13-2023"_qs, u"x-1-2023"_qs, u"1-1"_qs})
            QCOMPARE(koer(galt, u"1-1-2023"_qs), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void datoforskelIVinduet()
    {
        Tkalenderform k(f.get());
        QCOMPARE(k.dato2Label->text(), u"I dag: 07-12-2025"_qs);
        QCOMPARE(k.day1Edit->text(), u"7"_qs);
        {
            kvtest::DialogSvarer svar;
            k.beregnKnapClick();
            QCOMPARE(svar.tekster, QStringList{u"Der mangler en fil!"_qs});
        }
        tp->installProgramFiles({u"scripts\\datediff.vbs"_qs});
        // The real script through the real shell; a stale result is gone first.
        Skal::install(std::make_unique<DesktopSkal>());
        const QString fil = f->OptMappe + u"\\datediff.txt"_qs;
        QVERIFY(writeTextLines(fil, {u"9"_qs, u"9"_qs, u"9"_qs, u"9"_qs}));
        k.kalender1->setSelectedDate(QDate(2021, 1, 1));
        k.day2Edit->setText(u"2"_qs), k.month2Edit->setText(u"2"_qs), k.year2Edit->setText(u"2023"_qs);
        k.opdater2Knap->click();
        QCOMPARE(k.kalender2->selectedDate(), QDate(2023, 2, 2));
        k.beregnKnap->click();
        QVERIFY(!fileExists(fil) || readTextLines(fil)->value(0) != u"9"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(k.Edit2->text(), u"762 dage ialt."_qs, 20000);
        QCOMPARE(k.Edit1->text(), u"2 år, 1 måned samt 1 dag."_qs);
        QVERIFY(!k.scriptTimer->isActive());

        // Plurals, from a result the fake shell's script "wrote".
        auto& skal = kvtest::FakeSkal::install();
        k.beregnKnapClick();
        QCOMPARE(skal.startet.size(), 1);
        QCOMPARE(skal.startet[0].kommando.mid(3), (QStringList{u"1-1-2021"_qs, u"2-2-2023"_qs}));
        QVERIFY(writeTextLines(fil, {u"0"_qs, u"3"_qs, u"5"_qs, u"95"_qs}));
        k.scriptTimerTimer();
        QCOMPARE(k.Edit1->text(), u"0 år, 3 måneder samt 5 dage."_qs);
        QCOMPARE(k.Edit2->text(), u"95 dage ialt."_qs);

        // A script that writes nothing: ten ticks, then one message.
        k.beregnKnapClick();
        QVERIFY(!fileExists(fil));
        {
            kvtest::DialogSvarer svar;
            for (int i = 0; i < 12; ++i)
                k.scriptTimerTimer();
            QCOMPARE(svar.tekster.size(), 1);
        }
        QVERIFY(!k.scriptTimer->isActive());
        QVERIFY(k.Edit2->text().isEmpty());
        // An impossible typed date starts nothing.
        {
            kvtest::DialogSvarer svar;
            k.day1Edit->setText(u"31"_qs), k.month1Edit->setText(u"2"_qs);
            k.beregnKnapClick();
            QCOMPARE(svar.tekster.size(), 1);
            QCOMPARE(skal.startet.size(), 2);
        }
        k.close();
    }
};

KV_TEST_MAIN(TstDatoer)
#include "tst_datoer.moc"

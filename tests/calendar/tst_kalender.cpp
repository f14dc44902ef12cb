// The calendar window: day memos under any locale, the question on a changed
// memo, date folders, typed dates, month steps, kalender.txt, "I dag" over
// midnight, and the structures left alone while a file operation runs.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/Tmainform.h"
#include "calendar/Tkalenderform.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Ur.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCharFormat>

using namespace kv;
using kvtest::TestPlatform;

namespace {

const QDateTime middag(QDate(2013, 10, 30), QTime(12, 0));

class TestUr : public Ur {
public:
    QDateTime nu() const override { return tid; }
    static inline QDateTime tid = middag;
};

// A main window whose file operation runs while travl says so.
class TravlHoved : public Tmainform {
public:
    bool travl = false;
    QStringList status;
    bool optaget() const override { return travl || Tmainform::optaget(); }
    void UdskrivInfo(const QString& tekst) override
    {
        status << tekst;
        Tmainform::UdskrivInfo(tekst);
    }
};

} // namespace

class TstKalender : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

private slots:
    void initTestCase() { Ur::install(std::make_unique<TestUr>()); }
    void init()
    {
        TestUr::tid = middag;
        tp = &TestPlatform::install();
        tp->installProgramFiles({u"Egenskaber\\webliste Videnskab.txt"_qs, u"Egenskaber\\webliste Underholdning.txt"_qs,
                                 u"Egenskaber\\webgruppe.txt"_qs});
        f = std::make_unique<Tmainform>();
    }
    void cleanup() { f.reset(); }

    void notaterPaaAlleSprog()
    {
        for (const char* sprog : {"da_DK", "en_US", "de_DE"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(sprog)));
            Tkalenderform k(f.get());
            QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 30));
            QCOMPARE(k.memoFil(QDate(2013, 10, 30)), f->brugerNotatMappe + u"\\30-10-2013.txt"_qs);
            k.notatMemo->setPlainText(QString::fromLatin1(sprog));
            k.aMemoGem();
            QCOMPARE(*readTextLines(f->brugerNotatMappe + u"\\30-10-2013.txt"_qs), QStringList{QString::fromLatin1(sprog)});
            QVERIFY(k.kalender->dateTextFormat(QDate(2013, 10, 30)).fontWeight() == QFont::Bold);
            k.close();
        }
        QLocale::setDefault(QLocale(u"da_DK"_qs));
        // Opening again shows today's memo; "Slet" asks, "Nej" keeps it.
        Tkalenderform k(f.get());
        QCOMPARE(k.notatMemo->toPlainText(), u"de_DE"_qs);
        for (bool ja : {false, true}) {
            kvtest::DialogSvarer svar(ja);
            k.aMemoSlet();
            QCOMPARE(svar.tekster.size(), 1);
            QCOMPARE(fileExists(k.memoFil(QDate(2013, 10, 30))), !ja);
        }
        QVERIFY(k.notatMemo->toPlainText().isEmpty());
        QVERIFY(k.memoFilename.isEmpty());
        k.close();
    }

    void aendretNotatVedDagskift()
    {
        Tkalenderform k(f.get());
        for (bool ja : {false, true}) {
            k.kalender->setSelectedDate(QDate(2013, 10, 30));
            k.notatMemo->setPlainText(u"skrevet"_qs);
            k.notatMemo->document()->setModified(true);
            kvtest::DialogSvarer svar(ja);
            k.kalender->setSelectedDate(QDate(2013, 10, 31));
            QCOMPARE(svar.tekster.size(), 1);
            QCOMPARE(fileExists(k.memoFil(QDate(2013, 10, 30))), ja);
            QVERIFY(k.notatMemo->toPlainText().isEmpty());
        }
        k.kalender->setSelectedDate(QDate(2013, 10, 30));
        QCOMPARE(k.notatMemo->toPlainText(), u"skrevet"_qs);
        QCOMPARE(k.memoFilename, k.memoFil(QDate(2013, 10, 30)));
        k.close();
    }

    void datoerOgMapper()
    {
        // Opening it leaves Struktur 2 where the user was.
        f->aabnIStruktur2(f->OptMappe, false);
        Tkalenderform k(f.get());
        QCOMPARE(f->funk->FFilMappe, f->OptMappe);
        k.ButtonOpretMappe->click();
        const QString dag = f->brugerKalenderMappe + u"\\2013\\10 Oktober\\30 Onsdag"_qs;
        QVERIFY(folderExists(dag));
        QCOMPARE(f->funk->FFilMappe, dag);
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        // The deepest date folder that exists is shown when the day is chosen.
        k.kalender->setSelectedDate(QDate(2013, 10, 1));
        QCOMPARE(f->funk->FFilMappe, f->brugerKalenderMappe + u"\\2013\\10 Oktober"_qs);
        // Typed dates: cleaned, and applied whole or not at all.
        k.dayEdit->setText(u"7a"_qs);
        k.opdaterKnapClick();
        QCOMPARE(k.dayEdit->text(), u"7"_qs);
        QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 7));
        {
            kvtest::DialogSvarer svar;
            k.dayEdit->setText(u"31"_qs), k.monthEdit->setText(u"2"_qs);
            k.opdaterKnapClick();
            QCOMPARE(svar.tekster.size(), 1);
            QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 7));
        }
        k.kalender->setSelectedDate(QDate(2012, 3, 31));
        k.mPrev->click();
        QCOMPARE(k.kalender->selectedDate(), QDate(2012, 2, 29));
        k.yNext->click();
        QCOMPARE(k.kalender->selectedDate(), QDate(2013, 2, 28));
        QCOMPARE(k.monthEdit->text(), u"2"_qs);
        k.datoLabel->click();
        QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 30));
        k.close();
    }

    // A calendar folder the user chose is shown when the calendar opens.
    void egenKalendermappeVises()
    {
        QVERIFY(createFolder(f->BrugerMappe + u"\\Min kalender"_qs));
        f->brugerKalenderMappe = f->BrugerMappe + u"\\Min kalender"_qs;
        f->aabnIStruktur2(f->OptMappe, false);
        Tkalenderform k(f.get());
        QCOMPARE(f->funk->FFilMappe, f->brugerKalenderMappe);
        k.close();
    }

    void idagFoelgerMidnat()
    {
        TestUr::tid = QDateTime(QDate(2013, 10, 30), QTime(23, 59, 59, 900));
        Tkalenderform k(f.get());
        QCOMPARE(k.datoLabel->text(), u"I dag: 30-10-2013"_qs);
        TestUr::tid = QDateTime(QDate(2013, 10, 31), QTime(0, 0, 1));
        QTRY_COMPARE(k.datoLabel->text(), u"I dag: 31-10-2013"_qs);
        QCOMPARE(k.dato1Label->text(), k.datoLabel->text());
        QCOMPARE(k.dato2Label->text(), k.datoLabel->text());
        // The chosen day stays; "I dag" goes to the new day.
        QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 30));
        k.datoLabel->click();
        QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 31));
        k.close();
    }

    // While a paste or delete has the structures, the calendar leaves Struktur 2 alone.
    void underFilhandling()
    {
        f.reset();
        TravlHoved h;
        Tkalenderform k(&h);
        h.visIStruktur2(h.OptMappe, false);
        const QString dag = h.brugerKalenderMappe + u"\\2013\\10 Oktober\\30 Onsdag"_qs;
        h.travl = true;
        k.ButtonOpretMappe->click();
        k.visDatomappe->click();
        k.visNotatmappe->click();
        k.kalender->setSelectedDate(QDate(2013, 10, 29));
        k.mNext->click();
        QVERIFY(!folderExists(dag));
        QCOMPARE(h.funk->FFilMappe, h.OptMappe);
        QCOMPARE(k.kalender->selectedDate(), QDate(2013, 10, 30));
        QCOMPARE(k.kalender->monthShown(), 10);
        QCOMPARE(k.dayEdit->text(), u"30"_qs);
        QCOMPARE(h.status.filter(u"Der kopieres eller slettes stadig."_qs).size(), 5);
        // Afterwards all of it works again.
        h.travl = false;
        k.kalender->setSelectedDate(QDate(2013, 10, 29));
        QCOMPARE(h.funk->FFilMappe, h.brugerKalenderMappe);
        k.ButtonOpretMappe->click();
        QVERIFY(folderExists(h.brugerKalenderMappe + u"\\2013\\10 Oktober\\29 Tirsdag"_qs));
        k.close();
    }

    void kalenderTxt()
    {
        const QString fil = f->OptMappe + u"\\kalender.txt"_qs;
        {
            Tkalenderform k(f.get());
            k.cbLydfiler->setCurrentIndex(5);
            emit k.cbLydfiler->activated(5);
            k.close();
        }
        QCOMPARE(*readTextLines(fil), QStringList{u"5"_qs});
        Tkalenderform igen(f.get());
        QCOMPARE(igen.cbLydfiler->currentIndex(), 5);
        igen.close();
        for (const QByteArray& skade : {QByteArray("fem\r\n"), QByteArray("99"), QByteArray("\xff\xfe\x00")}) {
            tp->makeFile(fil, skade);
            Tkalenderform k(f.get());
            QCOMPARE(k.alarmLydIndex, 0);
            QCOMPARE(k.cbLydfiler->currentIndex(), 0);
            k.close();
        }
    }
};

KV_TEST_MAIN(TstKalender)
#include "tst_kalender.moc"

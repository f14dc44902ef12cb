// The calendar window: day memos under any locale, the question on a changed
// memo, date folders, typed dates, month steps, and kalender.txt.
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
class TestUr : public Ur {
public:
    QDateTime nu() const override { return QDateTime(QDate(2013, 10, 30), QTime(12, 0)); }
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
        Tkalenderform k(f.get());
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

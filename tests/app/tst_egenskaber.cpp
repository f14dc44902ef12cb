// The main settings file: every line read back as written, bad lines that
// fall back to their default alone, and the window that loads the file at
// creation and saves it when it closes, not on Ctrl+Q.
#include "DialogSvarer.h"
#include "TestMain.h"
#include <sys/stat.h>
#include <unistd.h>
#include "TestPlatform.h"
#include "app/Design.h"
#include "app/TEgenskaber.h"
#include "app/Tmainform.h"
#include "calendar/TNotatpanel.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/Ikonlager.h"
#include "platform/TextFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace kv;
using kvtest::TestPlatform;

namespace {

const QString optFil = u"C:\\Kvistlund\\Anna\\Egenskaber\\MainEgenskaber.txt"_qs;

// A valid file in which every line differs from its default.
QStringList andreVaerdier()
{
    return {u"Smokey Quartz Kamri"_qs, u"20"_qs, u"30"_qs, u"1100"_qs, u"700"_qs, u"2"_qs, u"søg æøå"_qs,
            u"1"_qs, u"0"_qs, u"C:\\Dokumenter\\Ærø"_qs, u"2"_qs, u"6"_qs, u"5"_qs, u"0"_qs, u"1"_qs, u"7"_qs,
            u"150"_qs, u"400"_qs, u"160"_qs, u"410"_qs, u"300"_qs, u"0"_qs, u"0"_qs, u"0"_qs,
            u"C:\\Kalender ÅÅ"_qs, u"1"_qs, u"2"_qs, u"C:\\Programmer\\vi.exe"_qs, u"1"_qs, u"1"_qs, u"1"_qs,
            u"1"_qs, u"C:\\Мои документы\\文件"_qs, u"0"_qs, u"1"_qs, u"1"_qs, u"0"_qs, u"Videnskab"_qs, u"1"_qs,
            u"1"_qs, u"1"_qs, u"1"_qs, u"1"_qs, u"1"_qs, u"0"_qs, u"0"_qs, u"1"_qs, u"1"_qs, u"D:\\Billeder"_qs,
            u"1"_qs, u"0"_qs, u"130"_qs, u"250"_qs, u"6"_qs, u"3"_qs, u"600"_qs, u"700"_qs, u"50"_qs, u"60"_qs,
            u"7"_qs, u"0"_qs};
}

} // namespace

class TstEgenskaber : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    QStringList filen()
    {
        return readTextLines(optFil).value_or(QStringList{u"(mangler)"_qs});
    }

private slots:
    void init() { tp = &TestPlatform::install(u"Anna"_qs); }

    void everyLineComesBackUnchanged()
    {
        const QStringList linjer = andreVaerdier() << u"en linje fra en nyere version"_qs;
        QCOMPARE(andreVaerdier().size(), TEgenskaber::antalLinjer);
        TEgenskaber e;
        QCOMPARE(e.laes(linjer), QList<int>());
        const TEgenskaber standard;
        QStringList forskellige;
        for (int n = 0; n < TEgenskaber::antalLinjer; ++n) {
            if (e.skriv()[n] == standard.skriv()[n])
                forskellige << QString::number(n);
        }
        QVERIFY2(forskellige.isEmpty(), qPrintable(u"lig standard: "_qs + forskellige.join(u' ')));

        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        QVERIFY(e.gem(optFil));
        // A path outside Windows-1252 makes the whole file UTF-8 with a mark.
        QFile fil(tp->host(optFil));
        QVERIFY(fil.open(QIODevice::ReadOnly));
        QVERIFY(fil.readAll().startsWith("\xEF\xBB\xBF"));
        TEgenskaber igen;
        QVERIFY(igen.hent(optFil));
        QCOMPARE(igen.skriv(), linjer);
        QCOMPARE(igen.FDirMappe, u"C:\\Мои документы\\文件"_qs);
        QCOMPARE(igen.LastStrukturNo, 2);
        QVERIFY(igen.CheckOpret && igen.CheckFind && igen.CheckInfo && !igen.luk);
    }

    void badLinesFallBackOneByOne()
    {
        QStringList linjer = andreVaerdier();
        linjer[0] = u"Ukendt stil"_qs;
        linjer[3] = u"bred"_qs;              // no number
        linjer[5] = u"3"_qs;                 // conflict policy beyond 0..2
        linjer[7] = u"2"_qs;                 // a boolean is 0 or 1
        linjer[8] = u"256"_qs;
        linjer[10] = u"4"_qs;
        linjer[11] = u"8"_qs;                // eight pages, 0..7
        linjer[17] = u"100"_qs;              // sizes are brought within their limits
        linjer[20] = u"5000"_qs;
        linjer[21] = u"-1"_qs;
        linjer[35] = u"5"_qs;                // a question policy of 5 would ask nothing
        linjer[51] = u"0"_qs;                // the find-list maximum is brought within 10..1,000,000
        linjer[16] = u" 140 "_qs;            // blanks around a number are fine
        TEgenskaber e;
        QCOMPARE(e.laes(linjer), (QList<int>{0, 3, 5, 7, 8, 10, 11, 21, 35}));
        const TEgenskaber s;
        QCOMPARE(e.designName, s.designName);
        QCOMPARE(e.vinduesBredde, s.vinduesBredde);
        QCOMPARE(e.resultBox, s.resultBox);
        QCOMPARE(e.medtagPrivat, s.medtagPrivat);
        QCOMPARE(e.placerPrivat, s.placerPrivat);
        QCOMPARE(e.LastStrukturNo, s.LastStrukturNo);
        QCOMPARE(e.bogSide, s.bogSide);
        QCOMPARE(e.visSpalte1, s.visSpalte1);
        QCOMPARE(e.spmBox, s.spmBox);
        QCOMPARE(e.maxElementer, 10);
        linjer[51] = u"2147483647"_qs;
        QCOMPARE(e.laes(linjer).contains(51), false);
        QCOMPARE(e.maxElementer, TEgenskaber::maxElementerLoft);
        QCOMPARE(e.spalte1, 250);
        QCOMPARE(e.hoejrePanel, 1200);
        QCOMPARE(e.listeHoejde, 140);
        // The good lines around the bad ones are kept.
        QCOMPARE(e.vinduesHoejde, 700);
        QCOMPARE(e.topBogSide, 5);
        QCOMPARE(e.gemtFilMappe, u"C:\\Dokumenter\\Ærø"_qs);
        QCOMPARE(e.opdater, false);

        // A short file: what is there is taken, the rest keeps its default.
        TEgenskaber kort;
        QCOMPARE(kort.laes(andreVaerdier().mid(0, 4)).size(), TEgenskaber::antalLinjer - 4);
        QCOMPARE(kort.vinduesBredde, 1100);
        QCOMPARE(kort.vinduesHoejde, s.vinduesHoejde);
        QCOMPARE(kort.skriv().mid(4), s.skriv().mid(4));
    }

    void aDamagedFileNeverBuildsAHugeGrid()
    {
        // Grid counts far beyond any screen or below one are brought within
        // what the picture box shows; a colour beyond the list keeps the default.
        QStringList linjer = andreVaerdier();
        linjer[53] = u"100000"_qs;
        linjer[54] = u"-7"_qs;
        linjer[59] = u"20"_qs;
        tp->makeFile(optFil, linjer.join(u"\r\n"_qs).toUtf8());
        TEgenskaber e;
        QVERIFY(e.hent(optFil));
        QCOMPARE(e.GBoxV, 200);
        QCOMPARE(e.GBoxL, 1);
        QCOMPARE(e.colIndex, TEgenskaber().colIndex);
        QCOMPARE(e.skriv().mid(53, 2), (QStringList{u"200"_qs, u"1"_qs}));

        // The edges themselves are fine, and so is the last colour.
        linjer[53] = u"200"_qs;
        linjer[54] = u"1"_qs;
        linjer[59] = u"19"_qs;
        QCOMPARE(e.laes(linjer), QList<int>());
        QCOMPARE(e.colIndex, 19);
        linjer[59] = u"-1"_qs;
        QCOMPARE(e.laes(linjer), QList<int>{59});
        QCOMPARE(e.colIndex, 19);
    }

    void missingEmptyAndBrokenTexts()
    {
        TEgenskaber e;
        QVERIFY(!e.hent(optFil));
        QCOMPARE(e.skriv(), TEgenskaber().skriv());
        tp->makeFile(optFil, "");
        QVERIFY(e.hent(optFil));
        QCOMPARE(e.skriv(), TEgenskaber().skriv());

        // A line break inside a text would shift every later line.
        e.FDirMappe = u"C:\\a\r\nb"_qs;
        e.exeProgram = u"C:\\x\ny"_qs;
        e.ekstra = {u"ny\rlinje"_qs};
        QVERIFY(e.gem(optFil));
        QCOMPARE(filen().size(), TEgenskaber::antalLinjer + 1);
        TEgenskaber igen;
        QVERIFY(igen.hent(optFil));
        QCOMPARE(igen.FDirMappe, u"C:\\a  b"_qs);
        QCOMPARE(igen.exeProgram, u"C:\\x y"_qs);
        QCOMPARE(igen.ekstra, QStringList{u"ny linje"_qs});
        QCOMPARE(igen.opdater, true);
    }

    void theWindowLoadsAndSaves()
    {
        kvtest::DialogSvarer svar;
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        tp->makeFolder(u"C:\\Kalender ÅÅ"_qs);
        QStringList linjer = andreVaerdier();
        linjer[3] = u"3000"_qs;  // wider than any screen
        linjer[24] = u"C:\\Kalender ÅÅ"_qs;
        QVERIFY(writeTextLines(optFil, linjer << u"fremtid"_qs));
        {
            Tmainform f;
            QCOMPARE(f.designName, u"Smokey Quartz Kamri"_qs);
            QCOMPARE(f.designBox->currentText(), u"Smokey Quartz Kamri"_qs);
            QCOMPARE(f.width(), QGuiApplication::primaryScreen()->availableGeometry().width());
            QCOMPARE(f.resultBox->checkedId(), 2);
            QCOMPARE(f.spmBox->checkedId(), 1);
            QVERIFY(f.medtagPrivatCheck->isChecked() && !f.placerPrivatCheck->isChecked());
            QVERIFY(f.funk->FMedtagPrivat && !f.funk->FPrivatTop);
            QCOMPARE(f.BleftPanel->minimumWidth(), 400);
            QVERIFY(f.BleftPanel->isHidden() && f.BleftPanel2->isHidden() && f.BrightPanel->isHidden());
            QCOMPARE(f.HojdeMedit->text(), u"150"_qs);
            QCOMPARE(f.Bog->tabPosition(), QTabWidget::East);
            QCOMPARE(f.Bog->currentIndex(), 6);
            QCOMPARE(f.bogTekstLabel->text(), u"Datoer"_qs);
            QCOMPARE(f.topBog->currentIndex(), 5);
            QCOMPARE(f.brugerKalenderMappe, u"C:\\Kalender ÅÅ"_qs);
            QCOMPARE(f.maxFindEdit->text(), u"130"_qs);
            QCOMPARE(f.fileRunNumber, 1);
            QCOMPARE(f.notatpanel()->notatHoejde(), 250);
            QVERIFY(!f.hpSynligtBox->isChecked());
            QVERIFY(f.findChild<QCheckBox*>(u"CheckOpret"_qs)->isChecked());
            QVERIFY(f.findChild<QCheckBox*>(u"CheckInfo"_qs)->isChecked());
            QVERIFY(!f.LukCheck->isChecked() && f.DragDropCheck->isChecked() && !f.opdaterCheck->isChecked());
            // The right-hand panel at the right edge: after the free area.
            auto* kolonner = static_cast<QHBoxLayout*>(f.BrightPanel->parentWidget()->layout());
            QCOMPARE(kolonner->indexOf(f.BrightPanel), 3);

            f.rydCheck->setChecked(true);
            f.findChild<QToolButton*>(u"maxNedKnap"_qs)->click();
            // Ctrl+Q ends without the close steps: nothing is written.
            f.show();
            QTimer::singleShot(0, &f, [&] { f.handling("LukProgram")->trigger(); });
            QCOMPARE(QApplication::exec(), 0);
        }
        QCOMPARE(filen()[36], u"0"_qs);
        {
            Tmainform f;
            f.rydCheck->setChecked(true);
            f.findChild<QToolButton*>(u"maxNedKnap"_qs)->click();
            f.close();
        }
        const QStringList gemt = filen();
        QCOMPARE(gemt.size(), TEgenskaber::antalLinjer + 1);
        QCOMPARE(gemt[36], u"1"_qs);
        QCOMPARE(gemt[51], u"120"_qs);
        QCOMPARE(gemt.last(), u"fremtid"_qs);
        // What this window has no control for yet is written back as it came.
        for (int n : {6, 13, 14, 27, 37, 52, 53, 54, 55, 56, 57, 58, 59})
            QCOMPARE(gemt[n], andreVaerdier()[n]);
        QVERIFY(svar.tekster.isEmpty());
    }

    // A settings file that is there but cannot be read is the user's: it is
    // reported at start, and closing leaves it as it was.
    void anUnreadableSettingsFileIsReportedAndKept()
    {
        tp->installProgramFiles({u"Egenskaber\\MainEgenskaber.txt"_qs});
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        const QByteArray fil = tp->hostBytes(optFil);
        for (bool fifo : {true, false}) {
            ::unlink(fil.constData());
            QCOMPARE(fifo ? ::mkfifo(fil.constData(), 0600) : ::symlink("/dev/zero", fil.constData()), 0);
            kvtest::DialogSvarer svar;
            {
                Tmainform f;
                QCOMPARE(svar.tekster.filter(u"Indstillingerne kunne ikke læses"_qs).size(), 1);
                // The installed defaults are used meanwhile.
                QVERIFY(!f.topBog->isHidden());
                f.close();
            }
            struct stat st;
            QCOMPARE(::lstat(fil.constData(), &st), 0);
            QVERIFY(fifo ? S_ISFIFO(st.st_mode) : S_ISLNK(st.st_mode));
        }
    }

    void aNewUserGetsTheInstalledDefaults()
    {
        kvtest::DialogSvarer svar;
        tp->installProgramFiles({u"Egenskaber\\MainEgenskaber.txt"_qs});
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        Tmainform f;
        QVERIFY(!f.topBog->isHidden());
        QCOMPARE(f.gemtFilMappe, u"C:"_qs);
        QCOMPARE(f.brugerKalenderMappe, u"C:\\Kvistlund\\Anna\\Kalender"_qs);
        QVERIFY(!fileExists(optFil));
        f.close();
        QCOMPARE(filen().size(), TEgenskaber::antalLinjer);
    }

    void theDesignPage()
    {
        kvtest::DialogSvarer svar;
        Tmainform f;
        QCOMPARE(f.designBox->count(), 6);
        QCOMPARE(f.designBox->itemText(0), u"Windows"_qs);
        QCOMPARE(f.designBox->currentText(), u"Sky"_qs);
        const int lavendel = f.designBox->findText(u"Lavender Classico"_qs);
        f.designBox->setCurrentIndex(lavendel);
        emit f.designBox->activated(lavendel);
        QCOMPARE(f.designName, u"Lavender Classico"_qs);

        f.tabBox->button(1)->click();
        QCOMPARE(f.Bog->tabPosition(), QTabWidget::West);
        f.progBox->button(1)->click();
        QCOMPARE(f.programBox->viewMode(), QListView::ListMode);
        f.rpBox->button(1)->click();
        auto* kolonner = static_cast<QHBoxLayout*>(f.BrightPanel->parentWidget()->layout());
        QCOMPARE(kolonner->indexOf(f.BrightPanel), 3);
        auto* ned = f.findChild<QToolButton*>(u"maxNedKnap"_qs);
        for (int i = 0; i < 12; ++i)
            ned->click();
        QCOMPARE(f.maxFindEdit->text(), u"10"_qs);
        auto* op = f.findChild<QToolButton*>(u"maxOpKnap"_qs);
        // The top stops at its ceiling instead of turning negative.
        f.maxElementer = TEgenskaber::maxElementerLoft - 5;
        op->click();
        op->click();
        QCOMPARE(f.maxFindEdit->text(), QString::number(TEgenskaber::maxElementerLoft));
        f.maxElementer = 10;
        op->click();
        f.hpSynligtBox->setChecked(false);
        f.close();
        const QStringList gemt = filen();
        QCOMPARE(gemt[0], u"Lavender Classico"_qs);
        QCOMPARE(gemt[26], u"1"_qs);
        QCOMPARE(gemt[28], u"1"_qs);
        QCOMPARE(gemt[31], u"1"_qs);
        QCOMPARE(gemt[33], u"0"_qs);
        QCOMPARE(gemt[51], u"20"_qs);
        // "Genskab" puts the panel back after the columns and keeps it visible.
        Tmainform g;
        g.findChild<QPushButton*>(u"genskabKnap"_qs)->click();
        QCOMPARE(static_cast<QHBoxLayout*>(g.BrightPanel->parentWidget()->layout())->indexOf(g.BrightPanel), 2);
        QVERIFY(g.hpSynligtBox->isChecked());
    }

    // A toolbar too narrow for its buttons shows the rest behind an arrow;
    // every design draws that arrow, painted through an item view's path too,
    // in its own text colour also where drawn icons are kept between runs.
    void everyDesignDrawsTheToolbarsOverflowArrow()
    {
        QTemporaryDir lager;
        Ikonlager::brug(QFile::encodeName(lager.filePath(u"ikoner"_qs)));
        const auto ryd = qScopeGuard([] { Ikonlager::brug(QByteArray()); });
        // Ink inside the field the icon is given, and outside it.
        const QRect felt(4, 4, 16, 16);
        const auto blaek = [&felt](const QIcon& ikon) {
            QImage billede(24, 24, QImage::Format_ARGB32_Premultiplied);
            billede.fill(Qt::transparent);
            QPainter p(&billede);
            ikon.paint(&p, felt);
            p.end();
            int inde = 0, ude = 0;
            QRgb fuld = 0;  // a pixel the arrow covers wholly
            for (int y = 0; y < billede.height(); ++y)
                for (int x = 0; x < billede.width(); ++x)
                    if (qAlpha(billede.pixel(x, y)) > 0) {
                        ++(felt.contains(x, y) ? inde : ude);
                        if (qAlpha(billede.pixel(x, y)) == 255)
                            fuld = billede.pixel(x, y);
                    }
            return std::tuple(inde, ude, fuld);
        };
        for (const QString& navn : designNavne()) {
            QVERIFY(anvendDesign(navn));
            for (auto pil : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
                const auto [inde, ude, fuld] = blaek(QApplication::style()->standardIcon(pil));
                QVERIFY2(inde > 0 && ude == 0, qPrintable(navn));
                QCOMPARE(QColor(fuld), QApplication::palette().color(QPalette::ButtonText));
            }
        }
        QVERIFY(anvendDesign(u"Sky"_qs));
    }
};

KV_TEST_MAIN(TstEgenskaber)
#include "tst_egenskaber.moc"

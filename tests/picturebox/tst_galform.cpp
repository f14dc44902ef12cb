// The picture box window with the main window: deleting exactly the chosen
// picture and nothing else, loads overtaken by another folder, another grid
// or a close, changes to the folder on disk while it is shown, the settings it
// keeps, and its actions while the main window
// runs a file operation. Pictures are made here.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "JpegSkriver.h"
#include "KopieringsTest.h"
#include "TestMain.h"
#include "fileops/THandlinger.h"
#include "picturebox/Billedboksvalg.h"
#include "picturebox/TBibPan.h"
#include "picturebox/TGalForm.h"
#include "picturebox/TRulskakt.h"
#include "platform/FileSystem.h"
#include "platform/Mappevagt.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>
#include <fcntl.h>
#include <unistd.h>

using namespace kv;

namespace {

QByteArray jpeg(int w, int h, QColor farve = Qt::darkGreen)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(farve);
    QPainter(&b).fillRect(0, 0, w / 3, h, Qt::yellow);
    return kvtest::lavJpeg(b);
}

QList<Qt::CheckState> afkrydsning(QTreeWidget* liste)
{
    QList<Qt::CheckState> s;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        s << liste->topLevelItem(i)->checkState(0);
    return s;
}

} // namespace

class TstGalform : public kvtest::KopieringsTest {
    Q_OBJECT
    TGalForm* g = nullptr;

    void skriv(const QString& sti, const QByteArray& data)
    {
        tp->makeFile(sti, data);
    }
    // The picture box opened on the folder, loaded, with its thumbnails made.
    void aabnOgIndlaes(const QString& mappe)
    {
        vis(mappe);
        if (!g || !g->isVisible())
            QVERIFY(udfoer("aGalleri"));
        g = f->galform;
        QVERIFY(g && g->isVisible());
        g->Amappe->trigger();
        QTRY_VERIFY(g->BibPan->faerdig());
    }
    int nummer(const QString& navn) const
    {
        for (int i = 0; i < int(g->BibPan->Bil.size()); ++i)
            if (g->BibPan->Bil[size_t(i)].Filnavn == navn)
                return i;
        return -1;
    }
    void vaelg(const QString& navn)
    {
        const int nr = nummer(navn);
        QVERIFY2(nr >= 0, qPrintable(navn));
        g->vaelgBillede(nr);
        QCOMPARE(g->Navnfelt->text(), navn);
    }

private slots:
    void init()
    {
        startVindue([this] {
            for (const char* n : {"a.jpg", "b.jpg", "B.JPG", "c.jpg", "d.bmp.txt"})
                skriv(u"C:\\Fotos\\"_qs + QString::fromLatin1(n), jpeg(64, 48));
            for (int i = 0; i < 40; ++i) {
                skriv(u"C:\\A\\a%1.jpg"_qs.arg(i), jpeg(640, 480));
                skriv(u"C:\\B\\b%1.jpg"_qs.arg(i), jpeg(320, 200, Qt::red));
            }
        });
        g = nullptr;
    }
    void cleanup() { slutVindue(); }

    void deletesExactlyTheChosenPicture()
    {
        aabnOgIndlaes(u"C:\\Fotos"_qs);
        QCOMPARE(g->antalEdit->text(), u"4"_qs);
        // Ticked rows wait in both copy lists and Struktur 1 is active: none of it may go.
        QVERIFY(f->funk->RegisterElements(u"C:\\Fotos\\a.jpg"_qs));
        QVERIFY(f->funk->RegisterElements(u"C:\\A"_qs));
        f->funk->setAktiveStruktur(1);
        const auto filRaekker = afkrydsning(f->Filliste), mappeRaekker = afkrydsning(f->Mappeliste);

        vaelg(u"b.jpg"_qs);
        const int efterB = nummer(u"b.jpg"_qs);
        QCOMPARE(g->picFilnavn, u"C:\\Fotos\\b.jpg"_qs);
        QCOMPARE(g->Breddefelt->text(), u"64"_qs);
        {
            kvtest::DialogSvarer nej(false);
            g->ADelete->trigger();
            QCOMPARE(nej.tekster.size(), 1);
            QVERIFY(nej.tekster[0].contains(u"b.jpg"_qs));
            QVERIFY(nej.tekster[0].contains(u"C:\\Fotos"_qs));
        }
        QVERIFY(findes(u"C:\\Fotos\\b.jpg"_qs));
        QCOMPARE(g->picFilnavn, u"C:\\Fotos\\b.jpg"_qs);
        {
            kvtest::DialogSvarer ja;
            g->ADelete->trigger();
        }
        QCOMPARE(papirkurv(), QStringList{u"b.jpg"_qs});
        for (const char16_t* n : {u"C:\\Fotos\\a.jpg", u"C:\\Fotos\\B.JPG", u"C:\\Fotos\\c.jpg", u"C:\\A\\a0.jpg"})
            QVERIFY2(findes(QString::fromUtf16(n)), qPrintable(QString::fromUtf16(n)));
        QCOMPARE(afkrydsning(f->Filliste), filRaekker);
        QCOMPARE(afkrydsning(f->Mappeliste), mappeRaekker);
        QCOMPARE(f->funk->AktiveStruktur(), 1);
        QVERIFY(f->FilStruktur->findItems(u"b.jpg"_qs, Qt::MatchExactly).isEmpty());
        QCOMPARE(f->FilStruktur->findItems(u"B.JPG"_qs, Qt::MatchExactly).size(), 1);
        // The choice went on to the next picture.
        QCOMPARE(g->BibPan->AntalIalt(), 3);
        QCOMPARE(nummer(u"b.jpg"_qs), -1);
        QCOMPARE(g->picFilnavn, g->BibPan->GetFilnavn(efterB, true));
        QVERIFY(g->ADelete->isEnabled());

        // Changed since it was listed: nothing is deleted.
        vaelg(u"c.jpg"_qs);
        skriv(u"C:\\Fotos\\c.jpg"_qs, jpeg(64, 48) + QByteArray(10, 'x'));
        {
            kvtest::DialogSvarer ja;
            g->ADelete->trigger();
            QCOMPARE(ja.tekster.size(), 2);
            QVERIFY(ja.tekster[1].contains(u"ændret"_qs));
        }
        QVERIFY(findes(u"C:\\Fotos\\c.jpg"_qs));
        QCOMPARE(papirkurv().size(), 1);
    }

    void deleteTakesOutOnlyItsThumbnail()
    {
        aabnOgIndlaes(u"C:\\A"_qs);
        TBibPan* pan = g->BibPan;
        const int ialt = pan->AntalIalt();
        QVERIFY(pan->Antal() >= 3);
        std::vector<qint64> foer;
        QStringList navne;
        for (int i = 0; i < ialt; ++i) {
            QVERIFY(pan->pulje().billede(i));
            foer.push_back(pan->pulje().billede(i)->cacheKey());
            navne << pan->GetFilnavn(i, false);
        }
        const int leveret = pan->pulje().antalLeverede();
        auto* vagt = g->findChild<Mappevagt*>();
        QVERIFY(vagt);
        QSignalSpy aendret(vagt, &Mappevagt::aendret);

        // Picture 1 clicked and deleted by its key.
        QTest::mouseClick(pan, Qt::LeftButton, {}, pan->F[1].IR.center());
        QCOMPARE(g->Navnfelt->text(), navne[1]);
        {
            kvtest::DialogSvarer ja;
            QTest::keyClick(pan, Qt::Key_Delete);
            QCOMPARE(ja.tekster.size(), 1);
        }
        QCOMPARE(papirkurv(), QStringList{navne[1]});
        QTRY_VERIFY(aendret.count() > 0);  // our own delete, seen on disk
        QTest::qWait(100);
        // The grid closed up around the same thumbnails; nothing was made again.
        QCOMPARE(pan->AntalIalt(), ialt - 1);
        QCOMPARE(g->antalEdit->text(), QString::number(ialt - 1));
        QCOMPARE(g->BibRul->PosMax(), ialt - 1 - pan->Antal());
        for (int i = 0; i < ialt - 1; ++i) {
            const int var = i < 1 ? i : i + 1;
            QCOMPARE(pan->GetFilnavn(i, false), navne[var]);
            QVERIFY(pan->pulje().billede(i));
            QCOMPARE(pan->pulje().billede(i)->cacheKey(), foer[size_t(var)]);
        }
        QCOMPARE(pan->pulje().antalLeverede(), leveret);
        QVERIFY(pan->faerdig());
        // The next picture is chosen; the mark, gone with the focus to the
        // question, comes back on it.
        QCOMPARE(g->Navnfelt->text(), navne[2]);
        QCOMPARE(g->picFilnavn, u"C:\\A\\"_qs + navne[2]);
        QCOMPARE(pan->aktueltFelt(), 1);
        QFocusEvent ind(QEvent::FocusIn);
        QApplication::sendEvent(pan, &ind);
        QVERIFY(pan->F[1].Fokus);
        QVERIFY(g->grab().save(u"/tmp/kv-billedboks-slettet.png"_qs));

        // The last picture deleted: the one before it is chosen.
        pan->NytStartNr(pan->AntalIalt() - pan->Antal(), true);
        g->vaelgBillede(pan->AntalIalt() - 1);
        {
            kvtest::DialogSvarer ja;
            g->ADelete->trigger();
        }
        QCOMPARE(pan->AntalIalt(), ialt - 2);
        QCOMPARE(g->Navnfelt->text(), navne[ialt - 2]);
        QCOMPARE(pan->StartNr(), ialt - 2 - pan->Antal());
        QCOMPARE(pan->pulje().antalLeverede(), leveret);
    }

    void deletesANameThatIsNotUtf8()
    {
        // "ø" in Latin-1, beside the same name in UTF-8.
        const QByteArray mappe = tp->hostBytes(u"C:\\Fotos"_qs);
        const QByteArray data = jpeg(30, 20);
        for (const char* navn : {"\xf8l.jpg", "\xc3\xb8l.jpg"}) {
            const int fd = ::open((mappe + '/' + navn).constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, data.constData(), size_t(data.size())), data.size());
            ::close(fd);
        }
        aabnOgIndlaes(u"C:\\Fotos"_qs);
        QCOMPARE(g->BibPan->AntalIalt(), 6);
        int raa = -1;
        for (int i = 0; i < int(g->BibPan->Bil.size()); ++i)
            if (g->BibPan->Bil[size_t(i)].Filnavn.startsWith(QChar(0xF0F8)))
                raa = i;
        QVERIFY(raa >= 0);
        QCOMPARE(g->BibPan->GetBredde(raa), 30);
        g->vaelgBillede(raa);
        {
            kvtest::DialogSvarer ja;
            g->ADelete->trigger();
        }
        QVERIFY(::access((mappe + "/\xf8l.jpg").constData(), F_OK) != 0);
        QVERIFY(::access((mappe + "/\xc3\xb8l.jpg").constData(), F_OK) == 0);
        QCOMPARE(g->BibPan->AntalIalt(), 5);
        const QByteArray iKurven = QFile::encodeName(tp->trashDir()) + "/files/\xf8l.jpg";
        QVERIFY(::access(iKurven.constData(), F_OK) == 0);
        ::unlink(iKurven.constData());
        QVERIFY(findes(u"C:\\Fotos\\øl.jpg"_qs));
    }

    void loadsOvertakenByFolderGridAndClose()
    {
        // Another folder while the first still decodes: only its pictures.
        aabnOgIndlaes(u"C:\\A"_qs);
        vis(u"C:\\A"_qs);
        g->Amappe->trigger();
        vis(u"C:\\B"_qs);
        g->Amappe->trigger();
        QTRY_VERIFY(g->BibPan->faerdig());
        QTest::qWait(50);  // work of the first load still in flight is dropped
        QCOMPARE(g->mappeFelt->text(), u"C:\\B"_qs);
        for (int i = 0; i < g->BibPan->AntalIalt(); ++i)
            QCOMPARE(g->BibPan->GetBredde(i), 320);
        QCOMPARE(g->BibRul->PosMax(), 40 - g->BibPan->Antal());

        // A grid change empties the box and forgets the choice.
        g->vaelgBillede(3);
        QVERIFY(g->AKopier->isEnabled());
        g->Amappe->trigger();
        g->BVknapPlus->click();
        QCOMPARE(g->BVedit->text(), u"5"_qs);
        QCOMPARE(g->BibPan->AntalIalt(), 0);
        QVERIFY(g->picFilnavn.isEmpty() && g->Navnfelt->text().isEmpty());
        QVERIFY(!g->AKopier->isEnabled());
        for (int i = 0; i < 6; ++i)
            g->BLknapMinus->click();
        QCOMPARE(g->AntalL, 1);
        QCOMPARE(status(), u"Et felt er mindste feltantal"_qs);

        // "4x6" loads the folder again at 24 fields; the shaft covers the rest.
        g->findChild<QToolButton*>(u"formatBut4"_qs)->click();
        QCOMPARE(g->BibPan->Antal(), 24);
        QCOMPARE(g->BibRul->PosMax(), 16);
        QCOMPARE(status(), u"Antal billeder: 40"_qs);
        // Paging by key moves the shaft, the shaft moves the page.
        QTest::keyClick(g->BibPan, Qt::Key_PageDown);
        QCOMPARE(g->BibPan->StartNr(), 16);
        QCOMPARE(g->BibRul->Position(), 16);
        g->BibRul->setPosition(4);
        emit g->BibRul->OnPosition(4);
        QCOMPARE(g->BibPan->StartNr(), 4);

        // Closed while loading: the box comes back empty and loads anew.
        vis(u"C:\\A"_qs);
        g->Amappe->trigger();
        g->close();
        QTest::qWait(50);
        QCOMPARE(g->BibPan->AntalIalt(), 0);
        QVERIFY(udfoer("aGalleri"));
        QVERIFY(!udfoer("aGalleri"));
        g->Amappe->trigger();
        QTRY_VERIFY(g->BibPan->faerdig());
        QCOMPARE(g->BibPan->GetBredde(0), 640);
    }

    void followsChangesOnDisk()
    {
        aabnOgIndlaes(u"C:\\A"_qs);
        g->BibPan->NytStartNr(8, true);
        vaelg(u"a20.jpg"_qs);
        const int start = g->BibPan->StartNr();

        // A picture added: listed with the rest, the page and the choice kept.
        skriv(u"C:\\A\\a40.jpg"_qs, jpeg(640, 480));
        QTRY_COMPARE(g->BibPan->AntalIalt(), 41);
        QTRY_VERIFY(g->BibPan->faerdig());
        QVERIFY(nummer(u"a40.jpg"_qs) >= 0);
        QCOMPARE(g->BibPan->GetBredde(nummer(u"a40.jpg"_qs)), 640);
        QCOMPARE(g->BibPan->StartNr(), start);
        QCOMPARE(g->Navnfelt->text(), u"a20.jpg"_qs);
        QCOMPARE(g->picFilnavn, u"C:\\A\\a20.jpg"_qs);
        QCOMPARE(g->antalEdit->text(), u"41"_qs);

        // The chosen picture renamed away: nothing stays chosen, so nothing
        // can be deleted or copied by its old name.
        QVERIFY(QFile::rename(tp->host(u"C:\\A\\a20.jpg"_qs), tp->host(u"C:\\A\\z20.jpg"_qs)));
        QTRY_VERIFY(nummer(u"z20.jpg"_qs) >= 0);
        QVERIFY(g->picFilnavn.isEmpty() && g->Navnfelt->text().isEmpty());
        QVERIFY(!g->ADelete->isEnabled());

        // Removed files: the page moves back only as far as it must, and the
        // pictures left are not made again.
        g->BibPan->NytStartNr(g->BibPan->AntalIalt() - g->BibPan->Antal(), true);
        QTRY_VERIFY(g->BibPan->faerdig());
        QTest::qWait(50);
        const int leveret = g->BibPan->pulje().antalLeverede();
        for (int i = 30; i < 40; ++i)
            QVERIFY(QFile::remove(tp->host(u"C:\\A\\a%1.jpg"_qs.arg(i))));
        QTRY_COMPARE(g->BibPan->AntalIalt(), 31);
        QCOMPARE(g->BibPan->StartNr(), 31 - g->BibPan->Antal());
        QCOMPARE(g->BibRul->PosMax(), 31 - g->BibPan->Antal());
        QTest::qWait(50);
        QCOMPARE(g->BibPan->pulje().antalLeverede(), leveret);

        // Once another folder is loaded, the first one's changes are not shown.
        vis(u"C:\\B"_qs);
        g->Amappe->trigger();
        skriv(u"C:\\A\\ny.jpg"_qs, jpeg(64, 48));
        skriv(u"C:\\B\\ny.jpg"_qs, jpeg(64, 48));
        QTRY_COMPARE(g->BibPan->AntalIalt(), 41);
        QCOMPARE(g->mappeFelt->text(), u"C:\\B"_qs);
        for (int i = 0; i < g->BibPan->AntalIalt(); ++i)
            QVERIFY(g->BibPan->GetFilnavn(i, true).startsWith(u"C:\\B\\"_qs));

    }

    void settingsClampedAndKept()
    {
        // A damaged settings file: counts beyond any screen, an unknown colour, a huge window far off.
        TEgenskaber e;
        QStringList linjer = e.skriv();
        linjer[53] = u"700"_qs;
        linjer[54] = u"0"_qs;
        linjer[55] = linjer[56] = u"30000"_qs;
        linjer[57] = linjer[58] = u"-30000"_qs;
        linjer[59] = u"99"_qs;
        const QString fil = f->optFilnavn;
        f.reset();
        QVERIFY(writeWholeFile(fil, linjer.join(u"\r\n"_qs).toLatin1()));
        f = std::make_unique<Tmainform>();
        f->show();
        QVERIFY(udfoer("aGalleri"));
        g = f->galform;
        // As many across as the grid has room for, and the edit says so.
        QVERIFY(g->AntalV > 4 && g->AntalV < maxFeltAntal);
        QCOMPARE(g->BVedit->text(), QString::number(g->BibPan->AntalVandret()));
        QCOMPARE(g->AntalL, 1);
        QCOMPARE(g->colIndex, 4);
        const QRect skaerm = g->screen()->availableGeometry();
        QVERIFY(g->width() <= skaerm.width() && g->height() <= skaerm.height());
        QVERIFY(skaerm.contains(g->pos()));

        // What the user leaves is there at the next start.
        g->saetAntal(3, 2);
        g->ddFarver->actions().at(11)->trigger();
        QCOMPARE(g->BibPan->FeltFarve(), QColor(0, 128, 255));
        g->move(skaerm.topLeft() + QPoint(30, 40));
        const QPoint sted = g->pos();
        g->close();
        QVERIFY(udfoer("aGalleri"));
        QCOMPARE(g->BVedit->text(), u"3"_qs);
        QCOMPARE(g->pos(), skaerm.topLeft());  // back where the settings had it at start
        g->move(sted + QPoint(5, 5));
        g->resize(700, 650);
        f->close();
        f.reset();
        f = std::make_unique<Tmainform>();
        f->show();
        QCOMPARE(f->egenskaber.GBoxV, 3);
        QCOMPARE(f->egenskaber.GBoxL, 2);
        QCOMPARE(f->egenskaber.colIndex, 11);
        QCOMPARE(QPoint(f->egenskaber.GBoxLeft, f->egenskaber.GBoxTop), sted + QPoint(5, 5));
        QCOMPARE(f->egenskaber.GBoxW, 700);
        QVERIFY(udfoer("aGalleri"));
        QCOMPARE(f->galform->AntalL, 2);
        QCOMPARE(f->galform->pos(), sted + QPoint(5, 5));
    }

    void fieldsFramedFlatInBlueAndSizesOnlyWhenKnown()
    {
        skriv(u"C:\\Fotos\\ødelagt.jpg"_qs, jpeg(64, 48).left(40));
        aabnOgIndlaes(u"C:\\Fotos"_qs);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        TBibPan* pan = g->BibPan;
        // Pressed, then focused: the whole ring blue, no light or shadow edge.
        auto ring = [&](int felt) {
            const QImage b = pan->grab().toImage();
            const QRect r = pan->F[size_t(felt)].YR;
            const QPoint midt = r.center();
            return QList<QColor>{b.pixelColor(r.left(), midt.y()), b.pixelColor(midt.x(), r.top()),
                                 b.pixelColor(r.right(), midt.y()), b.pixelColor(midt.x(), r.bottom())};
        };
        const QList<QColor> blaa(4, QColor(Qt::blue));
        QTest::mousePress(pan, Qt::LeftButton, {}, pan->F[1].IR.center());
        QCOMPARE(pan->F[1].Sit, quint8(2));
        QCOMPARE(ring(1), blaa);
        QTest::mouseRelease(pan, Qt::LeftButton, {}, pan->F[1].IR.center());
        QCOMPARE(pan->F[1].Sit, quint8(3));
        QCOMPARE(ring(1), blaa);
        QCOMPARE(ring(0), QList<QColor>(4, g->palette().color(QPalette::Button)));
        QCOMPARE(g->Breddefelt->text(), u"64"_qs);

        // A picture that cannot be decoded has no size to show, in the fields or its tooltip.
        vaelg(u"ødelagt.jpg"_qs);
        QVERIFY(g->Breddefelt->text().isEmpty());
        QVERIFY(g->Hojdefelt->text().isEmpty());

        // More fields than the grid has room for: the edit shows those shown.
        g->saetAntal(150, 1);
        QVERIFY(g->BibPan->AntalVandret() < 150);
        QCOMPARE(g->BVedit->text(), QString::number(g->BibPan->AntalVandret()));
        QCOMPARE(g->AntalV, g->BibPan->AntalVandret());
        QCOMPARE(status(), u"Der er ikke plads til flere felter"_qs);
        g->BVknapMinus->click();
        QCOMPARE(g->BibPan->AntalVandret(), g->AntalV);
        QCOMPARE(g->BVedit->text(), QString::number(g->AntalV));
    }

    void wheelStepsAndDoubleClicks()
    {
        aabnOgIndlaes(u"C:\\A"_qs);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        TBibPan* pan = g->BibPan;
        QCOMPARE(pan->Antal(), 4);
        auto hjul = [&](QPoint vinkel) {
            const QPointF p = pan->F[0].IR.center();
            QWheelEvent e(p, pan->mapToGlobal(p), QPoint(), vinkel, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(pan, &e);
        };
        // A notch moves one step of the shaft; sideways pages nothing.
        hjul({0, -240});
        QCOMPARE(pan->StartNr(), 2);
        QCOMPARE(g->BibRul->Position(), 2);
        hjul({-120, 0});
        QCOMPARE(pan->StartNr(), 2);

        // Opened by a double click on the picture, never on a gap or an empty field.
        auto& skal = kvtest::FakeSkal::install();
        vis(u"C:\\Fotos"_qs);
        g->saetAntal(6, 1);
        g->Amappe->trigger();
        QTRY_VERIFY(pan->faerdig());
        QCOMPARE(pan->Antal(), 4);
        QTest::mouseClick(pan, Qt::LeftButton, {}, pan->F[0].IR.center());
        QTest::mouseDClick(pan, Qt::LeftButton, {}, pan->F[0].IR.center());
        QCOMPARE(skal.kald, QStringList{u"aabn C:\\Fotos\\a.jpg"_qs});
        const QPoint mellem(pan->F[0].YR.right() + 1, pan->F[0].YR.center().y());
        QCOMPARE(pan->feltVed(mellem), -1);
        QTest::mouseDClick(pan, Qt::LeftButton, {}, mellem);
        QTest::mouseDClick(pan, Qt::LeftButton, {}, pan->F[5].IR.center());
        QCOMPARE(skal.kald.size(), 1);
    }

    void actionsDisabledWhileBusy()
    {
        aabnOgIndlaes(u"C:\\Fotos"_qs);
        vaelg(u"a.jpg"_qs);
        QVERIFY(g->ADelete->isEnabled() && g->AKopier->isEnabled() && g->Avis->isEnabled());
        // The main window deletes C:\A\a1.jpg and asks first; meanwhile the box is used.
        politik(OverskrivIkke, 0);
        vis(u"C:\\A"_qs);
        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"a1.jpg"_qs, Qt::MatchExactly).first());
        bool set = false;
        kvtest::DialogSvarer ja;
        ja.foerSvar = [&] {
            if (set)
                return;
            set = true;
            QVERIFY(f->optaget());
            g->vaelgBillede(nummer(u"c.jpg"_qs));
            g->opdaterHandlinger();
            for (QAction* a : {g->Avis, g->AOpenPic, g->AKopier, g->ADelete, g->AkopierMappe})
                QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
            g->ADelete->trigger();
            g->AKopier->trigger();
            QVERIFY(f->optaget());  // choosing did not end the operation's guard
        };
        QVERIFY(udfoer("DeleteToPapirkurv"));
        QVERIFY(set);
        QVERIFY(!findes(u"C:\\A\\a1.jpg"_qs));
        QVERIFY(findes(u"C:\\Fotos\\c.jpg"_qs));
        QCOMPARE(f->Filliste->topLevelItemCount(), 0);
        g->opdaterHandlinger();
        QVERIFY(g->ADelete->isEnabled());

        // Shown in Struktur 2, selected; put on the copy list.
        g->Avis->trigger();
        QCOMPARE(f->funk->FFilMappe, u"C:\\Fotos"_qs);
        QCOMPARE(recAf(f->FilStruktur->currentItem())->filnavn, u"C:\\Fotos\\c.jpg"_qs);
        g->AKopier->trigger();
        QCOMPARE(f->Filliste->topLevelItemCount(), 1);
    }
};

KV_TEST_MAIN(TstGalform)
#include "tst_galform.moc"

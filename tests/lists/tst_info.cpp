// The help window: its history, the link under the pointer, links that stay
// inside and web links that go to the browser, a missing page, the outside
// window's place, the help buttons, and every installed page with its links
// and pictures.
#include "FakeSkal.h"
#include "Hjaelpesider.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "calendar/Tkalenderform.h"
#include "lists/Tinfoform.h"
#include "platform/TextFile.h"
#include "structures/Tmappestrukturform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

using namespace kv;
using kvtest::TestPlatform;

namespace {

const QString infoMappe = u"C:\\Kvistlund\\Program\\Information\\"_qs;

// The page file names every help button of the program asks for.
const QStringList alleSider = {
    u"information.html"_qs, u"Genvejstaster.html"_qs, u"Informationen.html"_qs, u"Struktur1.html"_qs,
    u"Struktur2.html"_qs, u"Struktur3.html"_qs, u"Hjem.html"_qs, u"Mapper.html"_qs, u"AndreFunktioner.html"_qs,
    u"Internet.html"_qs, u"WMI.html"_qs, u"Design.html"_qs, u"Spalteregulering.html"_qs,
    u"InsertProgrammer.html"_qs, u"SituationsInfo.html"_qs, u"Histmapper.html"_qs, u"Favoritmapper.html"_qs,
    u"Favoritfiler.html"_qs, u"Programlisten.html"_qs, u"Find.html"_qs, u"Fremvis filtype.html"_qs, u"Ur.html"_qs,
    u"Notater.html"_qs, u"Programmer.html"_qs, u"Window applets.html"_qs, u"Genveje.html"_qs,
    u"Webadresser.html"_qs, u"Findboksen.html"_qs, u"Mappestrukturer.html"_qs, u"Kalender.html"_qs,
    u"Alarmer.html"_qs, u"Fil.html"_qs, u"Drev.html"_qs, u"Mappe.html"_qs, u"Billedboks.html"_qs,
    u"Kopier.html"_qs, u"Paste.html"_qs, u"Klip.html"_qs, u"Sti.html"_qs, u"Slet element.html"_qs,
    u"Omdoob element.html"_qs, u"Omdoob filtype.html"_qs, u"Ny mappe.html"_qs, u"Tekstfil.html"_qs,
    u"Vaalg.html"_qs, u"Koor.html"_qs, u"Rediger.html"_qs, u"Program.html"_qs, u"Opret musikliste.html"_qs,
    u"Opret filmliste.html"_qs, u"Opret billedliste.html"_qs};

QString kildeMappe() { return QStringLiteral(KV_SOURCE_DIR) + u"/program/Information/"_qs; }

// A point inside the character at the position, in viewport coordinates.
QPoint tegnPunkt(QTextBrowser* b, int position)
{
    QTextCursor c(b->document());
    c.setPosition(position + 1);
    const QRect r = b->cursorRect(c);
    return QPoint(r.left() - 2, r.center().y());
}

// A point on the first piece of text (or picture) that links to href.
QPoint linkPunkt(QTextBrowser* b, const QString& href)
{
    for (QTextBlock blok = b->document()->begin(); blok.isValid(); blok = blok.next()) {
        for (auto it = blok.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() == href)
                return tegnPunkt(b, it.fragment().position());
        }
    }
    return {};
}

} // namespace

class TstInfo : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    kvtest::FakeSkal* skal = nullptr;
    std::unique_ptr<Tmainform> f;

    Tinfoform* hjaelp() const { return f->infoform; }
    QString vist() const { return hjaelp()->browser->source().fileName(); }
    void klik(const char* knap) { f->findChild<QToolButton*>(QString::fromLatin1(knap))->click(); }
    void klikLink(const QString& href)
    {
        const QPoint p = linkPunkt(hjaelp()->browser, href);
        QVERIFY2(!p.isNull(), qPrintable(href));
        QTest::mouseClick(hjaelp()->browser->viewport(), Qt::LeftButton, {}, p);
    }
    void svaev(const QPoint& p)
    {
        QMouseEvent e(QEvent::MouseMove, p, hjaelp()->browser->viewport()->mapToGlobal(p), Qt::NoButton, {}, {});
        QCoreApplication::sendEvent(hjaelp()->browser->viewport(), &e);
    }
    void side(const QString& navn, const QByteArray& html)
    {
        tp->makeFile(infoMappe + navn, html);
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        skal = &kvtest::FakeSkal::install();
        QStringList filer{u"Information\\hjaelp.css"_qs};
        for (const QString& s : alleSider)
            filer << u"Information\\"_qs + s;
        tp->installProgramFiles(filer);
        tp->installStartFiles();
        f = std::make_unique<Tmainform>();
        f->resize(1200, 800);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup()
    {
        f.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void historyThroughTheToolbar()
    {
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), Qt::Key_F1);
        QVERIFY(hjaelp());
        QCOMPARE(hjaelp()->windowTitle(), u"Velkommen!"_qs);
        QCOMPARE(vist(), u"information.html"_qs);
        QCOMPARE(f->webSide, u"information.html"_qs);
        QCOMPARE(f->tc->tabText(f->tc->currentIndex()), u"Information"_qs);
        QVERIFY(!f->findChild<QCheckBox*>(u"CheckInfo"_qs)->isEnabled());
        QVERIFY(!hjaelp()->aBack->isEnabled() && !hjaelp()->aFirst->isEnabled());

        klik("ToolButton1");
        klik("ToolButton3");
        klik("ToolButton1");
        QCOMPARE(hjaelp()->urlSL, (QStringList{u"information.html"_qs, u"Klip.html"_qs, u"Kopier.html"_qs}));
        QCOMPARE(hjaelp()->urlIndex, 2);
        QCOMPARE(hjaelp()->windowTitle(), u"Kopier"_qs);
        QVERIFY(hjaelp()->aBack->isEnabled() && hjaelp()->aFirst->isEnabled());
        QVERIFY(!hjaelp()->aForward->isEnabled() && !hjaelp()->aLast->isEnabled());
        hjaelp()->aBack->trigger();
        QCOMPARE(vist(), u"Klip.html"_qs);
        QCOMPARE(hjaelp()->windowTitle(), u"Information"_qs);
        QCOMPARE(hjaelp()->urlIndex, 1);
        QVERIFY(hjaelp()->aForward->isEnabled() && hjaelp()->aLast->isEnabled());
        hjaelp()->aFirst->trigger();
        QCOMPARE(vist(), u"information.html"_qs);
        QVERIFY(!hjaelp()->aBack->isEnabled() && !hjaelp()->aFirst->isEnabled());
        hjaelp()->aLast->trigger();
        QCOMPARE(vist(), u"Kopier.html"_qs);
        // Moving through the history records nothing; a name in other case is the same page.
        QCOMPARE(hjaelp()->urlSL.size(), 3);
        f->InfoHelp(u"klip.html"_qs, QString());
        QCOMPARE(hjaelp()->urlSL, (QStringList{u"information.html"_qs, u"Kopier.html"_qs, u"klip.html"_qs}));
        QCOMPARE(hjaelp()->windowTitle(), u"Information"_qs);

        // One window only; closing gives the box back and forgets the page.
        f->handlinger->opdaterAlle();
        f->handling("progInformation")->trigger();
        QCOMPARE(f->tc->count(), 1);
        QCOMPARE(vist(), u"information.html"_qs);
        hjaelp()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!hjaelp());
        QVERIFY(f->webSide.isEmpty());
        QVERIFY(f->findChild<QCheckBox*>(u"CheckInfo"_qs)->isEnabled());
        QVERIFY(f->tc->isHidden());
    }

    void linksUnderThePointerAndFollowed()
    {
        side(u"start.html"_qs,
             "<html><body><p>Tekst uden link</p>"
             "<p><a href=\"m%C3%A5l%20side.html\">Til siden</a></p>"
             "<p><a href=\"Klip.html\"><img src=\"billede.png\" width=\"40\" height=\"20\"></a></p>"
             "<p><a href=\"Kopier.html#slut\" target=\"_blank\">Nyt vindue</a></p>"
             "<p><a href=\"https://example.org/side?a=1&amp;b=2\">Nettet</a></p>"
             "<p><a href=\"javascript:alert(1)\">Script</a></p>"
             "<p><a href=\"mailto:a@example.org\">Post</a></p>"
             "<p><a href=\"../Egenskaber/MainEgenskaber.txt\">Udenfor</a></p></body></html>");
        side(u"mål side.html"_qs, "<html><body><h1>Målet</h1></body></html>");
        f->InfoHelp(u"start.html"_qs, u"Start"_qs);
        QTRY_VERIFY(!linkPunkt(hjaelp()->browser, u"Klip.html"_qs).isNull());

        svaev(linkPunkt(hjaelp()->browser, u"m%C3%A5l%20side.html"_qs));
        QCOMPARE(hjaelp()->globalUrl, u"mål side.html"_qs);
        QCOMPARE(hjaelp()->StatusBar->currentMessage(), hjaelp()->globalUrl);
        // A picture inside a link shows the link.
        svaev(linkPunkt(hjaelp()->browser, u"Klip.html"_qs));
        QCOMPARE(hjaelp()->globalUrl, u"Klip.html"_qs);
        svaev(linkPunkt(hjaelp()->browser, u"https://example.org/side?a=1&b=2"_qs));
        QCOMPARE(hjaelp()->StatusBar->currentMessage(), u"https://example.org/side?a=1&b=2"_qs);
        svaev(linkPunkt(hjaelp()->browser, u"javascript:alert(1)"_qs));
        QVERIFY(hjaelp()->globalUrl.isEmpty());
        svaev(tegnPunkt(hjaelp()->browser, 3));
        QVERIFY(hjaelp()->globalUrl.isEmpty());
        QVERIFY(hjaelp()->StatusBar->currentMessage().isEmpty());

        // Nothing leaves the window but web links, and they go to the browser.
        for (const char* ingen : {"javascript:alert(1)", "mailto:a@example.org", "../Egenskaber/MainEgenskaber.txt"})
            klikLink(QString::fromLatin1(ingen));
        QCOMPARE(vist(), u"start.html"_qs);
        QCOMPARE(hjaelp()->urlSL, QStringList{u"start.html"_qs});
        QVERIFY(skal->kald.isEmpty());
        klikLink(u"https://example.org/side?a=1&b=2"_qs);
        QCOMPARE(skal->startet.size(), 1);
        QCOMPARE(skal->startet[0].kommando, (QStringList{u"xdg-open"_qs, u"https://example.org/side?a=1&b=2"_qs}));
        QCOMPARE(vist(), u"start.html"_qs);

        // A name with spaces and a Danish letter; a new-window link stays here.
        klikLink(u"m%C3%A5l%20side.html"_qs);
        QCOMPARE(vist(), u"mål side.html"_qs);
        QCOMPARE(hjaelp()->windowTitle(), u"Information"_qs);
        hjaelp()->aBack->trigger();
        klikLink(u"Kopier.html#slut"_qs);
        QCOMPARE(vist(), u"Kopier.html"_qs);
        QCOMPARE(hjaelp()->urlSL, (QStringList{u"start.html"_qs, u"mål side.html"_qs, u"Kopier.html"_qs}));
        QCOMPARE(f->tc->count(), 1);
    }

    void aMissingPageSaysWhich()
    {
        f->InfoHelp(u"Kopier.html"_qs, u"Kopier"_qs);
        const QString kopier = hjaelp()->browser->toPlainText();
        f->InfoHelp(u"Mangler <b>&amp;.html"_qs, u"X"_qs);
        QVERIFY(hjaelp()->browser->toPlainText().contains(u"\"Mangler <b>&amp;.html\""_qs));
        QCOMPARE(hjaelp()->Hjemmeside, infoMappe + u"Mangler <b>&amp;.html"_qs);
        // The page shown before comes back whole.
        hjaelp()->aBack->trigger();
        QCOMPARE(hjaelp()->browser->toPlainText(), kopier);
        // A page of another folder is no help page.
        f->InfoHelp(u"../Egenskaber/MainEgenskaber.txt"_qs, QString());
        QVERIFY(hjaelp()->browser->toPlainText().contains(u"findes ikke"_qs));
    }

    void outsideWindowKeepsItsPlace()
    {
        f->findChild<QCheckBox*>(u"CheckInfo"_qs)->setChecked(true);
        const QString fil = f->OptMappe + u"\\Information.txt"_qs;
        QVERIFY(writeTextLines(fil, {u"120"_qs, u"abc"_qs, u"500"_qs}));
        f->InfoHelp(u"Kopier.html"_qs, u"Kopier"_qs);
        QVERIFY(hjaelp()->isWindow() && f->tc->isHidden());
        QCOMPARE(hjaelp()->pos(), QPoint(20, 40));
        QCOMPARE(hjaelp()->size(), QSize(580, 580));
        // Taller is allowed, wider is not.
        hjaelp()->resize(900, 450);
        QCOMPARE(hjaelp()->size(), QSize(580, 450));
        hjaelp()->move(130, 90);
        hjaelp()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(*readTextLines(fil), (QStringList{u"130"_qs, u"90"_qs, u"450"_qs}));
        f->InfoHelp(u"Klip.html"_qs, u"Klip"_qs);
        QCOMPARE(hjaelp()->pos(), QPoint(130, 90));
        QCOMPARE(hjaelp()->height(), 450);
    }

    void everyHelpButtonOpensItsPage()
    {
        const struct {
            const char* knap;
            QString side, titel;
        } knapper[] = {
            {"infoKnap", u"information.html"_qs, u"Velkommen!"_qs},
            {"genvejsKnap", u"Genvejstaster.html"_qs, u"Genvejstaster"_qs},
            {"infoKnap1", u"Struktur1.html"_qs, u"Mappestrukturen!"_qs},
            {"InfoSide3", u"AndreFunktioner.html"_qs, u"Andre funktioner"_qs},
            {"InfoSide7", u"Spalteregulering.html"_qs, u"Spalteregulering"_qs},
            {"infoSitKnap", u"SituationsInfo.html"_qs, u"Situations information"_qs},
            {"infoBmKnap", u"Histmapper.html"_qs, u"Besøgte mapper"_qs},
            {"programInfoKnap", u"Programlisten.html"_qs, u"Programmer"_qs},
            {"tbInfo3", u"Struktur3.html"_qs, u"Struktur 3"_qs},
            {"infoFindKnap", u"Find.html"_qs, u"Find i mappe og filnavne"_qs},
            {"infoExtButton", u"Fremvis filtype.html"_qs, u"Filefternavne"_qs},
            {"ToolButton17", u"Opret billedliste.html"_qs, u"Billedliste"_qs},
        };
        for (const auto& k : knapper) {
            klik(k.knap);
            QCOMPARE(vist(), k.side);
            QCOMPARE(hjaelp()->windowTitle(), k.titel);
        }
        // The pages "Internet" and "WMI" are made the first time they are used.
        f->internetside();
        f->wmiSide();
        for (const char* k : {"genvejsKnap", "infoAF", "infoKnap2", "infoKnap3", "InfoSide1", "InfoSide2", "InfoSide4",
                              "InfoSide5", "InfoSide6", "infProgramKnap", "FavoritInfo", "FavoFilerKnap"})
            QVERIFY2(f->findChild<QToolButton*>(QString::fromLatin1(k)), k);

        f->aabnMappestrukturform();
        f->mappestrukturform->findChild<QPushButton*>(u"ButtonInfo"_qs)->click();
        QCOMPARE(vist(), u"Mappestrukturer.html"_qs);
        f->aabnKalenderform();
        f->kalenderform->findChild<QPushButton*>(u"infButtonAla"_qs)->click();
        QCOMPARE(vist(), u"Alarmer.html"_qs);
        QCOMPARE(hjaelp()->windowTitle(), u"Alarmer"_qs);
        QCOMPARE(f->tc->tabText(f->tc->currentIndex()), u"Information"_qs);
    }

    void everyPageIsInstalledAndItsLinksLead()
    {
        const QDir mappe(kildeMappe());
        const QStringList installeret = mappe.entryList({u"*.html"_qs}, QDir::Files);
        QCOMPARE(QSet<QString>(alleSider.begin(), alleSider.end()).size(), 51);
        for (const QString& s : alleSider)
            QVERIFY2(installeret.contains(s), qPrintable(s));
        QTextBrowser b;
        int billeder = 0;
        for (const QString& s : installeret) {
            b.setSource(QUrl::fromLocalFile(mappe.filePath(s)));
            QVERIFY2(!b.toPlainText().trimmed().isEmpty(), qPrintable(s));
            QStringList maal;
            for (const QString& link : kvtest::sideLinks(*b.document())) {
                const QUrl url = b.source().resolved(QUrl(link));
                if (url.scheme() == u"https" || url.scheme() == u"http")
                    continue;
                QVERIFY2(url.isLocalFile() && installeret.contains(url.fileName())
                             && QFileInfo(url.toLocalFile()).absolutePath() == mappe.absolutePath(),
                         qPrintable(s + u": "_qs + link));
                maal << url.fileName();
            }
            // Pictures come from the folder the build writes beside the pages, in both sizes.
            for (const QString& kilde : kvtest::sideBilleder(*b.document())) {
                const QUrl url = b.source().resolved(QUrl(kilde));
                const QString del = mappe.relativeFilePath(url.toLocalFile());
                QVERIFY2(url.isLocalFile() && !del.startsWith(u".."_qs), qPrintable(s + u": "_qs + kilde));
                const QString fil = QStringLiteral(KV_HJAELP_UD) + u'/' + del;
                QVERIFY2(!QImage(fil).isNull(), qPrintable(s + u": "_qs + kilde));
                QVERIFY2(!QImage(fil.chopped(4) + u"@2x.png"_qs).isNull(), qPrintable(s + u": "_qs + kilde));
                ++billeder;
            }
            // The contents page leads to every page.
            if (s == u"information.html")
                for (const QString& side : alleSider)
                    QVERIFY2(side == s || maal.contains(side), qPrintable(side));
        }
        QVERIFY(billeder >= 12);
    }
};

KV_TEST_MAIN(TstInfo)
#include "tst_info.moc"

// New files from templates and HTML play lists, through the main window's
// actions on the test drives.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "KopieringsTest.h"
#include "TestMain.h"
#include "fileops/Spilleliste.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QDir>
#include <QHash>
#include <QTreeWidget>
#include <cerrno>

using namespace kv;

namespace {

QByteArray linjer(std::initializer_list<const char*> l)
{
    QByteArray ud("\xEF\xBB\xBF");
    for (const char* s : l)
        ud += QByteArray(s) + "\r\n";
    return ud;
}

} // namespace

class TstSkabeloner : public kvtest::KopieringsTest {
    Q_OBJECT

    kvtest::FakeSkal& skal() { return static_cast<kvtest::FakeSkal&>(Skal::instance()); }
    QString valgt() const
    {
        QTreeWidgetItem* n = f->FilStruktur->currentItem();
        return n && n->isSelected() ? n->text(0) : QString();
    }
    QStringList navne(const QString& mappe)
    {
        return QDir(tp->host(mappe)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    void vaelg(const QStringList& captions)
    {
        f->FilStruktur->clearSelection();
        for (const QString& c : captions) {
            const auto fundne = f->FilStruktur->findItems(c, Qt::MatchExactly);
            QVERIFY2(!fundne.isEmpty(), qPrintable(c));
            fundne.first()->setSelected(true);
            f->funk->FFilnavn = u"C:\\M\\"_qs + c;
        }
    }

private slots:
    void init() { startVindue([] {}); }
    void cleanup() { slutVindue(); }

    void skeletterOgFrieNavne()
    {
        tp->makeFolder(u"C:\\M\\Tekstfil.txt"_qs);
        vis(u"C:\\M"_qs);
        for (const char* n : {"fil01", "fil01", "skrivTekstfil"})
            QVERIFY(udfoer(n));
        // The folder holds the plain name, so the files take the next ones.
        for (const QString& n : {u"Tekstfil (1).txt"_qs, u"Tekstfil (2).txt"_qs, u"Tekstfil (3).txt"_qs})
            QCOMPARE(indhold(u"C:\\M\\"_qs + n), QByteArray());
        QCOMPARE(valgt(), u"Tekstfil (3).txt"_qs);
        QCOMPARE(f->funk->FFilnavn, u"C:\\M\\Tekstfil (3).txt"_qs);
        QCOMPARE(f->funk->AktiveStruktur(), 2);

        QVERIFY(udfoer("fil03"));
        QCOMPARE(indhold(u"C:\\M\\Hjemmeside.html"_qs),
                 linjer({"<!DOCTYPE html>", "<html>", "<head>", "<title></title>", "</head>", "<body>", "", "</body>",
                         "</html>"}));
        QCOMPARE(valgt(), u"Hjemmeside.html"_qs);
        QVERIFY(udfoer("fil04"));
        QCOMPARE(indhold(u"C:\\M\\ASP.asp"_qs),
                 linjer({"<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>", "<!DOCTYPE html>", "<html>", "<head>",
                         "<title></title>", "</head>", "<body>", "", "</body>", "</html>"}));
        QVERIFY(udfoer("fil010"));
        QCOMPARE(indhold(u"C:\\M\\WindowsScriptFiles.wsf"_qs),
                 linjer({"<job id=\"\">", "<script language=\"VBScript\">", "", "</script>", "</job>"}));
        QVERIFY(udfoer("fil02"));
        QCOMPARE(indhold(u"C:\\M\\RichText.rtf"_qs), QByteArray());
        // Only the exact lower-case extension has a skeleton.
        QVERIFY(f->funk->SkrivTekstfil(u"Side.HTML"_qs, Tekstdokument));
        QCOMPARE(indhold(u"C:\\M\\Side.HTML"_qs), QByteArray());
        QVERIFY(!navne(u"C:\\M"_qs).join(u' ').contains(u".tmp"_qs));
    }

    void afvisteNavne()
    {
        tp->makeFolder(u"C:\\M"_qs);
        vis(u"C:\\M"_qs);
        const QStringList foer = navne(u"C:\\M"_qs);
        {
            kvtest::DialogSvarer svar;
            QVERIFY(!f->funk->SkrivTekstfil(u"Foto.JPG"_qs, Tekstdokument));
            QCOMPARE(svar.tekster, QStringList{u"Der kan ikke oprettes billedfiler."_qs});
        }
        {
            kvtest::DialogSvarer nej(false);
            QVERIFY(!f->funk->SkrivTekstfil(u"data.xyz"_qs, Tekstdokument));
            QCOMPARE(nej.tekster.size(), 1);
            QVERIFY(nej.tekster.first().contains(u"Filen er ikke genkendt som en tekstfil."_qs));
        }
        {
            kvtest::DialogSvarer svar;
            QVERIFY(!f->funk->SkrivTekstfil(u"a\\b.txt"_qs, Tekstdokument));
            QCOMPARE(svar.tekster.size(), 1);
        }
        QCOMPARE(navne(u"C:\\M"_qs), foer);
        kvtest::DialogSvarer ja;
        QVERIFY(f->funk->SkrivTekstfil(u"data.xyz"_qs, Tekstdokument));
        QCOMPARE(indhold(u"C:\\M\\data.xyz"_qs), QByteArray());
    }

    // Every name escaped where it lands; entries in tree order; folders
    // without a dot left out; the page opened once it is whole.
    void spillelister()
    {
        const QStringList filer = {u"a\"b.mp4"_qs, u"<i>.mp4"_qs, u"#1 %20.mp4"_qs, u"æble.mp4"_qs};
        for (const QString& n : filer)
            tp->makeFile(u"C:\\M\\"_qs + n);
        tp->makeFolder(u"C:\\M\\Ferie"_qs);
        tp->makeFolder(u"C:\\M\\Ferie.2020"_qs);
        vis(u"C:\\M"_qs);
        vaelg({u"æble.mp4"_qs, u"Ferie"_qs, u"a\"b.mp4"_qs, u"Ferie.2020"_qs, u"<i>.mp4"_qs, u"#1 %20.mp4"_qs});
        QVERIFY(udfoer("aHTMLfilmliste"));
        const QString side = u"C:\\M\\Film_afspilningsliste.html"_qs;
        QCOMPARE(skal().kald, QStringList{u"aabn "_qs + side});
        QCOMPARE(valgt(), u"Film_afspilningsliste.html"_qs);
        QVERIFY(indhold(side).startsWith("\xEF\xBB\xBF<!DOCTYPE html>\r\n"));
        const QString html = QString::fromUtf8(indhold(side));

        QString url = QString::fromLatin1(tp->hostBytes(u"C:\\M"_qs).toPercentEncoding("/"));
        QVERIFY2(html.contains(u"<base href=\"file://"_qs + url + u"/\">"_qs), qPrintable(html.left(300)));
        // The entries follow the tree, whatever order they were selected in.
        QStringList orden;
        for (int i = 0; i < f->FilStruktur->topLevelItemCount(); ++i) {
            const QString t = f->FilStruktur->topLevelItem(i)->text(0);
            if (t != u"Ferie"_qs && !t.endsWith(u".html"_qs))
                orden << t;
        }
        QCOMPARE(orden.size(), 5);
        const QHash<QString, QString> kilde = {{u"a\"b.mp4"_qs, u"a%22b.mp4"_qs},
                                               {u"<i>.mp4"_qs, u"%3Ci%3E.mp4"_qs},
                                               {u"#1 %20.mp4"_qs, u"%231%20%2520.mp4"_qs},
                                               {u"æble.mp4"_qs, u"%C3%A6ble.mp4"_qs},
                                               {u"Ferie.2020"_qs, u"Ferie.2020"_qs}};
        const QHash<QString, QString> tekst = {{u"a\"b.mp4"_qs, u"a&quot;b.mp4"_qs},
                                               {u"<i>.mp4"_qs, u"&lt;i&gt;.mp4"_qs},
                                               {u"#1 %20.mp4"_qs, u"#1 %20.mp4"_qs},
                                               {u"æble.mp4"_qs, u"æble.mp4"_qs},
                                               {u"Ferie.2020"_qs, u"Ferie.2020"_qs}};
        qsizetype forrige = 0;
        for (int i = 0; i < orden.size(); ++i) {
            const QString blok = u"case "_qs + QString::number(i) + u":\r\neleSrc=\""_qs + kilde[orden[i]]
                               + u"\";\r\nbreak;\r\n"_qs;
            QVERIFY2(html.contains(blok), qPrintable(blok));
            const qsizetype raekke = html.indexOf(u" <td>"_qs + tekst[orden[i]] + u"</td>\r\n"_qs);
            QVERIFY2(raekke > forrige, qPrintable(orden[i]));
            forrige = raekke;
            QVERIFY(html.contains(u"afspil("_qs + QString::number(i) + u",'melodi"_qs + QString::number(i)
                                  + u"')\">Afspil</button>"_qs));
        }
        QVERIFY(html.contains(u"<source src=\""_qs + kilde[orden[0]] + u"\">"_qs));
        QVERIFY(html.contains(u"id=\"melodi0\" disabled checked></td>"_qs));
        QVERIFY(!html.contains(u"Ferie\""_qs) && !html.contains(u"<i>"_qs) && !html.contains(u"a\"b"_qs));
        QVERIFY(html.endsWith(u"</body>\r\n</html>\r\n"_qs));

        // The escapes on their own, for what no file name can hold.
        QCOMPARE(scriptTekst(u"</script>\"\\"_qs), u"\\u003c/script\\u003e\\u0022\\u005c"_qs);
        QCOMPARE(htmlTekst(u"</script>&'"_qs), u"&lt;/script&gt;&amp;&#39;"_qs);
        QCOMPARE(urlNavn(u"a/b?c.mp3"_qs), u"a%2Fb%3Fc.mp3"_qs);

        // A second list beside the first one, and the other two kinds.
        QVERIFY(udfoer("aHTMLfilmliste"));
        QVERIFY(findes(u"C:\\M\\Film_afspilningsliste (1).html"_qs));
        vaelg({u"æble.mp4"_qs});
        QVERIFY(udfoer("aHTMLmusikliste"));
        const QString musik = QString::fromUtf8(indhold(u"C:\\M\\Musik_afspilningsliste.html"_qs));
        QVERIFY(musik.contains(u"<title>Musikliste</title>"_qs) && musik.contains(u"content: \"\\266C\" \" \";"_qs));
        QVERIFY(musik.contains(u"<audio controls id=\"afspiller\" style=\"width: auto;\">\r\n<source src=\"%C3%A6ble.mp4\">"_qs));
        vaelg({u"æble.mp4"_qs});
        QVERIFY(udfoer("aHTMLbilledliste"));
        const QString billeder = QString::fromUtf8(indhold(u"C:\\M\\Billed_afspilningsliste.html"_qs));
        QVERIFY(billeder.contains(u"onclick=\"setProcent(100)\">100%</td>"_qs));
        QVERIFY(billeder.contains(u")\">Vis</button></td>"_qs));
    }

    // A failure writes nothing, leaves no temporary file and opens nothing.
    void spillelisteFejl()
    {
        tp->makeFile(u"C:\\M\\a.mp3"_qs);
        tp->makeFolder(u"C:\\M\\Ferie"_qs);
        vis(u"C:\\M"_qs);
        const QStringList foer = navne(u"C:\\M"_qs);
        saetFejlKrog([](FejlPunkt p, const QByteArray&, qint64) { return p == FejlPunkt::AabnSkrivning ? ENOSPC : 0; });
        vaelg({u"a.mp3"_qs});
        {
            kvtest::DialogSvarer svar;
            QVERIFY(udfoer("aHTMLmusikliste"));
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster.first().startsWith(u"Filen kunne ikke oprettes."_qs));
        }
        saetFejlKrog({});
        QCOMPARE(f->funk->FFilnavn, u"C:\\M\\a.mp3"_qs);
        // Nothing with an extension chosen.
        vaelg({u"Ferie"_qs});
        {
            kvtest::DialogSvarer svar;
            QVERIFY(udfoer("aHTMLfilmliste"));
            QCOMPARE(svar.tekster.size(), 1);
        }
        QCOMPARE(navne(u"C:\\M"_qs), foer);
        QVERIFY(skal().kald.isEmpty());
    }
};

KV_TEST_MAIN(TstSkabeloner)
#include "tst_skabeloner.moc"

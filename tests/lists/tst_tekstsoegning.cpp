// Text search in documents: the matching rules, the encodings, rich text,
// zip and PDF documents, big files read in blocks, masks, and the window.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/Filmaske.h"
#include "lists/RtfTekst.h"
#include "lists/Tekstsoeger.h"
#include "lists/Tfindform.h"
#include "platform/Dokumentlaeser.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

using namespace kv;
using kvtest::TestPlatform;

namespace {

using Par = std::pair<qint64, QString>;

// The occurrences of tekst in the document as (position, line).
QList<Par> fundI(const QString& dokument, const QString& tekst, bool heleOrd = false, bool forskel = false)
{
    std::vector<Fund> fund;
    if (!Tekstsoeger(tekst, heleOrd, forskel).soeg(dokument, fund))
        return {{-1, u"ulæselig"_qs}};
    QList<Par> ud;
    for (const Fund& f : fund)
        ud << Par{f.position, f.linje};
    return ud;
}

// The entry is stored deflated, so a big run of one character costs little room.
// False when the zip could not be written.
[[nodiscard]] bool zipMed(const char* navn, const QByteArray& xml, const QString& sti)
{
    zip_t* z = zip_open(QFile::encodeName(sti).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!z)
        return false;
    zip_source_t* kilde = zip_source_buffer(z, xml.constData(), xml.size(), 0);
    if (!kilde || zip_file_add(z, navn, kilde, ZIP_FL_OVERWRITE) < 0 || zip_close(z) != 0) {
        zip_discard(z);
        return false;
    }
    return true;
}

// A PDF of our own with one page per text; the offsets are counted.
QByteArray pdfMed(const QList<QByteArray>& sider)
{
    const qsizetype n = sider.size();
    QByteArray boern;
    for (qsizetype i = 0; i < n; ++i)
        boern += QByteArray::number(4 + 2 * i) + " 0 R ";
    QList<QByteArray> objekter = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [" + boern + "] /Count " + QByteArray::number(n) + " >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QByteArray strom = "BT /F1 12 Tf 10 50 Td (" + sider[i] + ") Tj ET";
        objekter << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 100] /Contents " + QByteArray::number(5 + 2 * i)
                        + " 0 R /Resources << /Font << /F1 3 0 R >> >> >>"
                 << "<< /Length " + QByteArray::number(strom.size()) + " >>\nstream\n" + strom + "\nendstream";
    }
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> steder;
    for (qsizetype i = 0; i < objekter.size(); ++i) {
        steder << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objekter[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    const QByteArray antal = QByteArray::number(objekter.size() + 1);
    pdf += "xref\n0 " + antal + "\n0000000000 65535 f \n";
    for (qsizetype s : steder)
        pdf += QByteArray::number(s).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + antal + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QByteArray pdfMed(const QByteArray& tekst)
{
    return pdfMed(QList<QByteArray>{tekst});
}

// What a search must give, found the plain way: every occurrence from left to
// right without overlaps, each with its line cut to 300 characters before it
// and 300 after its end.
QList<Par> simpleFund(const QString& tekst, const QString& moenster, Qt::CaseSensitivity cs, bool heleOrd = false)
{
    const auto ord = [&tekst](qsizetype i) {
        return i >= 0 && i < tekst.size() && (tekst[i].isLetterOrNumber() || tekst[i] == u'_');
    };
    QList<Par> ud;
    for (qsizetype i = tekst.indexOf(moenster, 0, cs); i >= 0;
         i = tekst.indexOf(moenster, i + (ud.isEmpty() || ud.last().first != i ? 1 : moenster.size()), cs)) {
        if (heleOrd && (ord(i - 1) || ord(i + moenster.size())))
            continue;
        const qsizetype start = std::max(tekst.lastIndexOf(u'\n', i - 1) + 1, i - 300);
        const qsizetype slut = tekst.indexOf(u'\n', i);
        const qsizetype ende = std::min(slut < 0 ? tekst.size() : slut, i + moenster.size() + 300);
        ud << Par{i, tekst.sliced(start, ende - start)};
    }
    return ud;
}

} // namespace

class TstTekstsoegning : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    QString fil(const QString& navn, const QByteArray& indhold) { return tp->makeFile(u"C:\\Docs\\"_qs + navn, indhold); }

private slots:
    void init() { tp = &TestPlatform::install(); }

    void soegereglerne()
    {
        const QString d = fil(u"hus.txt"_qs, "et hus\r\nHUS og husene\r\n");
        QCOMPARE(fundI(d, u"hus"_qs).size(), 3);
        QCOMPARE(fundI(d, u"hus"_qs, true).size(), 2);
        QCOMPARE(fundI(d, u"hus"_qs, true, true), (QList<Par>{{3, u"et hus"_qs}}));
        // CR LF counts as one character; two in a line give two rows with the same line.
        QCOMPARE(fundI(d, u"HUS"_qs, false, true), (QList<Par>{{7, u"HUS og husene"_qs}}));
        QCOMPARE(fundI(fil(u"to.txt"_qs, "a\rb ab ab\n"), u"ab"_qs), (QList<Par>{{4, u"b ab ab"_qs}, {7, u"b ab ab"_qs}}));
        // No overlaps: "aaaa" holds "aa" twice.
        QCOMPARE(fundI(fil(u"a.txt"_qs, "aaaa"), u"aa"_qs).size(), 2);
        QVERIFY(fundI(d, QString()).value(0).first == -1);
    }

    void blokkeOgStoreFiler()
    {
        // Occurrences across the reader's block edges, CR LF split by an edge,
        // and a word test on the character after the edge.
        const qint64 mib = 1 << 20;
        QByteArray data(3 * mib, 'x');
        data.replace(mib - 3, 5, " hus ");
        data.replace(2 * mib - 1, 2, "\r\n");
        data.replace(2 * mib + 1, 4, "hus ");
        const QString d = fil(u"stor.txt"_qs, data);
        const QList<Par> fund = fundI(d, u"hus"_qs, true);
        QCOMPARE(fund.size(), 2);
        QCOMPARE(fund[0].first, mib - 2);
        QCOMPARE(fund[1].first, 2 * mib);  // the CR LF before it counted once
        QVERIFY(fund[1].second.startsWith(u"hus"_qs) && fund[1].second.size() <= 303);

        // One gibibyte, sparse, with one occurrence at the very end.
        const QString kaempe = fil(u"kaempe.log"_qs, {});
        const int fd = ::open(tp->hostBytes(kaempe).constData(), O_WRONLY);
        QVERIFY(fd >= 0);
        QVERIFY(::ftruncate(fd, qint64(1) << 30) == 0);
        QVERIFY(::pwrite(fd, "\nhus", 4, qint64(1) << 30) == 4);
        ::close(fd);
        QCOMPARE(fundI(kaempe, u"hus"_qs), (QList<Par>{{(qint64(1) << 30) + 1, u"hus"_qs}}));
    }

    void linjerneAfTaetteFund()
    {
        // Short lines with several occurrences each, lines just under, at and
        // over the cut, occurrences at a line's ends, letters that fold to ASCII
        // (the long s) and from outside it, whole words, and block edges in a file:
        // the lines given are those the plain search gives.
        QString tekst;
        quint32 x = 7;
        const auto tal = [&x](quint32 n) { x = x * 1664525u + 1013904223u; return (x >> 8) % n; };
        const QString ord[] = {u"hus"_qs, u"Hus"_qs, u"HUS"_qs, u"hu\u017F"_qs, u"ha"_qs, u"us"_qs, u"æble"_qs, u" "_qs, u"h"_qs, u"bord "_qs, u"HÆ"_qs};
        while (tekst.size() < 2200000) {
            const quint32 form = tal(10);
            const qsizetype laengde = form < 6 ? 1 + tal(80) : form < 9 ? 280 + tal(60) : 600 + tal(700);
            QString linje;
            while (linje.size() < laengde)
                linje += ord[tal(60) < 4 ? tal(4) : 4 + tal(7)];
            tekst += linje + u'\n';
        }
        for (const auto& [moenster, cs] : {std::pair{u"hus"_qs, Qt::CaseInsensitive}, std::pair{u"Hus"_qs, Qt::CaseSensitive},
                                           std::pair{u"hæb"_qs, Qt::CaseInsensitive}})
            for (const bool heleOrd : {false, true}) {
                QList<Par> fundet;
                for (const Fund& f : Tekstsoeger(moenster, heleOrd, cs == Qt::CaseSensitive).soegTekst(tekst))
                    fundet << Par{f.position, f.linje};
                const QList<Par> ventet = simpleFund(tekst, moenster, cs, heleOrd);
                // Dense, but below the cap of a search.
                QVERIFY(heleOrd || (ventet.size() > 10000 && ventet.size() < Tekstsoeger::flestFund));
                QCOMPARE(fundet.size(), ventet.size());
                QCOMPARE(fundet, ventet);
            }
        QCOMPARE(fundI(fil(u"taet.txt"_qs, tekst.toUtf8()), u"hus"_qs), simpleFund(tekst, u"hus"_qs, Qt::CaseInsensitive));
    }

    void kodninger()
    {
        QCOMPARE(fundI(fil(u"u8.txt"_qs, "\xEF\xBB\xBF" "blå æble"), u"ÆBLE"_qs), (QList<Par>{{4, u"blå æble"_qs}}));
        QCOMPARE(fundI(fil(u"u8b.txt"_qs, "blå æble"), u"æble"_qs), (QList<Par>{{4, u"blå æble"_qs}}));
        QCOMPARE(fundI(fil(u"w.txt"_qs, "bl\xE5 \xE6" "ble \x80"), u"æble"_qs), (QList<Par>{{4, u"blå æble €"_qs}}));
        QByteArray u16("\xFF\xFE");
        for (QChar c : u"ø hus"_qs)
            u16 += char(c.unicode() & 0xFF), u16 += char(c.unicode() >> 8);
        QCOMPARE(fundI(fil(u"u16.txt"_qs, u16), u"hus"_qs), (QList<Par>{{2, u"ø hus"_qs}}));
        // Valid UTF-8 for two blocks, then a Windows-1252 byte: the whole file is Windows-1252.
        QByteArray sen = "\xC3\xA6 hus " + QByteArray(2 << 20, 'x') + " \xE6";
        QCOMPARE(fundI(fil(u"sen.txt"_qs, sen), u"hus"_qs).value(0).first, 3);
        // A UTF-8 character cut by the block edge keeps the file UTF-8.
        QByteArray kant = QByteArray((1 << 20) - 1, 'x') + "\xC3\xA6 hus";
        QCOMPARE(fundI(fil(u"kant.txt"_qs, kant), u"hus"_qs).value(0).first, (1 << 20) + 1);
    }

    void storeOgSmaaBogstaver()
    {
        // Every Latin-1 character, the Greek mu beside the micro sign, and a
        // letter outside the basic plane: each is found where Qt calls it equal.
        QString tekst;
        for (char16_t c = 0x20; c <= 0xFF; ++c)
            tekst += QChar(c);
        tekst += u"\u039C\u03BC x \U00010400 \U00010428"_qs;
        for (qsizetype j = 0; j < tekst.size(); ++j) {
            const QString moenster = QChar::isSurrogate(tekst[j].unicode()) ? tekst.mid(j - (tekst[j].isLowSurrogate() ? 1 : 0), 2)
                                                                           : QString(tekst[j]);
            QList<qint64> ventet;
            for (qsizetype k = 0; k + moenster.size() <= tekst.size(); ++k)
                if (QStringView(tekst).sliced(k, moenster.size()).compare(moenster, Qt::CaseInsensitive) == 0)
                    ventet << k;
            QList<qint64> fundet;
            for (const Fund& f : Tekstsoeger(moenster, false, false).soegTekst(tekst))
                fundet << f.position;
            QCOMPARE(fundet, ventet);
        }
        // A first character outside the basic plane: the whole text is folded.
        const QString lang = u"\U00010400"_qs + QString(30, u'-') + u"ÆØÅ X ÞÐ"_qs + QString(40, u'y');
        const auto fund = Tekstsoeger(u"\U00010428"_qs + QString(30, u'-') + u"æøå x þð"_qs, false, false).soegTekst(lang);
        QCOMPARE(fund.size(), size_t(1));
        QCOMPARE(fund[0].position, 0);
        // Case-sensitive in the same text: only the character itself.
        QCOMPARE(Tekstsoeger(u"\u00C6"_qs, false, true).soegTekst(tekst).size(), size_t(1));
    }

    void dokumentformater()
    {
        const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial hus;}}{\\colortbl;\\red0;}"
                               "{\\*\\generator hus 1.0;}{\\info{\\title hus}}"
                               "\\pard\\f0\\fs24 Et r\\'f8dt {\\b hus}\\par\n\\uc1\\u230?ble hus\\tab x\\par}";
        QCOMPARE(rtfTekst(rtf), u"Et rødt hus\næble hus\tx\n"_qs);
        QCOMPARE(fundI(fil(u"a.rtf"_qs, rtf), u"hus"_qs), (QList<Par>{{8, u"Et rødt hus"_qs}, {17, u"æble hus\tx"_qs}}));
        QCOMPARE(rtfTekst("{\\rtf1 a\\{b\\}\\\\c\\~d{\\pict\\bin3 {}\\}e}"), u"a{b}\\c\u00A0de"_qs);

        const QString odt = tp->host(u"C:\\Docs\\b.odt"_qs);
        QVERIFY(zipMed("content.xml",
               "<office:document-content xmlns:office=\"o\" xmlns:text=\"t\"><office:body><office:text>"
               "<text:h>Titel</text:h><text:p>Et<text:s text:c=\"2\"/>hus <text:span>i</text:span> byen</text:p>"
               "</office:text></office:body></office:document-content>", odt));
        QCOMPARE(fundI(u"C:\\Docs\\b.odt"_qs, u"hus"_qs), (QList<Par>{{10, u"Et  hus i byen"_qs}}));
        QVERIFY(zipMed("word/document.xml",
               "<w:document xmlns:w=\"w\"><w:body><w:p><w:r><w:t>Første</w:t></w:r></w:p>"
               "<w:p><w:r><w:t xml:space=\"preserve\">et </w:t><w:tab/><w:t>hus</w:t></w:r></w:p></w:body></w:document>",
               tp->host(u"C:\\Docs\\c.docx"_qs)));
        QCOMPARE(fundI(u"C:\\Docs\\c.docx"_qs, u"hus"_qs), (QList<Par>{{11, u"et \thus"_qs}}));
        // The kind is told by the content: a PDF named .txt is read as a PDF.
        QCOMPARE(fundI(fil(u"d.txt"_qs, pdfMed("Et hus i PDF")), u"hus"_qs).value(0).first, 3);
        QCOMPARE(fundI(fil(u"e.pdf"_qs, "%PDF-1.4 ødelagt"), u"hus"_qs).value(0).first, -1);
    }

    // Documents made to explode: each is read within the text cap, and what
    // lies before the cap is still found.
    void fjendtligeDokumenter()
    {
        tp->makeFolder(u"C:\\Docs"_qs);
        const QString odt = tp->host(u"C:\\Docs\\s.odt"_qs);
        QVERIFY(zipMed("content.xml",
               "<office:document-content xmlns:office=\"o\" xmlns:text=\"t\"><office:body><office:text>"
               "<text:p>hus<text:s text:c=\"2000000000\"/>hus</text:p><text:p>x<text:s text:c=\"99999999999999\"/>"
               "</text:p></office:text></office:body></office:document-content>", odt));
        // Two billion spaces are a blank of 4,096, not an abort or a document
        // too big to read: both words of the paragraph are found.
        const QList<Par> blank = fundI(u"C:\\Docs\\s.odt"_qs, u"hus"_qs);
        QCOMPARE(blank.size(), 2);
        QCOMPARE(blank[0], (Par{0, u"hus"_qs + QString(300, u' ')}));
        QCOMPARE(blank[1], (Par{3 + 4096, QString(300, u' ') + u"hus"_qs}));

        // 96 MiB inflated from a small zip: the part past the cap is never inflated.
        QByteArray bombe = "<w:document xmlns:w=\"w\"><w:body><w:p><w:r><w:t>hus ";
        bombe += QByteArray(96 << 20, 'a');
        bombe += " hus</w:t></w:r></w:p></w:body></w:document>";
        QVERIFY(zipMed("word/document.xml", bombe, tp->host(u"C:\\Docs\\bombe.docx"_qs)));
        bombe.clear();
        QCOMPARE(fundI(u"C:\\Docs\\bombe.docx"_qs, u"hus"_qs), (QList<Par>{{0, u"hus "_qs + QString(299, u'a')}}));

        // A file of nothing but group openings, then text.
        QByteArray klammer = "{\\rtf1 " + QByteArray(8 << 20, '{') + "hus";
        QCOMPARE(rtfTekst(klammer), u"hus"_qs);
        QCOMPARE(rtfTekst("{\\rtf1 hus og hus}", 5), u"hus o"_qs);

        // PDF pages come one at a time, and the reading stops when asked.
        const QByteArray pdf = pdfMed({"side et", "side to hus", "side tre"});
        QStringList sider;
        QVERIFY(pdfTekst(pdf, [&](QStringView s) {
            if (s != u"\n")
                sider << s.toString();
            return sider.size() < 2;
        }));
        QCOMPARE(sider.size(), 2);
        QCOMPARE(sider[0].trimmed(), u"side et"_qs);
        QCOMPARE(sider[1].trimmed(), u"side to hus"_qs);
        const QString p = fil(u"sider.pdf"_qs, pdf);
        QCOMPARE(fundI(p, u"hus"_qs).value(0).first, sider[0].size() + 1 + sider[1].indexOf(u"hus"_qs));
        std::atomic_bool stop = true;
        Tekstsoeger soeger(u"hus"_qs, false, false);
        soeger.stop = &stop;
        std::vector<Fund> fund{{1, {}}};
        QVERIFY(!soeger.soeg(p, fund));
        QVERIFY(fund.empty());
        QVERIFY(!soeger.soeg(fil(u"stop.txt"_qs, "hus"), fund));
    }

    // A search keeps at most flestFund occurrences, then stops and says so.
    void fundloft()
    {
        const QString d = fil(u"e.log"_qs, QByteArray(10'000'000, 'e'));
        const Tekstsoeger soeger(u"e"_qs, false, false);
        std::vector<Fund> fund;
        bool fuld = false;
        QVERIFY(soeger.soeg(d, fund, Tekstsoeger::flestFund, &fuld));
        QVERIFY(fuld);
        QCOMPARE(qsizetype(fund.size()), Tekstsoeger::flestFund);
        QCOMPARE(fund.back().position, Tekstsoeger::flestFund - 1);
        // Exactly as many as there is room for is not more.
        const QString tre = fil(u"tre.txt"_qs, "e\ne\ne\n");
        QVERIFY(soeger.soeg(tre, fund, 3, &fuld));
        QVERIFY(!fuld);
        QCOMPARE(fund.size(), 3u);
        QVERIFY(soeger.soeg(tre, fund, 2, &fuld));
        QVERIFY(fuld);
        QCOMPARE(fund.size(), 2u);

        // The window counts across documents and tells why it stopped.
        tp->installProgramFiles({u"Egenskaber\\webliste Videnskab.txt"_qs, u"Egenskaber\\webliste Underholdning.txt"_qs,
                                 u"Egenskaber\\webgruppe.txt"_qs});
        Tmainform f;
        fil(u"f.log"_qs, QByteArray(60'000, 'e'));
        fil(u"g.log"_qs, QByteArray(60'000, 'e'));
        removeFile(d);
        removeFile(tre);
        f.funk->setAktiveStruktur(2);
        f.funk->makeStruktur2(u"C:\\Docs"_qs, false);
        f.aabnFindform();
        Tfindform* s = f.findform;
        s->tekstedit->setText(u"Log"_qs);
        s->typeedit->setText(u"log"_qs);
        s->insertknapKlik();
        s->saveknapKlik();
        s->filterBoks->setCurrentIndex(s->filterBoks->count() - 1);
        s->EditFind->setEditText(u"e"_qs);
        kvtest::DialogSvarer svar;
        s->AfindBibExecute();
        QTRY_VERIFY_WITH_TIMEOUT(!s->soeger(), 60000);
        QCOMPARE(s->findis->topLevelItemCount(), Tekstsoeger::flestFund);
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].contains(u"100.000"_qs));
        s->close();
    }

    void masker()
    {
        QVERIFY(passerMaske(u"Rapport.TXT", u"*.txt"));
        QVERIFY(passerMaske(u"README", u"*.*"));
        QVERIFY(passerMaske(u"a.b.c", u"*.*"));
        QVERIFY(passerMaske(u"ab1.txt", u"a?1.*"));
        QVERIFY(!passerMaske(u"a.txt.bak", u"*.txt"));
        QVERIFY(!passerMaske(u"a.htm", u"*.html"));
        QVERIFY(passerMaske(u"Æble.TXT", u"æ*.txt"));
        QCOMPARE(Tfindform::maskeFor(u".TXT"_qs), u"*.TXT"_qs);
        QCOMPARE(Tfindform::maskeFor(u"a.txt"_qs), u"*.txt"_qs);
        QCOMPARE(Tfindform::maskeFor(u"*.*"_qs), u"*.*"_qs);
    }

    void vindue()
    {
        auto& skal = kvtest::FakeSkal::install();
        tp->installProgramFiles({u"Egenskaber\\webliste Videnskab.txt"_qs, u"Egenskaber\\webliste Underholdning.txt"_qs,
                                 u"Egenskaber\\webgruppe.txt"_qs});
        Tmainform f;
        fil(u"b.txt"_qs, "intet her");
        fil(u"a.TXT"_qs, "hus og hus\nhus");
        fil(u"c.html"_qs, "hus");
        tp->makeFile(u"C:\\Docs\\undermappe.txt\\d.txt"_qs, "hus");
        QVERIFY(::mkfifo(tp->hostBytes(u"C:\\Docs\\fifo.txt"_qs).constData(), 0600) == 0);
        QVERIFY(::symlink("/dev/zero", tp->hostBytes(u"C:\\Docs\\enhed.txt"_qs).constData()) == 0);
        QVERIFY(::symlink("intet", tp->hostBytes(u"C:\\Docs\\brudt.txt"_qs).constData()) == 0);
        f.funk->setAktiveStruktur(2);
        f.funk->makeStruktur2(u"C:\\Docs"_qs, false);

        f.handling("findTekst")->trigger();
        QPointer<Tfindform> s = f.findform;
        f.handlinger->opdaterAlle();
        QVERIFY(s && !f.handling("findTekst")->isEnabled());
        QCOMPARE(s->Mappe, u"C:\\Docs\\"_qs);
        QCOMPARE(*readTextLines(s->typelistenavn), Tfindform::standardliste());
        // Nothing remembered yet: every offered type at once, each document once.
        QCOMPARE(s->filterBoks->currentIndex(), 0);
        QCOMPARE(s->filterBoks->currentText(), Tfindform::alleTyper());
        QCOMPARE(s->filterBoks->count(), 12);
        QCOMPARE(s->filterBoks->itemText(1), u"Hjemmeside (*.html)"_qs);
        s->EditFind->setEditText(u"hus"_qs);
        s->AfindBibExecute();
        QTRY_VERIFY(!s->soeger());
        QStringList dokumenter;
        for (int i = 0; i < s->findis->topLevelItemCount(); ++i)
            dokumenter << s->findis->topLevelItem(i)->text(0).section(u'\\', -1);
        QCOMPARE(dokumenter, (QStringList{u"a.TXT"_qs, u"a.TXT"_qs, u"a.TXT"_qs, u"c.html"_qs}));
        s->filterBoks->setCurrentIndex(s->filterBoks->findText(u"Tekstfil (*.txt)"_qs));
        // A tick not saved does not change what the chosen entry searches.
        s->typeliste->topLevelItem(11)->setCheckState(0, Qt::Unchecked);
        s->EditFind->setEditText(u"hus"_qs);
        s->AfindBibExecute();
        // Struktur 2 moves on meanwhile: the search keeps its own folder.
        f.funk->makeStruktur2(u"C:\\Docs\\undermappe.txt"_qs, false);
        f.DirectoryChange(false);
        QTRY_VERIFY(!s->soeger());
        QCOMPARE(s->findis->topLevelItemCount(), 3);
        QCOMPARE(s->findis->topLevelItem(0)->text(0), u"C:\\Docs\\a.TXT"_qs);
        QCOMPARE(s->findis->topLevelItem(2)->text(1), u"11"_qs);
        QCOMPARE(s->countdis->text(), u"3"_qs);
        QCOMPARE(s->ulaeselige(), 3);  // the FIFO, the device and the broken link
        QVERIFY(s->ulaeseligeLabel->text().endsWith(u'3'));

        // "Åben alle" opens each document once, and only with an active program.
        QVERIFY(!s->AopenAll->isEnabled());
        const QString program = tp->makeFile(u"C:\\Programmer\\redigering"_qs, "#!/bin/sh\n");
        QFile::setPermissions(tp->host(program), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        s->aktivtProgram = [program] { return program; };
        s->opdaterHandlinger();
        QVERIFY(s->AopenAll->isEnabled());
        {
            kvtest::DialogSvarer svar(true);
            s->AopenAllExecute();
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].contains(u"Der er 1 dokumenter i listen."_qs));
        }
        QCOMPARE(skal.startet.size(), 1);
        QCOMPARE(skal.startet[0].kommando.size(), 2);
        QCOMPARE(skal.startet[0].kommando[1], tp->host(u"C:\\Docs\\a.TXT"_qs));
        s->findis->setCurrentItem(s->findis->topLevelItem(1));
        s->AvisValgteExecute();
        QCOMPARE(skal.kald.last(), u"rediger C:\\Docs\\a.TXT"_qs);

        // A new type from ".TXT", saved; the filter box offers it.
        s->tekstedit->setText(u"Stor"_qs);
        s->typeedit->setText(u".TXT"_qs);
        s->insertknapKlik();
        QVERIFY(s->saveknap->isEnabled());
        s->saveknapKlik();
        QCOMPARE(readTextLines(s->typelistenavn)->mid(36), (QStringList{u"Stor"_qs, u"*.TXT"_qs, u"1"_qs}));
        QCOMPARE(s->filterBoks->itemText(s->filterBoks->count() - 1), u"Stor (*.TXT)"_qs);

        // Struktur 2 leads the folder.
        QCOMPARE(s->dirEdit->text(), u"C:\\Docs\\undermappe.txt\\"_qs);

        // "Download programmet" opens the program's page.
        s->Pennehus->trigger();
        QCOMPARE(skal.startet.last().kommando,
                 (QStringList{u"xdg-open"_qs, u"https://www.tavlon.dk/gruppe0_13.asp"_qs}));

        // Closing in the middle of a search stops it at once and closes.
        const QString stor = fil(u"undermappe.txt\\stor.txt"_qs, QByteArray(64 << 20, 'x'));
        s->filterBoks->setCurrentIndex(s->filterBoks->count() - 1);
        s->AfindBibExecute();
        QVERIFY(s->soeger());
        s->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s);
        QVERIFY(!f.findform);
        // The type is remembered among the offered ones: "Stor" is the eleventh, "Tekstfil" not ticked.
        QCOMPARE(*readTextLines(f.OptMappe + u"\\Findoptions.txt"_qs), QStringList{u"10"_qs});
        f.aabnFindform();
        QCOMPARE(f.findform->filterBoks->currentText(), u"Stor (*.TXT)"_qs);
        f.findform->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Without its type file the window takes the standard list again.
        QVERIFY(removeFile(f.OptMappe + u"\\Filtertyper.txt"_qs));
        f.aabnFindform();
        QCOMPARE(f.findform->typeliste->topLevelItem(9)->checkState(0), Qt::Unchecked);
        QCOMPARE(f.findform->typeliste->topLevelItemCount(), 12);
        f.findform->close();
    }
};

KV_TEST_MAIN(TstTekstsoegning)
#include "tst_tekstsoegning.moc"

// Shortcuts: "Navn.lnk" made by the installed scripts as a symbolic link to
// the exact target, whatever the names hold; nothing replaced, nothing run.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/Tgenvejform.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <unistd.h>

using namespace kv;
using kvtest::DialogSvarer;
using kvtest::TestPlatform;

namespace {

// Where a link points, as the host's bytes.
QByteArray linkMaal(const QByteArray& link)
{
    char buf[4096];
    const ssize_t n = ::readlink(link.constData(), buf, sizeof buf);
    return n < 0 ? QByteArray() : QByteArray(buf, n);
}

} // namespace

class TstGenveje : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;
    Tgenvejform* w = nullptr;

    // Fills the three fields and presses "Opret genvej"; the messages it gave.
    QStringList opret(const QString& maal, const QString& placering, const QString& navn)
    {
        w->EditTarget->setText(maal);
        w->EditDest->setText(placering);
        w->EditName->setText(navn);
        w->opdater();
        DialogSvarer svar;
        if (w->opretGenvej->isEnabled()) {
            w->opretGenvej->click();
            // The script runs as a job; the button comes back when it has answered.
            if (!QTest::qWaitFor([this] { return !w->opretter(); }, 15000))
                svar.tekster << u"(scriptet svarede ikke)"_qs;
            QCoreApplication::processEvents();
        }
        return svar.tekster;
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        tp->installProgramFiles({u"scripts\\genvej.sh"_qs, u"scripts\\createShortcut.vbs"_qs,
                                 u"scripts\\createShortcutMappe.vbs"_qs});
        f = std::make_unique<Tmainform>();
        f->handlinger->opdaterAlle();
        f->handling("opretGenveje")->trigger();
        w = qobject_cast<Tgenvejform*>(f->funktionsvindue(5));
        QVERIFY(w);
    }
    void cleanup()
    {
        f.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void genvejTilMappeOgFil()
    {
        const QString data = tp->makeFolder(u"C:\\Data"_qs);
        const QString skrivebord = tp->makeFolder(u"C:\\Users\\Public\\Desktop"_qs);
        QVERIFY(!w->opretGenvej->isEnabled());
        QCOMPARE(opret(data, skrivebord, u"Data"_qs), QStringList());
        QCOMPARE(linkMaal(tp->hostBytes(u"C:\\Users\\Public\\Desktop\\Data.lnk"_qs)), tp->hostBytes(data));
        // The placement is shown in Struktur 2 at once; target and name are emptied.
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        QCOMPARE(f->funk->FFilMappe, skrivebord);
        QVERIFY(w->EditTarget->text().isEmpty() && w->EditName->text().isEmpty());
        QCOMPARE(w->EditDest->text(), skrivebord);

        const QString brev = tp->makeFile(u"C:\\Data\\brev.txt"_qs, "Hej");
        QCOMPARE(opret(brev, skrivebord, u"Brev"_qs), QStringList());
        QCOMPARE(linkMaal(tp->hostBytes(u"C:\\Users\\Public\\Desktop\\Brev.lnk"_qs)), tp->hostBytes(brev));

        // "Indfør program eller fil" only for a file with an extension.
        f->funk->FFilnavn = u"C:\\Data\\Makefile"_qs;
        w->opdater();
        QVERIFY(!w->insertFil->isEnabled());
        f->funk->FFilnavn = brev;
        w->opdater();
        w->insertFil->click();
        QCOMPARE(w->EditTarget->text(), brev);
    }

    void fjendtligeNavneGiverDenNoejagtigeGenvej()
    {
        // Quotes, a command substitution, a leading dash and a byte that is not UTF-8.
        const QString ulovlig = QString(QChar(0xF000 + 0xE9));
        const QString maal = tp->makeFolder(u"C:\\-a \"b\" $(touch x) "_qs + ulovlig);
        const QString placering = tp->makeFolder(u"C:\\-n \"p\""_qs);
        // A typed name may not hold a raw byte; the target, chosen, may.
        QCOMPARE(opret(maal, placering, u"-f "_qs + ulovlig).size(), 1);
        const QString navn = u"-f \"q\" $(touch y)"_qs;
        QCOMPARE(opret(maal, placering, navn), QStringList());
        const QByteArray link = tp->hostBytes(placering + u'\\' + navn + u".lnk"_qs);
        QCOMPARE(linkMaal(link), tp->hostBytes(maal));
        QVERIFY(linkMaal(link).contains('\xE9'));
        // Nothing in them was run.
        QVERIFY(!QFile::exists(u"x"_qs) && !QFile::exists(u"y"_qs));
        QVERIFY(!QFile::exists(tp->host(u"C:\\x"_qs)) && !QFile::exists(tp->host(u"C:\\y"_qs)));
        QCOMPARE(listFolder(placering)->size(), 1u);

        // A name may not leave the placement.
        const QStringList svar = opret(maal, placering, u"..\\..\\x"_qs);
        QCOMPARE(svar.size(), 1);
        QCOMPARE(listFolder(placering)->size(), 1u);
        QVERIFY(!QFile::exists(tp->host(u"C:\\x.lnk"_qs)));
    }

    void intetErstattesOgFejlSiges()
    {
        const QString data = tp->makeFolder(u"C:\\Data"_qs);
        const QString pl = tp->makeFolder(u"C:\\Pl"_qs);
        const QString anden = tp->makeFolder(u"C:\\Anden"_qs);
        // An existing link, file or folder of the name stays as it was.
        QVERIFY(QFile::link(tp->host(anden), tp->host(u"C:\\Pl\\L.lnk"_qs)));
        tp->makeFile(u"C:\\Pl\\F.lnk"_qs, "indhold");
        tp->makeFolder(u"C:\\Pl\\M.lnk"_qs);
        for (const QString& navn : {u"L"_qs, u"F"_qs, u"M"_qs}) {
            const QStringList svar = opret(data, pl, navn);
            QCOMPARE(svar.size(), 1);
            QVERIFY2(svar[0].contains(navn + u".lnk"_qs), qPrintable(svar[0]));
        }
        QCOMPARE(linkMaal(tp->hostBytes(u"C:\\Pl\\L.lnk"_qs)), tp->hostBytes(anden));
        QCOMPARE(QFile(tp->host(u"C:\\Pl\\F.lnk"_qs)).size(), 7);
        QVERIFY(QFileInfo(tp->host(u"C:\\Pl\\M.lnk"_qs)).isDir());
        QVERIFY(!QFile::exists(tp->host(u"C:\\Pl\\M.lnk\\M.lnk"_qs)));

        // As the message box shows it, lines and all.
        const QString ikkeOprettet = u"Der er opstået en fejl.\nGenvejen kan muligvist ikke oprettes\npå valgte sted."_qs;
        QCOMPARE(opret(data, u"C:\\Borte"_qs, u"X"_qs), QStringList{ikkeOprettet});
        QCOMPARE(opret(u"C:\\Intet"_qs, pl, u"X"_qs), QStringList{u"Genvejens mål blev ikke fundet."_qs});
        QFile::remove(tp->host(u"C:\\Kvistlund\\Program\\scripts\\createShortcutMappe.vbs"_qs));
        QCOMPARE(opret(data, pl, u"X"_qs), QStringList{u"Der synes at mangle en fil til skabelse af en genvej."_qs});
        QVERIFY(!QFile::exists(tp->host(u"C:\\Pl\\X.lnk"_qs)));
    }
};

KV_TEST_MAIN(TstGenveje)
#include "tst_genveje.moc"

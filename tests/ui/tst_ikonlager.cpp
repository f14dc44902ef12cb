// The drawn icons kept between runs: a picture is drawn once and the next
// run shows the same pixels without drawing; the store keeps what a start
// showed, not all a session drew; a store that is damaged, from another
// build, or not a file is treated as empty and never stops a start.
#include "TestMain.h"
#include "platform/Ikonlager.h"
#include "ui/TegnetIkon.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;

class TstIkonlager : public QObject {
    Q_OBJECT

    QTemporaryDir m_mappe;

    // Each test its own store.
    QByteArray fil() const
    {
        return QFile::encodeName(m_mappe.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u"/ikoner"_qs));
    }

    // An icon that counts how often it is drawn.
    static QIcon taellendeIkon(int* tegnet)
    {
        return tegnetIkon(u"prøve"_qs, [tegnet](QPainter& p, const QRectF& r) {
            ++*tegnet;
            p.fillRect(r.adjusted(2, 2, -2, -2), QColor(0x1e, 0x6f, 0xc8));
        });
    }

private slots:
    void cleanup() { Ikonlager::brug(QByteArray()); }

    void aPictureIsDrawnOnceAndTheNextRunTakesItFromTheStore()
    {
        Ikonlager::brug(fil());
        int tegnet = 0;
        const QIcon ikon = taellendeIkon(&tegnet);
        const QImage foerst = ikon.pixmap(QSize(18, 18)).toImage();
        ikon.pixmap(QSize(18, 18));
        QCOMPARE(tegnet, 1);
        const QImage slaaet = ikon.pixmap(QSize(18, 18), QIcon::Disabled).toImage();
        QCOMPARE(tegnet, 2);
        QVERIFY(Ikonlager::aktiv()->skriv());

        // The next run: a new store on the same file, a new icon of the same name.
        Ikonlager::brug(fil());
        int igen = 0;
        const QIcon ikon2 = taellendeIkon(&igen);
        QCOMPARE(ikon2.pixmap(QSize(18, 18)).toImage().convertToFormat(foerst.format()), foerst);
        QCOMPARE(ikon2.pixmap(QSize(18, 18), QIcon::Disabled).toImage().convertToFormat(slaaet.format()), slaaet);
        QCOMPARE(igen, 0);
        // A size not drawn before is drawn, and kept beside the others.
        ikon2.pixmap(QSize(32, 32));
        QCOMPARE(igen, 1);
        QVERIFY(Ikonlager::aktiv()->skriv());
        Ikonlager lager(fil());
        QVERIFY(!lager.hent(u"prøve 18x18-0-1"_qs).isNull());
        QVERIFY(!lager.hent(u"prøve 32x32-0-1"_qs).isNull());
    }

    void theStoreKeepsWhatTheStartShowed()
    {
        const auto ikon = [](const QString& navn) {
            return tegnetIkon(navn, [](QPainter& p, const QRectF& r) { p.fillRect(r, Qt::red); });
        };
        Ikonlager::brug(fil());
        ikon(u"a"_qs).pixmap(QSize(18, 18));
        ikon(u"b"_qs).pixmap(QSize(18, 18));
        Ikonlager::aktiv()->startenErOver();
        // The next start shows a and c; b, not shown, leaves the store.
        Ikonlager::brug(fil());
        ikon(u"a"_qs).pixmap(QSize(18, 18));
        ikon(u"c"_qs).pixmap(QSize(18, 18));
        Ikonlager::aktiv()->startenErOver();
        // What is drawn after the start stays out of it.
        ikon(u"d"_qs).pixmap(QSize(18, 18));
        QVERIFY(Ikonlager::aktiv()->skriv());
        Ikonlager::brug(QByteArray());
        Ikonlager lager(fil());
        for (const char* n : {"a", "b", "c", "d"})
            QCOMPARE(lager.hent(QString::fromLatin1(n) + u" 18x18-0-1"_qs).isNull(), *n == 'b' || *n == 'd');
    }

    void aStoreThatCannotBeUsedIsEmptyAndIsWrittenAnew()
    {
        Ikonlager::brug(fil());
        int tegnet = 0;
        taellendeIkon(&tegnet).pixmap(QSize(18, 18));
        QVERIFY(Ikonlager::aktiv()->skriv());
        QFile f(QFile::decodeName(fil()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray gyldig = f.readAll();
        f.close();
        const qsizetype linje = gyldig.indexOf('\n', gyldig.indexOf('\n') + 1) + 1;

        QByteArray andenUdgave = gyldig;
        andenUdgave.replace(linje - 2, 1, "x");
        const QList<QByteArray> skader{gyldig.left(gyldig.size() - 7), gyldig.left(linje + 1), andenUdgave,
                                       QByteArray("Kvistlund ikoner 1\n"), QByteArray(4096, '\xff')};
        for (const QByteArray& skadet : skader) {
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(skadet);
            f.close();
            Ikonlager::brug(fil());
            int igen = 0;
            const QImage b = taellendeIkon(&igen).pixmap(QSize(18, 18)).toImage();
            QCOMPARE(igen, 1);
            QCOMPARE(b.pixelColor(9, 9), QColor(0x1e, 0x6f, 0xc8));
            QVERIFY(Ikonlager::aktiv()->skriv());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), gyldig);
            f.close();
        }

        // A FIFO is never opened for reading, so the start does not wait on it.
        QVERIFY(f.remove());
        QCOMPARE(::mkfifo(fil().constData(), 0600), 0);
        Ikonlager::brug(fil());
        int fifo = 0;
        taellendeIkon(&fifo).pixmap(QSize(18, 18));
        QCOMPARE(fifo, 1);
        QVERIFY(Ikonlager::aktiv()->skriv());
        // Nor is a link to an endless device; the store's own file replaces the link.
        QVERIFY(f.remove());
        QCOMPARE(::symlink("/dev/zero", fil().constData()), 0);
        Ikonlager::brug(fil());
        int nul = 0;
        taellendeIkon(&nul).pixmap(QSize(18, 18));
        QCOMPARE(nul, 1);
        QVERIFY(Ikonlager::aktiv()->skriv());
        struct stat st;
        QVERIFY(::lstat(fil().constData(), &st) == 0 && S_ISREG(st.st_mode));

        // Where the file cannot be written the pictures are still drawn and shown.
        Ikonlager::brug(fil() + "/under");
        int ingen = 0;
        QVERIFY(!taellendeIkon(&ingen).pixmap(QSize(18, 18)).isNull());
        QVERIFY(!Ikonlager::aktiv()->skriv());
        QCOMPARE(ingen, 1);
    }
};

KV_TEST_MAIN(TstIkonlager)
#include "tst_ikonlager.moc"

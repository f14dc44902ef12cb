// The recycle bin: folders and links go in as one element and come back
// whole, long and non-UTF-8 names, and emptying one drive's elements only.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/LinuxPlatform.h"
#include "platform/Papirkurv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

namespace {

// Every entry below a host folder with what it is: "d" a folder, "l>" a link
// and its target, else the file's content.
QStringList trae(const QString& rod)
{
    QStringList r;
    QDirIterator it(rod, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        QString hvad = u"d"_qs;
        if (fi.isSymLink()) {
            hvad = u"l>"_qs + fi.symLinkTarget();
        } else if (!fi.isDir()) {
            QFile f(fi.filePath());
            f.open(QIODevice::ReadOnly);
            hvad = QString::fromUtf8(f.readAll());
        }
        r << QDir(rod).relativeFilePath(fi.filePath()) + u' ' + hvad;
    }
    r.sort();
    return r;
}

// The names in a host folder as bytes, sorted.
QList<QByteArray> navne(const QByteArray& mappe)
{
    QList<QByteArray> r;
    if (DIR* dir = ::opendir(mappe.constData())) {
        while (const dirent* d = ::readdir(dir))
            if (qstrcmp(d->d_name, ".") != 0 && qstrcmp(d->d_name, "..") != 0)
                r << QByteArray(d->d_name);
        ::closedir(dir);
    }
    std::sort(r.begin(), r.end());
    return r;
}

QByteArray laes(const QByteArray& fil)
{
    QFile f(QFile::decodeName(fil));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The host path an info file gives, percent-decoded.
QByteArray infoSti(const QByteArray& infoFil)
{
    for (const QByteArray& linje : laes(infoFil).split('\n'))
        if (linje.startsWith("Path="))
            return QByteArray::fromPercentEncoding(linje.mid(5));
    return QByteArray();
}

void skriv(const QByteArray& fil, const QByteArray& indhold)
{
    const int fd = ::open(fil.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, indhold.constData(), size_t(indhold.size())), indhold.size());
    ::close(fd);
}

} // namespace

class TstPapirkurv : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QByteArray kurv;

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        kurv = QFile::encodeName(tp->trashDir());
    }

    void foldersAndLinksGoWhole()
    {
        tp->makeFile(u"C:\\Data\\Mappe\\a.txt"_qs, "a");
        tp->makeFile(u"C:\\Data\\Mappe\\.skjult"_qs, "s");
        tp->makeFile(u"C:\\Data\\Mappe\\Under\\b.txt"_qs, "b");
        tp->makeFolder(u"C:\\Data\\Mappe\\Under\\Tom"_qs);
        QFile::link(u"a.txt"_qs, tp->host(u"C:\\Data\\Mappe\\til-a"_qs));
        const QString mappe = tp->host(u"C:\\Data\\Mappe"_qs);
        const QStringList foer = trae(mappe);

        QString fejl;
        QVERIFY2(moveToTrash(u"C:\\Data\\Mappe"_qs, &fejl), qPrintable(fejl));
        QVERIFY(!QFileInfo::exists(mappe));
        QCOMPARE(navne(kurv + "/files"), QList<QByteArray>{"Mappe"});
        QCOMPARE(navne(kurv + "/info"), QList<QByteArray>{"Mappe.trashinfo"});
        // Restored as the desktop does it: the element moved back to its path.
        const QByteArray sti = infoSti(kurv + "/info/Mappe.trashinfo");
        QCOMPARE(sti, QFile::encodeName(mappe));
        QCOMPARE(::rename(kurv + "/files/Mappe", sti.constData()), 0);
        QCOMPARE(::unlink(kurv + "/info/Mappe.trashinfo"), 0);
        QCOMPARE(trae(mappe), foer);

        // A link to a folder goes as the link; the folder it names stays.
        QVERIFY(QFile::link(mappe, tp->host(u"C:\\Genvej"_qs)));
        QVERIFY2(moveToTrash(u"C:\\Genvej\\"_qs, &fejl), qPrintable(fejl));
        QCOMPARE(QFileInfo(QFile::decodeName(kurv + "/files/Genvej")).symLinkTarget(), mappe);
        QCOMPARE(trae(mappe), foer);
        QCOMPARE(navne(kurv + "/files"), (QList<QByteArray>{"Genvej"}));

        QVERIFY(!moveToTrash(u"C:\\Mangler"_qs, &fejl));
        QVERIFY2(fejl.startsWith(u"Systemet kan ikke finde"), qPrintable(fejl));
        QCOMPARE(navne(kurv + "/info"), (QList<QByteArray>{"Genvej.trashinfo"}));
    }

    void longNamesAreShortened()
    {
        // 250 bytes: with ".trashinfo" the info file would pass 255.
        const QString lang = QString(123, u'æ') + u".txt"_qs;
        QCOMPARE(lang.toUtf8().size(), 250);
        const QString sti = u"C:\\"_qs + lang;
        QString fejl;
        for (const QByteArray indhold : {"1", "2"}) {
            tp->makeFile(sti, indhold);
            QVERIFY2(moveToTrash(sti, &fejl), qPrintable(fejl));
        }
        const QList<QByteArray> filer = navne(kurv + "/files");
        QCOMPARE(filer.size(), 2);
        QVERIFY(filer[0] != filer[1]);
        QByteArrayList indhold;
        for (const QByteArray& navn : filer) {
            QVERIFY(navn.size() + 10 <= 255);
            QVERIFY(navn.endsWith(".txt"));
            QCOMPARE(QFile::encodeName(QFile::decodeName(navn)), navn);  // no character cut in two
            QCOMPARE(infoSti(kurv + "/info/" + navn + ".trashinfo"), QFile::encodeName(tp->host(sti)));
            indhold << laes(kurv + "/files/" + navn);
        }
        std::sort(indhold.begin(), indhold.end());
        QCOMPARE(indhold, (QByteArrayList{"1", "2"}));
    }

    void emptyingTakesOnlyTheDrivesElements()
    {
        tp->makeFile(u"C:\\c.txt"_qs);
        tp->makeFile(u"D:\\d.txt"_qs);
        QVERIFY(moveToTrash(u"C:\\c.txt"_qs));
        QVERIFY(moveToTrash(u"D:\\d.txt"_qs));
        // A folder from C: whose name is no UTF-8, as another program leaves it.
        const QByteArray raa = "r\xe5";
        QCOMPARE(::mkdir(kurv + "/files/" + raa, 0700), 0);
        skriv(kurv + "/files/" + raa + "/inde", "x");
        skriv(kurv + "/info/" + raa + ".trashinfo",
              "[Trash Info]\nPath=" + (QFile::encodeName(tp->host(u"C:"_qs)) + '/' + raa).toPercentEncoding("/")
                  + "\nDeletionDate=2024-01-02T03:04:05\n");
        // Nobody can tell where these came from or go to: they are left.
        skriv(kurv + "/files/uden-info", "?");
        skriv(kurv + "/info/forkert.trashinfo", "[Andet]\nPath=" + QFile::encodeName(tp->host(u"C:"_qs)) + "/forkert\n");
        // An info file from C: without its element is only clutter.
        skriv(kurv + "/info/væk.trashinfo", "[Trash Info]\nPath=" + QFile::encodeName(tp->host(u"C:\\væk"_qs)) + "\n");

        QString fejl;
        QCOMPARE(emptyTrash(u'c', &fejl), 2);
        QVERIFY2(fejl.isEmpty(), qPrintable(fejl));
        QCOMPARE(navne(kurv + "/files"), (QList<QByteArray>{"d.txt", "uden-info"}));
        QCOMPARE(navne(kurv + "/info"), (QList<QByteArray>{"d.txt.trashinfo", "forkert.trashinfo"}));
        QCOMPARE(emptyTrash(u'C'), -1);
        QCOMPARE(emptyTrash(u'D'), 1);
        QCOMPARE(navne(kurv + "/files"), QList<QByteArray>{"uden-info"});
    }

    void homeBinSharedByTwoDrives()
    {
        // The Linux layout: C: is the (throw-away) home folder, D: is "/", and
        // what is deleted outside the home folder on its volume goes to the home bin too.
        Platform::install(std::make_unique<LinuxPlatform>());
        const QString hjem = QDir::homePath();
        QTemporaryDir andet(QFileInfo(hjem).path() + u"/andet-XXXXXX"_qs);
        QFile(hjem + u"/hjemme.txt"_qs).open(QIODevice::WriteOnly);
        QFile(andet.path() + u"/ude.txt"_qs).open(QIODevice::WriteOnly);
        const QString ude = drives().toProgram(andet.path() + u"/ude.txt"_qs).value_or(QString());
        QVERIFY2(ude.startsWith(u"D:\\"), qPrintable(ude));

        const QByteArray data = QFile::encodeName(qEnvironmentVariable("XDG_DATA_HOME"));
        struct stat a, b;
        QVERIFY(::stat(data.constData(), &a) == 0 && ::stat(QFile::encodeName(andet.path()).constData(), &b) == 0);
        if (a.st_dev != b.st_dev)
            QSKIP("the temporary folder lies on another volume than the home bin");

        QString fejl;
        QVERIFY2(moveToTrash(u"C:\\hjemme.txt"_qs, &fejl), qPrintable(fejl));
        QVERIFY2(moveToTrash(ude, &fejl), qPrintable(fejl));
        const QByteArray hjemKurv = data + "/Trash";
        QCOMPARE(emptyTrash(u'C'), 1);
        QCOMPARE(navne(hjemKurv + "/files"), QList<QByteArray>{"ude.txt"});
        QCOMPARE(infoSti(hjemKurv + "/info/ude.txt.trashinfo"), QFile::encodeName(andet.path() + u"/ude.txt"_qs));
    }
};

KV_TEST_MAIN(TstPapirkurv)
#include "tst_papirkurv.moc"

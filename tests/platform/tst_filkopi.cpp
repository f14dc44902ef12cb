// The file copy against what a real file system can hold: special files,
// holes, a source that grows, metadata, and removing only what was copied.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

class TstFilkopi : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    QByteArray host(const QString& path) const { return QFile::encodeName(tp->host(path)); }

    struct stat lstatOf(const QString& path) const
    {
        struct stat st {};
        if (::lstat(host(path).constData(), &st) != 0)
            st.st_mode = 0;
        return st;
    }

    void append(const QString& path, const QByteArray& data) const
    {
        QFile f(tp->host(path));
        QVERIFY(f.open(QIODevice::Append));
        f.write(data);
    }

    bool sameContent(const QString& a, const QString& b) const
    {
        QFile fa(tp->host(a)), fb(tp->host(b));
        if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
            return false;
        while (!fa.atEnd())
            if (fa.read(1 << 20) != fb.read(1 << 20))
                return false;
        return true;
    }

private slots:
    void init() { tp = &TestPlatform::install(); }

    // None of these is ever opened: each call returns at once.
    void specialFiles()
    {
        QVERIFY(::mkfifo(host(u"C:\\fifo"_qs).constData(), 0640) == 0);
        CopyResult r = copyFile(u"C:\\fifo"_qs, u"D:\\fifo"_qs);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QVERIFY(r.keepSource);
        QVERIFY(S_ISFIFO(lstatOf(u"D:\\fifo"_qs).st_mode));
        QCOMPARE(lstatOf(u"D:\\fifo"_qs).st_mode & 07777, mode_t(0640));
        // Over an existing file only when asked, and then the file is replaced.
        tp->makeFile(u"D:\\fil"_qs, "gammel");
        QCOMPARE(copyFile(u"C:\\fifo"_qs, u"D:\\fil"_qs).status, CopyStatus::Failed);
        CopyOptions over;
        over.overwrite = true;
        QVERIFY(copyFile(u"C:\\fifo"_qs, u"D:\\fil"_qs, over).ok());
        QVERIFY(S_ISFIFO(lstatOf(u"D:\\fil"_qs).st_mode));

        const int sokkel = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adr {};
        adr.sun_family = AF_UNIX;
        const QByteArray sti = host(u"C:\\sokkel"_qs);
        QVERIFY(size_t(sti.size()) < sizeof adr.sun_path);
        qstrcpy(adr.sun_path, sti.constData());
        QVERIFY(::bind(sokkel, reinterpret_cast<sockaddr*>(&adr), sizeof adr) == 0);
        r = copyFile(u"C:\\sokkel"_qs, u"D:\\sokkel"_qs);
        ::close(sokkel);
        QCOMPARE(r.status, CopyStatus::Failed);
        QVERIFY(r.error.startsWith(u"Sokler kan ikke kopieres."));
        QCOMPARE(lstatOf(u"D:\\sokkel"_qs).st_mode, mode_t(0));

        // An endless device reached through a link is never streamed: made anew
        // as root, refused otherwise.
        QVERIFY(::symlink("/dev/zero", host(u"C:\\nul"_qs).constData()) == 0);
        r = copyFile(u"C:\\nul"_qs, u"D:\\nul"_qs);
        const struct stat kopi = lstatOf(u"D:\\nul"_qs);
        if (::geteuid() != 0) {
            QCOMPARE(r.status, CopyStatus::Failed);
            QVERIFY(r.error.startsWith(u"Enhedsfiler kan kun kopieres af en administrator."));
            QCOMPARE(kopi.st_mode, mode_t(0));
            QSKIP("Device nodes are only made by root");
        }
        QVERIFY2(r.ok(), qPrintable(r.error));
        QVERIFY(r.keepSource);
        QVERIFY(S_ISCHR(kopi.st_mode));
        QCOMPARE(kopi.st_rdev, makedev(1, 5));
        QVERIFY(::mknod(host(u"C:\\tty"_qs).constData(), S_IFCHR | 0600, makedev(5, 0)) == 0);
        QVERIFY(copyFile(u"C:\\tty"_qs, u"D:\\tty"_qs).ok());
        QCOMPARE(lstatOf(u"D:\\tty"_qs).st_rdev, makedev(5, 0));
        QCOMPARE(lstatOf(u"D:\\tty"_qs).st_mode, mode_t(S_IFCHR | 0600));
    }

    void sparseFile()
    {
        const QString kilde = tp->makeFile(u"C:\\tynd.img"_qs);
        {
            QFile f(tp->host(kilde));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(qint64(256) << 20));
            QVERIFY(f.seek(qint64(100) << 20));
            f.write("x");
        }
        if (lstatOf(kilde).st_blocks * 512 >= (1 << 20))
            QSKIP("The test drive keeps no holes");
        const CopyResult r = copyFile(kilde, u"D:\\tynd.img"_qs);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(r.bytes, qint64(256) << 20);
        QVERIFY(lstatOf(u"D:\\tynd.img"_qs).st_blocks * 512 < (1 << 20));
        QVERIFY(sameContent(kilde, u"D:\\tynd.img"_qs));
    }

    // What was copied is what a move may delete, and only that.
    void growingSourceAndRemoval()
    {
        const QByteArray start(3 << 20, 'a');
        const QString kilde = tp->makeFile(u"C:\\log.txt"_qs, start);
        CopyOptions valg;
        bool tilfoejet = false;
        valg.progress = [&](qint64, qint64) {
            if (!tilfoejet)
                append(kilde, QByteArray(1 << 20, 'b'));
            tilfoejet = true;
            return true;
        };
        CopyResult r = copyFile(kilde, u"D:\\log.txt"_qs, valg);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QVERIFY(tilfoejet);
        QCOMPARE(r.sourceSize, qint64(4 << 20));
        QCOMPARE(r.bytes, qint64(4 << 20));
        QVERIFY(sameContent(kilde, u"D:\\log.txt"_qs));
        // A file whose size tells nothing, as under /proc, is read to its end.
        QVERIFY(::symlink("/proc/self/mountinfo", host(u"C:\\proc"_qs).constData()) == 0);
        r = copyFile(u"C:\\proc"_qs, u"D:\\proc"_qs);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QVERIFY(r.bytes > 0);
        QCOMPARE(lstatOf(u"D:\\proc"_qs).st_size, r.bytes);
        // An empty file goes the same way and stays empty.
        tp->makeFile(u"C:\\tom.txt"_qs, QByteArray());
        r = copyFile(u"C:\\tom.txt"_qs, u"D:\\tom.txt"_qs);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(r.bytes, qint64(0));
        QCOMPARE(lstatOf(u"D:\\tom.txt"_qs).st_size, 0);

        append(kilde, "c");
        QString grund;
        QVERIFY(!removeFileIfUnchanged(kilde, r.sourceSize, r.sourceMtimeNs, &grund));
        QVERIFY(grund.startsWith(u"Filen er ændret, efter den blev kopieret, og er ikke slettet."));
        QVERIFY(QFile::exists(tp->host(kilde)));

        // The same size with a new time is a change too.
        CopyOptions over;
        over.overwrite = true;
        r = copyFile(kilde, u"D:\\log.txt"_qs, over);
        QVERIFY(r.ok());
        const timespec senere[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
        QVERIFY(::utimensat(AT_FDCWD, host(kilde).constData(), senere, 0) == 0);
        QVERIFY(!removeFileIfUnchanged(kilde, r.sourceSize, r.sourceMtimeNs));
        r = copyFile(kilde, u"D:\\log.txt"_qs, over);
        QVERIFY(removeFileIfUnchanged(kilde, r.sourceSize, r.sourceMtimeNs));
        QVERIFY(!QFile::exists(tp->host(kilde)));

        // A link is judged and removed as the link; what it points at stays.
        tp->makeFile(u"C:\\maal.txt"_qs, "maal");
        QVERIFY(::symlink("maal.txt", host(u"C:\\link"_qs).constData()) == 0);
        r = copyLink(u"C:\\link"_qs, u"D:\\link"_qs, false);
        QVERIFY(r.ok());
        QCOMPARE(r.sourceSize, qint64(8));
        QVERIFY(removeFileIfUnchanged(u"C:\\link"_qs, r.sourceSize, r.sourceMtimeNs));
        QCOMPARE(lstatOf(u"C:\\link"_qs).st_mode, mode_t(0));
        QVERIFY(QFile::exists(tp->host(u"C:\\maal.txt"_qs)));

        tp->makeFolder(u"C:\\mappe"_qs);
        const struct stat mappe = lstatOf(u"C:\\mappe"_qs);
        QVERIFY(!removeFileIfUnchanged(u"C:\\mappe"_qs, mappe.st_size, qint64(mappe.st_mtim.tv_sec) * 1000000000 + mappe.st_mtim.tv_nsec));
        tp->makeFile(u"C:\\mappe\\fil"_qs);
        QVERIFY(!removeEmptyFolder(u"C:\\mappe"_qs, &grund));
        QVERIFY(grund.startsWith(u"Mappen er ikke tom."));
        QVERIFY(removeFile(u"C:\\mappe\\fil"_qs));
        QVERIFY(removeEmptyFolder(u"C:\\mappe"_qs));
        QVERIFY(!QFileInfo::exists(tp->host(u"C:\\mappe"_qs)));
    }

    void metadata()
    {
        tp->makeFolder(u"C:\\privat"_qs);
        tp->makeFile(u"C:\\privat\\fil"_qs, "x");
        const timespec tider[2] = {{1100000000, 0}, {1200000000, 500}};
        QVERIFY(::chmod(host(u"C:\\privat"_qs).constData(), 0700) == 0);
        QVERIFY(::utimensat(AT_FDCWD, host(u"C:\\privat"_qs).constData(), tider, 0) == 0);
        QVERIFY(createFolder(u"D:\\privat"_qs));
        QVERIFY(copyFile(u"C:\\privat\\fil"_qs, u"D:\\privat\\fil"_qs).ok());
        QString grund;
        QVERIFY2(copyFolderAttributes(u"C:\\privat"_qs, u"D:\\privat"_qs, &grund), qPrintable(grund));
        const struct stat mappe = lstatOf(u"D:\\privat"_qs);
        QCOMPARE(mappe.st_mode & 07777, mode_t(0700));
        QCOMPARE(qint64(mappe.st_mtim.tv_sec), qint64(1200000000));
        QCOMPARE(qint64(mappe.st_mtim.tv_nsec), qint64(500));
        QCOMPARE(qint64(mappe.st_atim.tv_sec), qint64(1100000000));

        // A set-user-ID program stays one only for the owner it had.
        const QString prog = tp->makeFile(u"C:\\prog"_qs, "#!/bin/sh\n");
        QVERIFY(::chmod(host(prog).constData(), 04755) == 0);
        if (::geteuid() != 0)
            QSKIP("Giving a file to another owner needs root");
        QVERIFY(::chown(host(prog).constData(), 12345, 12346) == 0);
        QVERIFY(::chmod(host(prog).constData(), 04755) == 0);
        QVERIFY(copyFile(prog, u"D:\\prog"_qs).ok());
        struct stat kopi = lstatOf(u"D:\\prog"_qs);
        QCOMPARE(kopi.st_mode & 07777, mode_t(04755));
        QCOMPARE(kopi.st_uid, uid_t(12345));
        QCOMPARE(kopi.st_gid, gid_t(12346));

        // Copied by another user, it is that user's and loses the bit.
        const QByteArray rod = QFile::encodeName(QFileInfo(tp->host(u"C:"_qs)).absolutePath());
        QVERIFY(::chmod(rod.constData(), 0755) == 0);
        QVERIFY(::chmod(host(u"D:"_qs).constData(), 0777) == 0);
        const pid_t barn = ::fork();
        if (barn == 0) {
            const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && copyFile(prog, u"D:\\andens"_qs).ok();
            ::_exit(ok ? 0 : 1);
        }
        int status = -1;
        QVERIFY(::waitpid(barn, &status, 0) == barn);
        QCOMPARE(status, 0);
        kopi = lstatOf(u"D:\\andens"_qs);
        QCOMPARE(kopi.st_uid, uid_t(65534));
        QCOMPARE(kopi.st_mode & 07777, mode_t(0755));
    }
};

KV_TEST_MAIN(TstFilkopi)
#include "tst_filkopi.moc"

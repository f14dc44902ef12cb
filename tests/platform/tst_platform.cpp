// The platform layer on real temporary drives: drive table and path
// translation, listings, text files, file copies and the folder watch.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/LinuxPlatform.h"
#include "platform/Listning.h"
#include "platform/Mappevagt.h"
#include "platform/Papirkurv.h"
#include "platform/DesktopEntry.h"
#include "platform/Programopslag.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

class TstPlatform : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    QByteArray hostContent(const QString& path)
    {
        QFile f(tp->host(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
    }

private slots:
    void init() { tp = &TestPlatform::install(); }

    void pathTranslation()
    {
        const QString c = tp->host(u"C:"_qs);
        QCOMPARE(drives().toHost(u"C:\\"_qs).value(), c);
        QCOMPARE(drives().toHost(u"c:\\Data\\Fotos"_qs).value(), c + u"/Data/Fotos"_qs);
        QCOMPARE(drives().toHost(u"C:\\Data\\Fotos\\"_qs).value(), c + u"/Data/Fotos"_qs);
        QVERIFY(!drives().toHost(u"C:\\Data\\\\Fotos"_qs));
        QVERIFY(!drives().toHost(u"E:\\Data"_qs));
        QVERIFY(!drives().toHost(u"Data\\Fotos"_qs));
        QVERIFY(!drives().toHost(u"CD:\\x"_qs));

        QCOMPARE(drives().toProgram(c).value(), u"C:"_qs);
        QCOMPARE(drives().toProgram(c + u"/Data/Fotos/"_qs).value(), u"C:\\Data\\Fotos"_qs);
        // A backslash in a host name is carried as the character that stands for its byte.
        QCOMPARE(drives().toProgram(c + u"/back\\slash"_qs).value(), u"C:\\back"_qs + QChar(0xF05C) + u"slash"_qs);
        QVERIFY(!drives().toProgram(u"/somewhere/else"_qs));

        // The home drive lies inside the system drive; the deeper root wins.
        const DriveTable nested({{u'C', u"/home/anna"_qs, u"Hjem"_qs, DriveFixed},
                                 {u'D', u"/"_qs, u"System"_qs, DriveFixed}});
        QCOMPARE(nested.toProgram(u"/home/anna/Musik"_qs).value(), u"C:\\Musik"_qs);
        QCOMPARE(nested.toProgram(u"/home/annabel"_qs).value(), u"D:\\home\\annabel"_qs);
        QCOMPARE(nested.toProgram(u"/"_qs).value(), u"D:"_qs);
        QCOMPARE(nested.toHost(u"D:\\etc"_qs).value(), u"/etc"_qs);
        QCOMPARE(nested.toHost(u"D:"_qs).value(), u"/"_qs);
    }

    void driveTable()
    {
        tp->addDrive(u'E', u"Backup (old)"_qs, DriveRemovable);
        tp->addDrive(u'F', QString(), DriveOptical, false);
        QCOMPARE(drives().logicalDriveStrings(), (QStringList{u"C:\\"_qs, u"D:\\"_qs, u"E:\\"_qs, u"F:\\"_qs}));
        QCOMPARE(drives().volumeLabel(u'e'), u"Backup (old)"_qs);
        QCOMPARE(drives().driveType(u"E:\\x"_qs), int(DriveRemovable));
        QVERIFY(!drives().rootExists(u'F'));
        QCOMPARE(drives().driveType(u"F:"_qs), int(DriveUnknown));
        QCOMPARE(drives().driveType(u"Q:"_qs), int(DriveUnknown));
        const auto space = drives().diskSpace(u"C:"_qs);
        QVERIFY(space && space->total > 0 && space->free <= space->total);
    }

    void volumeClassification()
    {
        QCOMPARE(classifyVolume(u"iso9660"_qs, u"/dev/sr0"_qs, true), int(DriveOptical));
        QCOMPARE(classifyVolume(u"udf"_qs, u"/dev/sdb1"_qs, true), int(DriveOptical));
        QCOMPARE(classifyVolume(u"cifs"_qs, u"//server/del"_qs, false), int(DriveNetwork));
        QCOMPARE(classifyVolume(u"nfs4"_qs, u"server:/eksport"_qs, false), int(DriveNetwork));
        QCOMPARE(classifyVolume(u"tmpfs"_qs, u"tmpfs"_qs, false), int(DriveRam));
        QCOMPARE(classifyVolume(u"vfat"_qs, u"/dev/sdc1"_qs, true), int(DriveRemovable));
        QCOMPARE(classifyVolume(u"ext4"_qs, u"/dev/nvme0n1p2"_qs, false), int(DriveFixed));
        QCOMPARE(classifyVolume(u"overlay"_qs, u"overlay"_qs, false), int(DriveUnknown));
    }

    void hostDriveTable()
    {
        const DriveTable t = DriveTable::forHost(QDir::homePath());
        QVERIFY(t.drives().size() >= 2);
        QCOMPARE(t.drives()[0].letter, QChar(u'C'));
        QCOMPARE(t.drives()[0].label, u"Hjem"_qs);
        QCOMPARE(t.drives()[1].hostRoot, u"/"_qs);
        QCOMPARE(t.drives()[1].label, u"System"_qs);
        for (const Drive& d : t.drives())
            QVERIFY2(!d.hostRoot.startsWith(u"/proc") && !d.hostRoot.startsWith(u"/sys"), qPrintable(d.hostRoot));
    }

    void listing()
    {
        tp->makeFile(u"C:\\Data\\a.txt"_qs, "abc");
        tp->makeFile(u"C:\\Data\\.skjult"_qs);
        tp->makeFolder(u"C:\\Data\\Under"_qs);
        tp->makeFile(u"C:\\Data\\ro.txt"_qs);
        ::chmod(QFile::encodeName(tp->host(u"C:\\Data\\ro.txt"_qs)).constData(), 0444);
        // Names that are no plain text are listed too, each byte carried.
        QFile(tp->host(u"C:\\Data"_qs) + u"/back\\slash"_qs).open(QIODevice::WriteOnly);
        const QByteArray badName = QFile::encodeName(tp->host(u"C:\\Data"_qs)) + "/bad\xff.txt";
        ::close(::open(badName.constData(), O_CREAT | O_WRONLY, 0644));
        QFile::link(tp->host(u"C:\\Data\\Under"_qs), tp->host(u"C:\\Data"_qs) + u"/link"_qs);

        const auto entries = listFolder(u"C:\\Data"_qs);
        QVERIFY(entries);
        QMap<QString, DirEntry> byName;
        for (const DirEntry& e : *entries)
            byName[e.name] = e;
        QCOMPARE(byName.keys(), (QStringList{u".skjult"_qs, u"Under"_qs, u"a.txt"_qs, u"back"_qs + QChar(0xF05C) + u"slash"_qs,
                                             u"bad"_qs + QChar(0xF0FF) + u".txt"_qs, u"link"_qs, u"ro.txt"_qs}));
        QVERIFY(byName[u".skjult"_qs].hidden);
        QVERIFY(!byName[u"a.txt"_qs].hidden);
        QCOMPARE(byName[u"a.txt"_qs].size, 3);
        QVERIFY(byName[u"Under"_qs].isDir && !byName[u"Under"_qs].isLink);
        QVERIFY(byName[u"link"_qs].isDir && byName[u"link"_qs].isLink);
        QVERIFY(byName[u"ro.txt"_qs].readOnly && !byName[u"a.txt"_qs].readOnly);

        QVERIFY(!listFolder(u"C:\\Mangler"_qs));
        QVERIFY(folderExists(u"C:\\Data\\link"_qs) && !fileExists(u"C:\\Data\\link"_qs));
        QVERIFY(fileExists(u"C:\\Data\\a.txt"_qs) && !folderExists(u"C:\\Data\\a.txt"_qs));
        // QTemporaryDir cannot remove a name that is not text.
        QCOMPARE(::unlink(badName.constData()), 0);
    }

    // The structures' cheap listings tell folders from files as the full one
    // does, among links of every kind and special files.
    void theStructuresListingsAgreeWithTheFullOne()
    {
        const QByteArray mappe = QFile::encodeName(tp->host(tp->makeFolder(u"C:\\Blandet"_qs)));
        tp->makeFolder(u"C:\\Blandet\\Under"_qs);
        tp->makeFolder(u"C:\\Blandet\\.skjult"_qs);
        tp->makeFile(u"C:\\Blandet\\a.txt"_qs);
        QCOMPARE(::mkdir(mappe + "/m\xe6ppe\nny", 0700), 0);
        QCOMPARE(::mkfifo(mappe + "/roer", 0600), 0);
        QCOMPARE(::symlink("Under", mappe + "/tilMappe"), 0);
        QCOMPARE(::symlink("a.txt", mappe + "/tilFil"), 0);
        QCOMPARE(::symlink("mangler", mappe + "/doed"), 0);
        QCOMPARE(::symlink("loekke", mappe + "/loekke"), 0);

        const auto fuld = listFolder(u"C:\\Blandet"_qs);
        const auto vist = listFolderShown(u"C:\\Blandet"_qs);
        const auto mapper = listSubfolders(u"C:\\Blandet"_qs);
        QVERIFY(fuld && vist && mapper);
        QCOMPARE(vist->size(), fuld->size());
        QStringList fuldeMapper, undermapper;
        for (size_t i = 0; i < fuld->size(); ++i) {
            QCOMPARE((*vist)[i].name, (*fuld)[i].name);
            QCOMPARE((*vist)[i].isDir, (*fuld)[i].isDir);
            QCOMPARE((*vist)[i].hidden, (*fuld)[i].hidden);
            if ((*fuld)[i].isDir)
                fuldeMapper << (*fuld)[i].name;
        }
        for (const DirEntry& e : *mapper)
            undermapper << e.name;
        QCOMPARE(undermapper, fuldeMapper);
        QCOMPARE(undermapper, (QStringList{u".skjult"_qs, u"m"_qs + QChar(0xF0E6) + u"ppe"_qs + QChar(0xF00A) + u"ny"_qs,
                                            u"tilMappe"_qs, u"Under"_qs}));
        QVERIFY(!listSubfolders(u"C:\\Mangler"_qs));
        // The temporary folder's own clean-up cannot reach names that are no text.
        QVERIFY(removeTree(u"C:\\Blandet"_qs));
    }

    void lineEndingsAndBoms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("cr, lf and none at the end") << QByteArray("a\rb\nc") << QStringList{u"a"_qs, u"b"_qs, u"c"_qs};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{u"a"_qs, QString(), u"b"_qs};
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("windows-1252") << QByteArray("S\xf8ren \x80 5\r\n") << QStringList{u"Søren € 5"_qs};
        QTest::newRow("utf-8 bom") << QByteArray("\xef\xbb\xbfS\xc3\xb8ren\r\n") << QStringList{u"Søren"_qs};
        QTest::newRow("utf-8 without bom") << QByteArray("\xc3\x86" "bler\n") << QStringList{u"Æbler"_qs};
        QTest::newRow("encoding chosen per line")
            << QByteArray("\xc3\x86" "bler\r\nS\xf8ren\r\n\xc3\x98l\r\n\xc3\x86\xe6\r\n")
            << QStringList{u"Æbler"_qs, u"Søren"_qs, u"Øl"_qs, u"Ã\u2020æ"_qs};
        // One Latin-1 byte after a byte-order mark keeps its character; the rest stays UTF-8.
        QTest::newRow("utf-8 bom with a windows-1252 line")
            << QByteArray("\xef\xbb\xbf" "C:\\S\xf8ren\r\nC:\\\xd0\xa4\r\n") << QStringList{u"C:\\Søren"_qs, u"C:\\Ф"_qs};
        QTest::newRow("utf-16le bom") << QByteArray("\xff\xfe" "a\0\r\0\n\0\xe6\0", 10) << QStringList{u"a"_qs, u"æ"_qs};
        QTest::newRow("utf-16be bom") << QByteArray("\xfe\xff\0a\0\n\0\xe5", 8) << QStringList{u"a"_qs, u"å"_qs};
    }

    void lineEndingsAndBoms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(decodeTextLines(bytes), lines);
    }

    void textEncodingChoice()
    {
        QCOMPARE(encodeTextLines({u"Drev C:"_qs, u"C:\\Blåbær"_qs}), QByteArray("Drev C:\r\nC:\\Bl\xe5\x62\xe6r\r\n"));
        QCOMPARE(encodeTextLines({}), QByteArray());
        // A name Windows-1252 cannot hold turns the whole file into UTF-8 with a BOM.
        const QStringList mixed{u"Blåbær"_qs, u"C:\\Фото"_qs};
        const QByteArray bytes = encodeTextLines(mixed);
        QVERIFY(bytes.startsWith("\xef\xbb\xbf"));
        QCOMPARE(decodeTextLines(bytes), mixed);
        // Load and save change no text: a stray Windows-1252 byte after the mark
        // (and each of the five bytes Windows-1252 leaves unused) comes back as it was.
        for (const QByteArray& raa : {QByteArray("\xef\xbb\xbf" "C:\\Bl\xe5\r\nC:\\\xd0\xa4\r\n"),
                                      QByteArray("\xef\xbb\xbf" "a\x81\x8d\x8f\x90\x9d\r\n")}) {
            const QStringList laest = decodeTextLines(raa);
            QVERIFY(!laest.join(QString()).contains(QChar(QChar::ReplacementCharacter)));
            QCOMPARE(decodeTextLines(encodeTextLines(laest)), laest);
        }
        QCOMPARE(encodeTextLines(decodeTextLines("\xef\xbb\xbf" "a\x81\x8d\x8f\x90\x9d\r\n")),
                 QByteArray("a\x81\x8d\x8f\x90\x9d\r\n"));
        // Text whose Windows-1252 bytes read otherwise is saved as UTF-8 and comes
        // back whole: a name garbled once ("Ã¦" is "æ" as UTF-8), a first line
        // that starts like a byte-order mark, and a line that starts with U+FEFF.
        for (const QStringList& lines : {QStringList{u"C:\\Blåbær"_qs, u"C:\\Fotos\\Ã¦ble.jpg"_qs},
                                         QStringList{u"ÿþnote"_qs}, QStringList{u"þÿ"_qs, u"b"_qs},
                                         QStringList{u"ï»¿C:\\x"_qs}, QStringList{u"\uFEFFa"_qs, u"\uFEFF\u0444"_qs}}) {
            const QByteArray bytes = encodeTextLines(lines);
            QCOMPARE(decodeTextLines(bytes), lines);
        }
        QVERIFY(encodeTextLines({u"Søren"_qs, u"ÿ"_qs}).startsWith("S\xf8ren"));
        // A value with a line break (pasted into a field) keeps one line, in either
        // encoding, so the name-and-address pairs after it stay pairs.
        for (const QString& navn : {u"Nyheder\r\nog vejr"_qs, u"Ф\nб\r"_qs}) {
            const QStringList par{navn, u"http://a.dk"_qs, u"B"_qs, u"http://b.dk"_qs};
            QStringList ventet = par;
            ventet[0].replace(u"\r\n"_qs, u"  "_qs).replace(u'\n', u' ').replace(u'\r', u' ');
            QCOMPARE(decodeTextLines(encodeTextLines(par)), ventet);
        }
    }

    // Every reader of whole files: a FIFO, a link to a device and a file over
    // the limit each give a Danish reason at once, never a hang or an abort.
    void wholeFileReadersRefuseWhatIsNoFile()
    {
        tp->makeFolder(u"C:\\Opt"_qs);
        const QByteArray opt = tp->hostBytes(u"C:\\Opt"_qs);
        QCOMPARE(::mkfifo((opt + "/fifo.txt").constData(), 0600), 0);
        QCOMPARE(::symlink("/dev/zero", (opt + "/nul.txt").constData()), 0);
        // Sparse: as large as it says without taking the room.
        const int fd = ::open((opt + "/stor.txt").constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0 && ::ftruncate(fd, maxTekstfil + 1) == 0);
        ::close(fd);
        tp->makeFile(u"C:\\Opt\\ok.desktop"_qs, "[Desktop Entry]\nType=Application\nExec=vis\n");
        QVERIFY(::symlink((opt + "/fifo.txt").constData(), (opt + "/fifo.desktop").constData()) == 0);

        for (const char* navn : {"fifo.txt", "nul.txt", "stor.txt"}) {
            const QString sti = u"C:\\Opt\\"_qs + QString::fromLatin1(navn);
            QString fejl;
            QVERIFY(!readTextLines(sti, &fejl));
            QVERIFY2(fejl.startsWith(navn == QByteArray("stor.txt") ? u"Filen er for stor"_qs : u"Filen er ikke en almindelig fil"_qs),
                     qPrintable(fejl));
            QVERIFY(fejl.endsWith(sti));
        }
        QVERIFY(readRegularFile(u"C:\\Opt\\stor.txt"_qs, maxTekstfil + 1));
        QVERIFY(DesktopEntry::laes(locateFile(u"C:\\Opt\\ok.desktop"_qs), QString()));
        QVERIFY(!DesktopEntry::laes(locateFile(u"C:\\Opt\\fifo.desktop"_qs), QString()));
        QVERIFY(!DesktopEntry::laes(QString::fromUtf8(opt + "/fifo.desktop")));
        QCOMPARE(readXdgUserDir(QString::fromUtf8(opt + "/fifo.txt"), u"/h"_qs, u"DESKTOP"_qs), QString());
        // The type of a special file comes from its name alone.
        QCOMPARE(Programopslag::filtype(QString::fromUtf8(opt + "/fifo.txt")), u"text/plain"_qs);
    }

    void atomicWrite()
    {
        tp->makeFolder(u"C:\\Opt"_qs);
        QVERIFY(writeTextLines(u"C:\\Opt\\liste.txt"_qs, {u"a"_qs}));
        ::chmod(QFile::encodeName(tp->host(u"C:\\Opt\\liste.txt"_qs)).constData(), 0600);
        QVERIFY(writeTextLines(u"C:\\Opt\\liste.txt"_qs, {u"b"_qs, u"c"_qs}));
        QCOMPARE(hostContent(u"C:\\Opt\\liste.txt"_qs), QByteArray("b\r\nc\r\n"));
        QCOMPARE(QFileInfo(tp->host(u"C:\\Opt\\liste.txt"_qs)).permissions() & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QDir(tp->host(u"C:\\Opt"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList{u"liste.txt"_qs});

        QString fejl;
        QVERIFY(!writeTextLines(u"C:\\Mangler\\liste.txt"_qs, {u"x"_qs}, &fejl));
        QVERIFY2(fejl.contains(u"Systemet kan ikke finde"), qPrintable(fejl));
        QVERIFY(fejl.contains(u"C:\\Mangler\\liste.txt"));
    }

    void createFolders()
    {
        QVERIFY(createFolder(u"C:\\Kvistlund\\Anna\\Noter\\"_qs));
        QVERIFY(folderExists(u"C:\\Kvistlund\\Anna\\Noter"_qs));
        QVERIFY(createFolder(u"C:\\Kvistlund"_qs));
        tp->makeFile(u"C:\\Fil"_qs);
        QString fejl;
        QVERIFY(!createFolder(u"C:\\Fil\\Under"_qs, &fejl));
        QVERIFY(!fejl.isEmpty());
    }

    void copyWithoutOverwrite()
    {
        tp->makeFile(u"C:\\a.txt"_qs, "indhold");
        const QString kilde = tp->host(u"C:\\a.txt"_qs);
        ::chmod(QFile::encodeName(kilde).constData(), 0640);
        const timespec times[2] = {{1000000000, 0}, {1200000000, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(kilde).constData(), times, 0);

        QVERIFY(copyFile(u"C:\\a.txt"_qs, u"D:\\b.txt"_qs).ok());
        QCOMPARE(hostContent(u"D:\\b.txt"_qs), QByteArray("indhold"));
        const QFileInfo kopi(tp->host(u"D:\\b.txt"_qs));
        QCOMPARE(kopi.lastModified().toSecsSinceEpoch(), 1200000000);
        QCOMPARE(kopi.permissions(), QFileInfo(kilde).permissions());

        tp->makeFile(u"D:\\c.txt"_qs, "gammel");
        CopyResult r = copyFile(u"C:\\a.txt"_qs, u"D:\\c.txt"_qs);
        QCOMPARE(r.status, CopyStatus::Failed);
        QVERIFY(r.error.startsWith(u"Filen findes allerede."));
        QCOMPARE(hostContent(u"D:\\c.txt"_qs), QByteArray("gammel"));

        r = copyFile(u"C:\\mangler.txt"_qs, u"D:\\d.txt"_qs);
        QVERIFY(r.error.startsWith(u"Systemet kan ikke finde den angivne fil."));
        QVERIFY(!QFile::exists(tp->host(u"D:\\d.txt"_qs)));
    }

    void copyOverwriteAndStop()
    {
        const QByteArray stor(3 << 20, 'x');
        tp->makeFile(u"C:\\stor.bin"_qs, stor);
        tp->makeFile(u"D:\\stor.bin"_qs, "gammel");
        CopyOptions stop;
        stop.overwrite = true;
        stop.progress = [](qint64 copied, qint64) { return copied == 0; };
        CopyResult r = copyFile(u"C:\\stor.bin"_qs, u"D:\\stor.bin"_qs, stop);
        QCOMPARE(r.status, CopyStatus::Stopped);
        QCOMPARE(hostContent(u"D:\\stor.bin"_qs), QByteArray("gammel"));
        QCOMPARE(QDir(tp->host(u"D:"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList{u"stor.bin"_qs});

        CopyOptions over;
        over.overwrite = true;
        QVERIFY(copyFile(u"C:\\stor.bin"_qs, u"D:\\stor.bin"_qs, over).ok());
        QCOMPARE(hostContent(u"D:\\stor.bin"_qs), stor);

        // A hard link is the same file: it is never opened for writing.
        QVERIFY(::link(QFile::encodeName(tp->host(u"C:\\stor.bin"_qs)).constData(),
                       QFile::encodeName(tp->host(u"C:\\link.bin"_qs)).constData()) == 0);
        r = copyFile(u"C:\\stor.bin"_qs, u"C:\\link.bin"_qs, over);
        QCOMPARE(r.status, CopyStatus::SammeFil);
        QCOMPARE(hostContent(u"C:\\stor.bin"_qs), stor);
    }

    void linuxSpecialFolders()
    {
        const QString home = QDir::homePath();
        QDir(home).mkpath(u"Skrivebord"_qs);
        QDir(home).mkpath(u"Offentlig"_qs);
        QDir(home).mkpath(u".config"_qs);
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QDir().mkpath(config);
        QFile f(config + u"/user-dirs.dirs"_qs);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("# comment\nXDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\nXDG_DOCUMENTS_DIR=\"$HOME/\"\n"
                "XDG_MUSIC_DIR=\"$HOME/Musik\"\nXDG_PUBLICSHARE_DIR=\"$HOME/Offentlig\"\n");
        f.close();

        Platform::install(std::make_unique<LinuxPlatform>());
        Platform& p = Platform::instance();
        QCOMPARE(p.profileFolder(), u"C:"_qs);
        QCOMPARE(p.specialFolder(SpecialFolder::Desktop).value_or(u"-"_qs), u"C:\\Skrivebord"_qs);
        QVERIFY(!p.specialFolder(SpecialFolder::Documents));  // pointed at home: switched off
        QVERIFY(!p.specialFolder(SpecialFolder::Music));      // named but missing
        QCOMPARE(p.publicFolder(), u"C:\\Offentlig"_qs);
        QVERIFY(!p.loginName().isEmpty());

        // Something in the home folder goes to the home bin, with its info file.
        const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        QFile fil(home + u"/slet mig.txt"_qs);
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.close();
        QString fejl;
        QVERIFY2(moveToTrash(u"C:\\slet mig.txt"_qs, &fejl), qPrintable(fejl));
        QVERIFY(QFile::exists(dataHome + u"/Trash/files/slet mig.txt"_qs));
        QFile info(dataHome + u"/Trash/info/slet mig.txt.trashinfo"_qs);
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("Path=" + QFile::encodeName(home) + "/slet%20mig.txt\n"));
        QCOMPARE(p.trashDirsOfDrive(u'C').value(0), dataHome + u"/Trash"_qs);
        QCOMPARE(emptyTrash(u'C'), 1);
        QCOMPARE(emptyTrash(u'C'), -1);
    }

    void folderWatch()
    {
        tp->makeFolder(u"C:\\Fotos"_qs);
        tp->makeFolder(u"C:\\Andet"_qs);
        Mappevagt vagt(nullptr, 50);
        QStringList besked;
        connect(&vagt, &Mappevagt::aendret, this, [&](const QString& m) { besked << m; });
        QVERIFY(!vagt.vogt(u"C:\\Findes ikke"_qs));
        QVERIFY(vagt.mappe().isEmpty());

        // A file that comes, one renamed, one that goes.
        QVERIFY(vagt.vogt(u"C:\\Fotos"_qs));
        tp->makeFile(u"C:\\Fotos\\a.jpg"_qs, "x");
        QTRY_COMPARE(besked, QStringList{u"C:\\Fotos"_qs});
        QVERIFY(QFile::rename(tp->host(u"C:\\Fotos\\a.jpg"_qs), tp->host(u"C:\\Fotos\\b.jpg"_qs)));
        QTRY_COMPARE(besked.size(), 2);
        QVERIFY(QFile::remove(tp->host(u"C:\\Fotos\\b.jpg"_qs)));
        QTRY_COMPARE(besked.size(), 3);

        // Another folder watched: the first one's changes, even those already queued, say nothing.
        besked.clear();
        tp->makeFile(u"C:\\Fotos\\c.jpg"_qs, "x");
        QVERIFY(vagt.vogt(u"C:\\Andet"_qs));
        tp->makeFile(u"C:\\Fotos\\d.jpg"_qs, "x");
        QTest::qWait(200);
        QVERIFY(besked.isEmpty());
        tp->makeFile(u"C:\\Andet\\e.jpg"_qs, "x");
        QTRY_COMPARE(besked, QStringList{u"C:\\Andet"_qs});

        // The folder itself removed is a change; made again, it can be watched again.
        besked.clear();
        QVERIFY(QDir(tp->host(u"C:\\Andet"_qs)).removeRecursively());
        QTRY_VERIFY(!besked.isEmpty());
        tp->makeFolder(u"C:\\Andet"_qs);
        QVERIFY(vagt.vogt(u"C:\\Andet"_qs));
        besked.clear();
        tp->makeFile(u"C:\\Andet\\f.jpg"_qs, "x");
        QTRY_COMPARE(besked, QStringList{u"C:\\Andet"_qs});

        // Stopped, nothing more is told.
        QVERIFY(!vagt.vogt(QString()));
        QVERIFY(vagt.mappe().isEmpty());

        // Several folders at once, each told apart; the ones no longer asked for are let go.
        Mappevagt flere(nullptr, 20);
        flere.setMellemrum(100);
        QStringList hoert;
        connect(&flere, &Mappevagt::aendret, this, [&](const QString& m) { hoert << m; });
        QCOMPARE(flere.vogtAlle({u"C:\\Fotos"_qs, u"C:\\Andet"_qs, u"C:\\Findes ikke"_qs}),
                 QStringList{u"C:\\Findes ikke"_qs});
        tp->makeFile(u"C:\\Fotos\\g.jpg"_qs, "x");
        tp->makeFile(u"C:\\Andet\\h.jpg"_qs, "x");
        QTRY_COMPARE(hoert.size(), 2);
        hoert.sort();
        QCOMPARE(hoert, (QStringList{u"C:\\Andet"_qs, u"C:\\Fotos"_qs}));
        flere.vogtAlle({u"C:\\Andet"_qs});
        QCOMPARE(flere.mapper(), QStringList{u"C:\\Andet"_qs});
        hoert.clear();
        tp->makeFile(u"C:\\Fotos\\i.jpg"_qs, "x");
        tp->makeFile(u"C:\\Andet\\j.jpg"_qs, "x");
        QTRY_COMPARE(hoert, QStringList{u"C:\\Andet"_qs});
    }
};

KV_TEST_MAIN(TstPlatform)
#include "tst_platform.moc"

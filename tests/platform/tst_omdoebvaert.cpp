// Renames that never replace, the check of typed names and the one-level
// folder creation, on the test drives.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/Omdoebning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace kv;
using kvtest::TestPlatform;

class TstOmdoebningPlatform : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

private slots:
    void init() { tp = &TestPlatform::install(); }

    void typedNamesThatLeaveTheFolderAreRefused()
    {
        for (const QString& ok : {u"Notat"_qs, u"a.b.c"_qs, u" indrykket"_qs, u"Æble ø å"_qs, QString(127, u'ø')})
            QVERIFY2(checkTypedName(ok).isEmpty(), qPrintable(ok));
        const QString refuse[] = {QString(), u"   "_qs, u"."_qs, u".."_qs, u"..\\Arkiv"_qs, u"x\\y"_qs, u"x/y"_qs,
                                  u"a\rb"_qs, u"a\nb"_qs, u"a"_qs + QChar(u'\0'), QString(128, u'ø'),
                                  QString(256, u'a')};
        for (const QString& navn : refuse)
            QVERIFY2(!checkTypedName(navn).isEmpty(), qPrintable(navn));
        QCOMPARE(checkTypedName(u"  "_qs), u"Der mangler et nyt navn."_qs);

        // Characters that stand for host bytes become any byte, "." "/" and NUL
        // among them; control characters of every range are refused too.
        for (const QString& navn : {u"\uF02E\uF02E\uF02Fy"_qs, u"a\uF000b"_qs, u"\uF02E"_qs, u"s\uF0F8ren"_qs,
                                    u"a\tb"_qs, u"a\u007Fb"_qs, u"a\u0085b"_qs, u"a\u009Bb"_qs})
            QVERIFY2(!checkTypedName(navn).isEmpty(), qPrintable(navn));
        // A byte the old name had may stay when the rest of the name changes; no other.
        QVERIFY(checkTypedName(u"S\uF0F8ren"_qs, u"s\uF0F8ren"_qs).isEmpty());
        QVERIFY(!checkTypedName(u"\uF02E\uF02E\uF02Fs\uF0F8ren"_qs, u"s\uF0F8ren"_qs).isEmpty());
    }

    void renameNeverReplaces()
    {
        tp->makeFile(u"C:\\M\\a.txt"_qs, "a");
        tp->makeFile(u"C:\\M\\b.txt"_qs, "b");
        tp->makeFolder(u"C:\\M\\Mappe\\Under"_qs);
        tp->makeFolder(u"C:\\M\\Tom"_qs);
        QCOMPARE(renameNoReplace(u"C:\\M\\a.txt"_qs, u"C:\\M\\b.txt"_qs), RenameStatus::Optaget);
        QCOMPARE(renameNoReplace(u"C:\\M\\a.txt"_qs, u"C:\\M\\Mappe"_qs), RenameStatus::Optaget);
        // An empty folder is no free place for another folder either.
        QCOMPARE(renameNoReplace(u"C:\\M\\Mappe"_qs, u"C:\\M\\Tom"_qs), RenameStatus::Optaget);
        QVERIFY(QFileInfo(tp->host(u"C:\\M\\Mappe\\Under"_qs)).isDir());
        QFile b(tp->host(u"C:\\M\\b.txt"_qs));
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), QByteArray("b"));

        QCOMPARE(renameNoReplace(u"C:\\M\\Mappe"_qs, u"C:\\M\\Ny"_qs), RenameStatus::Omdoebt);
        QVERIFY(QFileInfo(tp->host(u"C:\\M\\Ny\\Under"_qs)).isDir());
        QString grund;
        QCOMPARE(renameNoReplace(u"C:\\M\\findes ikke"_qs, u"C:\\M\\x"_qs, &grund), RenameStatus::Fejl);
        QVERIFY(grund.contains(u"Systemet kan ikke finde"_qs));

        // Only the letter case changes: the entry keeps its content.
        QCOMPARE(renameNoReplace(u"C:\\M\\a.txt"_qs, u"C:\\M\\A.TXT"_qs), RenameStatus::Omdoebt);
        QCOMPARE(QDir(tp->host(u"C:\\M"_qs)).entryList(QDir::Files), (QStringList{u"A.TXT"_qs, u"b.txt"_qs}));
        // A link is renamed as itself.
        QVERIFY(QFile::link(tp->host(u"C:\\M\\Ny"_qs), tp->host(u"C:\\M\\Genvej"_qs)));
        QCOMPARE(renameNoReplace(u"C:\\M\\Genvej"_qs, u"C:\\M\\Link"_qs), RenameStatus::Omdoebt);
        QVERIFY(QFileInfo(tp->host(u"C:\\M\\Link"_qs)).isSymLink());
    }

    void oneLevelFolderCreation()
    {
        tp->makeFolder(u"C:\\M"_qs);
        tp->makeFile(u"C:\\M\\fil"_qs);
        QCOMPARE(createFolderOnce(u"C:\\M\\Ny"_qs), NyMappeStatus::Oprettet);
        QCOMPARE(createFolderOnce(u"C:\\M\\Ny"_qs), NyMappeStatus::Findes);
        QCOMPARE(createFolderOnce(u"C:\\M\\fil"_qs), NyMappeStatus::Findes);
        QString grund;
        QCOMPARE(createFolderOnce(u"C:\\M\\Mangler\\Ny"_qs, &grund), NyMappeStatus::Fejl);
        QVERIFY(!grund.isEmpty());
        QVERIFY(!QFileInfo::exists(tp->host(u"C:\\M\\Mangler"_qs)));
    }
};

KV_TEST_MAIN(TstOmdoebningPlatform)
#include "tst_omdoebvaert.moc"

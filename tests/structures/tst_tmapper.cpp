// Special folders on a test drive, their failures, and the file-type tests.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/Fejl.h"
#include "ui/Billeder.h"
#include "structures/TMapper.h"

using namespace kv;
using kvtest::TestPlatform;

class TstTMapper : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    static QString fejlFra(const std::function<QString()>& f)
    {
        try {
            f();
        } catch (const Fejl& e) {
            return e.tekst();
        }
        return QString();
    }

private slots:
    void init() { tp = &TestPlatform::install(u"Anna"_qs); }

    void specialFoldersWhenPresent()
    {
        TMapper m(nullptr);
        tp->makeFolder(u"C:\\users\\Anna\\Documents"_qs);
        tp->makeFolder(u"C:\\users\\Public\\Pictures"_qs);
        QCOMPARE(m.GetMyDocuments(), u"C:\\users\\Anna\\Documents"_qs);
        QCOMPARE(m.GetCommonPictures(), u"C:\\users\\Public\\Pictures"_qs);
    }

    void specialFolderFailures()
    {
        TMapper m(nullptr);
        const std::pair<std::function<QString()>, QString> tabel[] = {
            {[&] { return m.GetMyDesktop(); }, u"Kunne ikke finde skrivebordsmappen."_qs},
            {[&] { return m.GetMyDocuments(); }, u"Kunne ikke finde dokumentmappen."_qs},
            {[&] { return m.GetMyMusic(); }, u"Kunne ikke finde musikmappen."_qs},
            {[&] { return m.GetMyPictures(); }, u"Kunne ikke finde billedmappen."_qs},
            {[&] { return m.GetMyVideo(); }, u"Kunne ikke finde videomappen."_qs},
            {[&] { return m.GetMyFavorit(); }, u"Kunne ikke finde favoritmappen."_qs},
            {[&] { return m.GetMyApp(); }, u"Kunne ikke finde programmappen."_qs},
            {[&] { return m.GetStartMenuPrograms(); }, u"Kunne ikke finde startmenumappen."_qs},
            {[&] { return m.GetCommonDocuments(); }, u"Kunne ikke finde dokumentmappen for alle brugere."_qs},
            {[&] { return m.GetCommonMusic(); }, u"Kunne ikke finde musikmappen for alle brugere."_qs},
            {[&] { return m.GetCommonPictures(); }, u"Kunne ikke finde billedmappen for alle brugere."_qs},
            {[&] { return m.GetCommonVideo(); }, u"Kunne ikke finde videomappen for alle brugere."_qs},
        };
        for (const auto& [kald, besked] : tabel)
            QCOMPARE(fejlFra(kald), besked);
    }

    void fallbacksToDriveC()
    {
        TMapper m(nullptr);
        QCOMPARE(m.GetAllUsers(), u"C:"_qs);
        QCOMPARE(m.GetMyDownLoad(u"Anna"_qs), u"C:"_qs);
        tp->makeFolder(u"C:\\users\\Public"_qs);
        tp->makeFolder(u"C:\\users\\Anna\\Downloads"_qs);
        QCOMPARE(m.GetAllUsers(), u"C:\\users\\Public"_qs);
        QCOMPARE(m.GetMyDownLoad(u"anna"_qs), u"C:\\users\\Anna\\Downloads"_qs);
        QCOMPARE(m.GetMyDownLoad(u"Bo"_qs), u"C:"_qs);
    }

    void fileTypes()
    {
        for (const char16_t* e : {u".txt", u".TXT", u".Html", u".ps1", u".asa", u".rtf"})
            QVERIFY2(TMapper::erDetEnTekstfil(QString::fromUtf16(e)), qPrintable(QString::fromUtf16(e)));
        for (const char16_t* e : {u"txt", u".htm", u".pas", u"", u".jpg"})
            QVERIFY(!TMapper::erDetEnTekstfil(QString::fromUtf16(e)));
        for (const char16_t* e : {u".jpg", u".JPG", u".Png", u".bmp", u".ico", u".gif"})
            QVERIFY(TMapper::erDetEnBilledfil(QString::fromUtf16(e)));
        for (const char16_t* e : {u".jpeg", u"jpg", u".tif", u""})
            QVERIFY(!TMapper::erDetEnBilledfil(QString::fromUtf16(e)));
    }

    void filePictures()
    {
        QCOMPARE(filBillede(u".WSF"_qs), Billede::Script);
        QCOMPARE(filBillede(u".asa"_qs), Billede::Webside);
        QCOMPARE(filBillede(u".xsd"_qs), Billede::Tekst);
        QCOMPARE(filBillede(u".GIF"_qs), Billede::Billedfil);
        QCOMPARE(filBillede(u".m4v"_qs), Billede::M4V);
        QCOMPARE(filBillede(u".lnk"_qs), Billede::Genvej);
        QCOMPARE(filBillede(u".jpeg"_qs), Billede::Fil);
        QCOMPARE(filBillede(QString()), Billede::Fil);
    }
};

KV_TEST_MAIN(TstTMapper)
#include "tst_tmapper.moc"

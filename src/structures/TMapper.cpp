#include "structures/TMapper.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"

namespace kv {

namespace {

QString specialFolder(SpecialFolder folder, const char16_t* failure)
{
    if (auto path = Platform::instance().specialFolder(folder))
        return *path;
    throw Fejl(QString::fromUtf16(failure));
}

bool inList(const QString& ext, std::initializer_list<const char16_t*> list)
{
    const QString lower = lowerAZ(ext);
    for (const char16_t* e : list)
        if (lower == QStringView(e))
            return true;
    return false;
}

} // namespace

TMapper::TMapper(QObject* owner) : QObject(owner) {}

QString TMapper::GetMyDesktop() const
{
    return specialFolder(SpecialFolder::Desktop, u"Kunne ikke finde skrivebordsmappen.");
}

QString TMapper::GetMyDocuments() const
{
    return specialFolder(SpecialFolder::Documents, u"Kunne ikke finde dokumentmappen.");
}

QString TMapper::GetMyMusic() const
{
    return specialFolder(SpecialFolder::Music, u"Kunne ikke finde musikmappen.");
}

QString TMapper::GetMyPictures() const
{
    return specialFolder(SpecialFolder::Pictures, u"Kunne ikke finde billedmappen.");
}

QString TMapper::GetMyVideo() const
{
    return specialFolder(SpecialFolder::Videos, u"Kunne ikke finde videomappen.");
}

QString TMapper::GetMyFavorit() const
{
    return specialFolder(SpecialFolder::Favorites, u"Kunne ikke finde favoritmappen.");
}

QString TMapper::GetMyApp() const
{
    return specialFolder(SpecialFolder::LocalAppData, u"Kunne ikke finde programmappen.");
}

QString TMapper::GetStartMenuPrograms() const
{
    return specialFolder(SpecialFolder::StartMenuPrograms, u"Kunne ikke finde startmenumappen.");
}

QString TMapper::GetCommonDocuments() const
{
    return specialFolder(SpecialFolder::CommonDocuments, u"Kunne ikke finde dokumentmappen for alle brugere.");
}

QString TMapper::GetCommonMusic() const
{
    return specialFolder(SpecialFolder::CommonMusic, u"Kunne ikke finde musikmappen for alle brugere.");
}

QString TMapper::GetCommonPictures() const
{
    return specialFolder(SpecialFolder::CommonPictures, u"Kunne ikke finde billedmappen for alle brugere.");
}

QString TMapper::GetCommonVideo() const
{
    return specialFolder(SpecialFolder::CommonVideos, u"Kunne ikke finde videomappen for alle brugere.");
}

QString TMapper::GetAllUsers() const
{
    const QString shared = Platform::instance().publicFolder();
    return folderExists(shared) ? shared : u"C:"_qs;
}

QString TMapper::GetMyDownLoad(const QString& TheUsername) const
{
    // The platform knows the downloads folder of the logged-in user only.
    if (sameTextAZ(TheUsername, Platform::instance().loginName()))
        if (auto path = Platform::instance().specialFolder(SpecialFolder::Downloads))
            return *path;
    return u"C:"_qs;
}

bool TMapper::erDetEnTekstfil(const QString& ext)
{
    return inList(ext, {u".asp", u".bat", u".html", u".inc", u".js", u".vbs", u".css",
                        u".txt", u".wsf", u".xml", u".rtf", u".asa", u".ps1"});
}

bool TMapper::erDetEnBilledfil(const QString& ext)
{
    return inList(ext, {u".jpg", u".png", u".bmp", u".ico", u".gif"});
}

} // namespace kv

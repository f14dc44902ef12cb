#include "ProgramPath.h"
#include "HostName.h"

#include <algorithm>

namespace kv {

namespace {

char16_t lavAZ(char16_t u)
{
    return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
}

} // namespace

QString lowerAZ(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = QChar(lavAZ(c.unicode()));
    return r;
}

bool sameTextAZ(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (lavAZ(a[i].unicode()) != lavAZ(b[i].unicode()))
            return false;
    return true;
}

bool containsAZ(QStringView s, QStringView lavTekst)
{
    for (qsizetype i = 0; i + lavTekst.size() <= s.size(); ++i) {
        qsizetype j = 0;
        while (j < lavTekst.size() && lavAZ(s[i + j].unicode()) == lavTekst[j].unicode())
            ++j;
        if (j == lavTekst.size())
            return true;
    }
    return false;
}

QString extensionOf(const QString& path)
{
    const QString name = nameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString nameOf(const QString& path)
{
    const qsizetype i = path.lastIndexOf(u'\\');
    return i < 0 ? path : path.mid(i + 1);
}

QString parentOf(const QString& path)
{
    const qsizetype i = path.lastIndexOf(u'\\');
    return i < 0 ? QString() : path.left(i);
}

QString joinPath(const QString& folder, const QString& name)
{
    // One allocation: a search joins a path for every hit.
    const bool skel = !folder.endsWith(u'\\');
    QString sti;
    sti.reserve(folder.size() + qsizetype(skel) + name.size());
    sti += folder;
    if (skel)
        sti += u'\\';
    sti += name;
    return sti;
}

static bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

bool isProgramPath(const QString& path)
{
    return path.size() >= 2 && isLetter(path[0]) && path[1] == u':'
        && (path.size() == 2 || path[2] == u'\\');
}

QString visningsnavn(const QString& name)
{
    const auto escaped = [](QChar c) { return isEscapedByte(c.unicode()); };
    if (std::none_of(name.begin(), name.end(), escaped))
        return name;
    QString shown = name;
    for (QChar& c : shown)
        if (escaped(c))
            c = c.unicode() == 0xF000 + u'\\' ? QChar(u'\\') : QChar(QChar::ReplacementCharacter);
    return shown;
}

QString fraVisning(const QString& vist, const QString& navn)
{
    QString skjulte;
    for (const QChar c : navn)
        if (isEscapedByte(c.unicode()))
            skjulte += c;
    const auto maerke = [](QChar c) { return c == QChar(QChar::ReplacementCharacter) || c == u'\\'; };
    if (skjulte.isEmpty() || std::count_if(vist.begin(), vist.end(), maerke) != skjulte.size())
        return vist;
    QString navnet = vist;
    qsizetype i = 0;
    for (QChar& c : navnet) {
        if (!maerke(c))
            continue;
        if (visningsnavn(skjulte.at(i)).at(0) != c)
            return vist;  // the marks no longer stand where the name had its bytes
        c = skjulte.at(i++);
    }
    return navnet;
}

} // namespace kv

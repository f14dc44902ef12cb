#pragma once
// Paths in the program's own form: a drive letter and a colon, then components
// separated by backslashes ("C:", "C:\Data\Fotos"). Comparisons ignore case for
// the letters A to Z only; æ, ø, å and every other character must match exactly.
#include <QString>
#include <QStringList>

namespace kv {

QString lowerAZ(const QString& s);
bool sameTextAZ(const QString& a, const QString& b);
// Whether s holds lavTekst, which is lower-cased A to Z already; no copy of s is made.
bool containsAZ(QStringView s, QStringView lavTekst);
// Extension with its dot, as written ("C:\a\B.TXT" gives ".TXT"); empty when none.
QString extensionOf(const QString& path);
// The characters after the last backslash; the whole text when there is none.
QString nameOf(const QString& path);
// Everything before the last backslash; empty when there is none.
QString parentOf(const QString& path);
// folder + "\" + name, without doubling a backslash the folder already ends with.
QString joinPath(const QString& folder, const QString& name);
// Windows-style absolute program path: letter, colon, then nothing or a backslash.
bool isProgramPath(const QString& path);
// A name as it is shown: each host byte that is no text of its own (U+F000 + the
// byte) as the replacement mark, a backslash as itself.
QString visningsnavn(const QString& name);
// A name typed over the shown one (visningsnavn(navn)): the marks that stand for
// navn's host bytes get those bytes back, in order, so an edit of the rest of
// the name keeps them. Anything else is the typed text as it is.
QString fraVisning(const QString& vist, const QString& navn);

} // namespace kv

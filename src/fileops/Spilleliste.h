#pragma once
// The documents a new file is made from: the skeletons of a few text types
// and the HTML play lists of films, music and pictures. UTF-8 with a
// byte-order mark, every line ended by CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kv {

enum Dokumentart { Tekstdokument = 0, Filmliste = 1, Musikliste = 2, Billedliste = 3 };

// The skeleton for an extension as written (".html", ".asp", ".wsf");
// empty for every other, which makes an empty file.
QByteArray skabelon(const QString& ext);

// The play list of the named entries of a folder, each name as the folder
// holds it; mappeUrl is the folder's file:// URL with its trailing slash.
QByteArray spilleliste(Dokumentart art, const QString& mappeUrl, const QStringList& navne);

// Escapes for where a value lands: HTML text and attribute values, a string
// between double quotes in a script, and a name as a relative URL.
QString htmlTekst(const QString& s);
QString scriptTekst(const QString& s);
QString urlNavn(const QString& navn);
// The file:// URL of a host folder, with a trailing slash.
QString mappeUrl(const QByteArray& vaertMappe);

} // namespace kv

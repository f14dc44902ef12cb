#pragma once
// The browsers' bookmark file (the Netscape bookmark format that every
// browser imports and exports): web groups out as folders, folders in as groups.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

struct Webgruppe {
    QString navn;       // empty: bookmarks outside every folder
    QStringList par;    // address, short name, ...
};

QString bogmaerkerHtml(const QList<Webgruppe>& grupper);
// Every bookmark, under the name of the innermost folder it is in; folders
// without bookmarks are left out.
QList<Webgruppe> laesBogmaerker(const QString& html);
// The same from the file's bytes (UTF-8), without decoding the markup.
QList<Webgruppe> laesBogmaerker(const QByteArray& utf8);

} // namespace kv

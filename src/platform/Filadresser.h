#pragma once
// Program paths as the file URLs other desktop programs drag and drop
// (text/uri-list), byte for byte, odd names and all.
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace kv {

// Empty when the path lies on no drive.
QUrl fileUrl(const QString& programPath);
// A file URL of this computer: file:///x or file://localhost/x, no other host.
bool isLocalFileUrl(const QUrl& url);
// Nothing for a URL that is no local file or lies on no drive.
std::optional<QString> programPathOf(const QUrl& url);
// What a user typed as a place: a program path ("C:\Data"), a host path
// ("/home/anna/Billeder"), one in the home folder ("~", "~/Billeder") or a
// file URL. Nothing when it names no place on a drive.
std::optional<QString> programPathOfTyped(const QString& tekst);
// The program paths of those URLs that are local files on a drive.
QStringList programPaths(const QList<QUrl>& urls);

} // namespace kv

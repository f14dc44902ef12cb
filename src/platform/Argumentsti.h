#pragma once
// Paths and URLs named on the command line, as the bytes the shell gave.
#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

// The argument with the current folder in front when it is a relative path,
// so another process can take it as meant; a URL stays as it is.
QByteArray absoluteArgument(const QByteArray& argument);

// The program path an absolute argument names: a file URL or a host path.
// Nothing for another kind of URL or a path that lies on no drive.
std::optional<QString> programPathOfArgument(const QByteArray& argument);

} // namespace kv

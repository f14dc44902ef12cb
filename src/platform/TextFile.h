#pragma once
// The program's text files: Windows-1252 with CR LF when every character fits,
// otherwise UTF-8 with a byte-order mark so that nothing is lost. Reading is
// lenient: byte-order marks are honoured and CR LF, CR or LF end a line.
#include "RegularFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// Nothing when the file cannot be read (missing, a special file, larger than
// maxBytes); error then holds the reason.
std::optional<QStringList> readTextLines(const QString& path, QString* error = nullptr,
                                         qint64 maxBytes = maxTekstfil);
// Every line ends with CR LF, the last one too; no lines give an empty file.
// A line break inside a line is saved as a space.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

QStringList decodeTextLines(const QByteArray& data);
QByteArray encodeTextLines(const QStringList& lines);

// Windows-1252 bytes as text; every byte gives one character.
QString fromCp1252(QByteArrayView bytes);

} // namespace kv

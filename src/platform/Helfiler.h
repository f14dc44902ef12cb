#pragma once
// Many whole files written as one job (an import that fills many lists):
// each goes to a temporary file beside it and is renamed into place as
// writeWholeFile does, but every file is on the disk before the first is
// renamed, and the disk is waited for once rather than once a file.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

struct Helfil {
    QString sti;  // program path
    QByteArray data;
};

// The failure of each file, in their order: empty for one written.
QStringList writeWholeFiles(const QList<Helfil>& filer);

} // namespace kv

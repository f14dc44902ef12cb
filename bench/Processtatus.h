#pragma once
// A field of this process's /proc status, for the benchmarks' memory figures.
#include <QByteArray>
#include <QFile>

// The field's value in kB ("VmRSS:", "VmHWM:"), 0 when it cannot be read.
inline qint64 procKB(const char* felt)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith(felt))
            return l.mid(qstrlen(felt)).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

#pragma once
// The command line: kvistlund [MAPPE|FIL|file://-adresse]... with --help and
// --version. Read from the raw arguments before any window exists, so help,
// version and a wrong option need no display.
#include <QByteArray>
#include <QList>
#include <QString>

namespace kv {

class Kommandolinje {
public:
    enum class Handling { Start, Hjaelp, Version, Fejl };

    // argv as given; Qt's own options (-platform, -style, ...) are left for Qt.
    static Kommandolinje fortolk(int argc, const char* const* argv);

    Handling handling() const { return m_handling; }
    // One line for a wrong option.
    const QString& fejl() const { return m_fejl; }
    // The folders, files and URLs named, as the shell gave them.
    const QList<QByteArray>& maal() const { return m_maal; }

    static QString hjaelpetekst();
    static QString versionstekst();

private:
    Handling m_handling = Handling::Start;
    QString m_fejl;
    QList<QByteArray> m_maal;
};

} // namespace kv

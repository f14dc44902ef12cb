#pragma once
// The pictures the program draws for its icons, kept from one run to the
// next in one file under the user's cache folder, so a start shows them
// without drawing them again. The file holds what the last start showed, not
// all a session ever drew, so that it stays small and quick to read. It names
// the program build that wrote it (the executable's inode, size and time);
// another build, or a file that is damaged in any way, counts as empty and is
// written anew.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>

namespace kv {

class Ikonlager {
public:
    // $XDG_CACHE_HOME/kvistlund/ikoner, else ~/.cache/kvistlund/ikoner.
    static QByteArray standardFil();
    // The store the icons use; none until the program names its file, so
    // tests draw as before and write nothing. The start is taken to be over
    // five seconds after the file is named, or when the program ends before.
    static Ikonlager* aktiv();
    static void brug(const QByteArray& fil);

    explicit Ikonlager(QByteArray fil);

    // The picture stored under the key, or a null image.
    QImage hent(const QString& noegle);
    // Remembers a newly drawn picture.
    void laeg(const QString& noegle, const QImage& billede);
    // During the start: writes the pictures asked for so far when the file
    // does not hold just those; false when that failed.
    bool skriv();
    // Writes what the start showed; later pictures are kept in memory only.
    void startenErOver();

private:
    void laesFil();

    QByteArray m_fil;
    bool m_laest = false;
    bool m_start = true;
    QHash<QString, QImage> m_billeder;
    QSet<QString> m_iFilen;  // the keys the file holds
    QSet<QString> m_brugt;   // the keys asked for during the start
};

} // namespace kv

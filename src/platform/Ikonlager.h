#pragma once
// The pictures the program draws for its icons, kept from one run to the
// next in one file under the user's cache folder, so a start shows them
// without drawing them again. The file names the program build that wrote
// it (the executable's inode, size and time); another build, or a file that
// is damaged in any way, counts as empty and is written anew.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

namespace kv {

class Ikonlager {
public:
    // $XDG_CACHE_HOME/kvistlund/ikoner, else ~/.cache/kvistlund/ikoner.
    static QByteArray standardFil();
    // The store the icons use; none until the program names its file, so
    // tests draw as before and write nothing.
    static Ikonlager* aktiv();
    static void brug(const QByteArray& fil);

    explicit Ikonlager(QByteArray fil);

    // The picture stored under the key, or a null image.
    QImage hent(const QString& noegle);
    // Remembers a newly drawn picture; it is written shortly after, and at the latest when the program ends.
    void laeg(const QString& noegle, const QImage& billede);
    // Writes the file now when it lacks a picture; false when that failed.
    bool skriv();

private:
    void laesFil();

    QByteArray m_fil;
    bool m_laest = false;
    bool m_nyt = false;
    bool m_skrivningVenter = false;
    QHash<QString, QImage> m_billeder;
};

} // namespace kv

#pragma once
// A folder tree counted before a permanent delete and kept as the host names
// its entries, so that the delete works through it without listing it again
// and without a look at each file: one removal per entry, each relative to
// its open folder, as rm -r does.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kv {

class Slettetrae {
public:
    // Counts the tree under a folder; a link is an entry of its own, never
    // followed, and a folder that cannot be read counts as empty. undervejs is
    // called on the calling thread now and then (at least every 20 ms) while
    // workers count the subfolders side by side. Nothing when
    // the path is no folder.
    static std::optional<Slettetrae> tael(const QString& folder, const std::function<void()>& undervejs);

    int filer() const { return m_filer; }    // entries that are no folder
    int mapper() const { return m_mapper; }  // folders below the top one
    qint64 bytes() const { return m_bytes; }  // of the plain files

    // Removes what was counted, each folder after its entries. efter is told
    // of each entry counted, with its size and the reason when it could not
    // be removed (one gone already is no failure); false from it stops. A
    // folder that is not empty then (something came since the count, or
    // something could not go) is left for the caller.
    void fjern(const std::function<bool(qint64 size, const QString& fejl)>& efter) const;

private:
    struct Mappe {
        QByteArray navn;   // in the folder above; the whole host path for the top one
        QByteArray navne;  // its other entries, each followed by a NUL
        std::vector<qint64> stoerrelser;
        std::vector<Mappe> under;
    };

    struct Taelling {
        int filer = 0;
        int mapper = 0;
        qint64 bytes = 0;
    };
    // Counts a folder's entries into m and i; with dybt its subfolders too, else only their names.
    static void taelMappe(int fd, Mappe& m, Taelling& i, const std::function<void()>* undervejs, bool dybt);
    bool fjernMappe(int overFd, const Mappe& m, const QString& sti, const QByteArray& vaert,
                    const std::function<bool(qint64, const QString&)>& efter) const;

    QString m_sti;
    Mappe m_top;
    int m_filer = 0;
    int m_mapper = 0;
    qint64 m_bytes = 0;
};

} // namespace kv

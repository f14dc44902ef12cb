#pragma once
// The copying of a paste, run on a thread of its own so that no file, however
// slow the disk is to make it, stops the window. It works on copies of what it
// was given and writes only its own fields: the window reads the counters
// while it runs and the rest once it has ended.
#include "platform/FileSystem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

class QTreeWidgetItem;

namespace kv {

// The conflict policy of "Kopiering".
enum Kopiering { OverskrivIkke = 0, Overskriv = 1, OpretKopi = 2 };

// A file or link that a paste copied, as it was when copied.
struct KopieretFil {
    QString sti;
    qint64 stoerrelse = 0;
    qint64 mtimeNs = 0;
};

// What a paste copied of one row of the copy lists: a move deletes exactly
// this, and only what is unchanged since it was copied.
struct Flytning {
    QTreeWidgetItem* raekke = nullptr;
    QString kilde;
    bool mappe = false;             // a folder row; a link is never one
    std::vector<KopieretFil> filer;
    QStringList mapper;             // the folders under kilde, deepest first
    QStringList saerfiler;          // FIFOs and devices made anew, which stay
};

class Kopijob {
public:
    // Into the folder destination by the policy; stop is read as it goes.
    Kopijob(QString destination, Kopiering politik, const std::atomic<bool>& stop);

    // The rows are only carried into the results, never read. A folder's copy
    // gets the name navn in the destination, a file's its own.
    void tilfoejMappe(QTreeWidgetItem* raekke, const QString& sti, const QString& navn);
    void tilfoejFil(QTreeWidgetItem* raekke, const QString& sti);

    // The first free name for a copy of the folder or file beside the one of
    // that name: "Album Kopi (1)", "Brev Kopi (1).txt".
    static QString getNewDirectoryName(QString aDirectory, const QString& subTekst);
    static QString getNewCopyFilename(const QString& target, const QString& subTekst);

    enum class Slut { Faerdig, Stoppet, Mislykket };
    // The folders first, then the files, as they were added.
    Slut koer();

    // While it runs.
    std::atomic<int> filerFaerdige = 0;
    std::atomic<qint64> bytesFaerdige = 0;  // of the files done, as they were counted before
    std::atomic<qint64> iGang = 0;          // bytes of the file being copied
    std::atomic<int> filProcent = 0;        // of the file being copied
    std::atomic<qint64> vokset = 0;         // what files grew by while they were copied
    std::atomic<int> mapperFaerdige = 0;    // of the folders added

    // Once it has ended.
    QList<Flytning> flytninger;
    QList<QTreeWidgetItem*> ikkeKopieret;
    QStringList fejl;        // what inside the folders could not be copied, with the reason
    QStringList forsvundne;  // folders inside that vanished before they were copied
    int attributterTabt = 0; // elements copied without all their extended attributes
    // After Mislykket: "Mappen" or "Filen", the element, its target and the reason.
    QString hvad, kilde, maal, grund;

private:
    struct Element {
        QTreeWidgetItem* raekke;
        QString sti, navn;
    };
    bool kopierMappe(const QString& fra, const QString& til, Flytning& flytning);
    CopyResult kopierFil(const QString& fra, const QString& til, bool erLink, bool almindelig);
    void kopierMappeAttributter(const QString& fra, const QString& til);
    // A file done: its bytes, as counted before, go from the file under way to the done.
    void filFaerdig(qint64 bytes);
    Slut mislykket(const char16_t* hvad, const QString& kilde, const QString& maal, const QString& grund);

    const QString m_destination;
    const Kopiering m_politik;
    const std::atomic<bool>& m_stop;
    std::vector<Element> m_mapper, m_filer;
};

} // namespace kv

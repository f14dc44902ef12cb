#pragma once
// Last layer of the file-operations chain: the copy lists, paste (copy and
// move), delete and the recycle bin.
#include "fileops/TKopierPaste.h"
#include "platform/FileSystem.h"

#include <QList>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QTreeWidgetItem;

namespace kv {

class Tkopieringsform;

// The conflict policy of "Kopiering".
enum Kopiering { OverskrivIkke = 0, Overskriv = 1, OpretKopi = 2 };

// How the last paste ended, for the status line.
enum class Udfald { Kopieret, Stoppet, Forsvundet, Fejl };

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

class THandlinger : public TKopierPaste {
    Q_OBJECT
public:
    explicit THandlinger(QObject* owner);

    // The main window's options and confirmation window.
    QButtonGroup* FresultBox = nullptr;
    QButtonGroup* FspmBox = nullptr;
    QCheckBox* FLukCheck = nullptr;
    QCheckBox* FopdaterCheck = nullptr;
    Tkopieringsform* FKopiering = nullptr;

    // Rows of the copy lists whose element the last paste did not copy
    // completely; a move must leave their sources alone.
    QList<QTreeWidgetItem*> ikkeKopieret;
    // The rows the last paste copied completely, for a move's delete.
    QList<Flytning> flytninger;
    Udfald udfald = Udfald::Fejl;

    int CopyElementer();
    bool RegisterElements(const QString& aElement);
    void addListeElement(int kind, Billede billede, bool tick, const QString& sti);
    static QString raekkeSti(const QTreeWidgetItem* raekke);

    bool PasteElementer();
    bool DeleteElementer(bool tilPapirkurv);
    // The delete of a move: removes what the last paste copied and nothing
    // else, with the question the policy asks for; what it keeps it reports
    // and unticks. False when the user said no.
    bool sletFlyttede(bool tilPapirkurv);
    // Asks the running paste or delete to stop.
    void stopHandling();
    // "1 element", "2 elementer".
    static QString elementTekst(qsizetype antal);
    int EmptyRecycleBin(bool Confirm, const QString& aDrive);

    static QString getNewDirectoryName(QString aDirectory, const QString& subTekst);
    static QString getNewCopyFilename(const QString& target, const QString& subTekst);
    bool visProgress(qint64 size) const;
    int deleteProgress();
    int copyProgress(qint64 size);

private:
    int kopiering() const;
    bool copyMappe(const QString& kilde, const QString& maal, Flytning& flytning);
    // almindelig: the listing found kilde a plain file.
    CopyResult copyFile(const QString& kilde, const QString& maal, bool erLink, bool almindelig);
    void deleteMappeFiles(const QString& mappe);
    bool sletEt(const QString& sti, bool tilPapirkurv, bool mappe);
    void sletFlytning(const Flytning& f, bool tilPapirkurv, QStringList& beholdt);
    bool sletKopieret(const KopieretFil& fil, bool tilPapirkurv);
    // Struktur 1, 2 and 3 after a delete, the current folder moved up to one that exists.
    void efterSletning(int aktiv);
    // The rows of both copy lists that take part, by what their element is now;
    // vanished ones are removed and their paths given back.
    QStringList tagRaekker(QList<QTreeWidgetItem*>& mapper, QList<QTreeWidgetItem*>& filer);
    void visFejlListe(const QString& indledning);
    void opdaterStrukturer(const QString& mappe, bool struktur1);
    void viserFart();
    void visTal(qint64 iGang);

    QStringList m_fejl;  // what could not be copied or deleted, with the reason
};

} // namespace kv

#pragma once
// Last layer of the file-operations chain: the copy lists, paste (copy and
// move), delete and the recycle bin.
#include "fileops/Kopijob.h"
#include "fileops/TKopierPaste.h"
#include "lists/TReopenFilerX.h"
#include "platform/Elementstempel.h"
#include "platform/FileSystem.h"

#include <QList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QTreeWidgetItem;

namespace kv {

class Tkopieringsform;
class TReopenFilerX;
class Baggrundsjob;

// What an extension rename did: renamed, passed over (the new name was
// taken) and failed files are counted apart; fejl holds the reasons.
struct ExtResultat {
    int omdoebt = 0;
    int forbigaaet = 0;
    int fejlet = 0;
    QStringList fejl;
};

// A rename, new folder or move by rename, for Ctrl+Z.
struct Fortrydelse {
    QString tekst;  // what is undone, for the status line
    std::vector<std::pair<QString, QString>> omdoebt;  // from, to
    QString nyMappe;
    // The entries as they were made, by the new names (and the new folder last):
    // only those very entries, unchanged, are undone.
    std::vector<std::optional<Elementstempel>> stempler;
    bool tom() const { return omdoebt.empty() && nyMappe.isEmpty(); }
};

// How the last paste ended, for the status line.
enum class Udfald { Kopieret, Stoppet, Forsvundet, Fejl };

// What a search by name found and examined.
struct FindResultat {
    int mapperUndersoegt = 0, filerUndersoegt = 0, mapperFundet = 0, filerFundet = 0;
    int ulaeselige = 0;  // folders that could not be listed
    QString foersteUlaeselige;
    bool stoppet = false;
};

// The hits of a search by name not handed over yet.
struct FindFund {
    TReopen mapper, filer;
};

// Searches mappe and below for names holding tekst, until maks hits of a
// kind or stop says so; lever is called at every entry with the hits not
// handed over yet (it takes those it wants) and once more at the end with
// sidste set. Runs on any thread: it touches no tree and no list.
FindResultat soegEfterNavne(const QString& mappe, const QString& tekst, int maks, const std::function<bool()>& stop,
                            const std::function<void(FindFund& nye, bool sidste)>& lever);

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

    // ---- Find by name (THandlinger_soegning.cpp) ----
    TReopenFilerX* FFindDir = nullptr;
    TReopenFilerX* FFindFiler = nullptr;
    int FMaxElementer = 120;
    // Searches the selected folder of Struktur 1 or 2 for names holding the
    // text, as a job: the hits come into the find lists as they are found,
    // and faerdig runs at the end. False, with nothing started, with
    // Struktur 3 active or no folder (after a message).
    bool findElement(const QString& elementS, std::function<void(const FindResultat&)> faerdig);
    // Ends a running search; the hits so far stay, and faerdig still runs.
    void stopFind();
    bool findKoerer() const;

    // ---- Rename and new folders (THandlinger_omdoebning.cpp) ----
    // The data folder: neither it nor a folder that holds it is ever renamed or moved.
    QString FHovedmappe;
    // True when the folder is the data folder or holds it.
    bool holderDatamappen(const QString& mappe) const;

    // The selected node of the active structure when it may be renamed in
    // place; otherwise nothing, after saying why.
    QTreeWidgetItem* editSelected();
    void RenameMappe(const QString& aOldName, const QString& aNewName, QString& tekst, QTreeWidgetItem* aNode);
    void RenameFil(const QString& aOldName, const QString& aNewName, QString& tekst, QTreeWidgetItem* aNode);
    // Renames folder or file fra to the typed name in its own folder, the
    // free variant when the name is taken; the new path, or empty after a message.
    QString omdoeb(const QString& fra, const QString& nytNavn, bool mappe);
    // Lists the matching files first and renames only when spoerg, told
    // their number, says yes.
    ExtResultat RenameFilExt(const QString& aMappe, const QString& oldExt, const QString& newExt,
                             const std::function<bool(qsizetype antal)>& spoerg);
    QString NyMappe(const QString& mappeNavn);
    static QString getNewFilename(const QString& oldFilename, const QString& newName, const QString& subTekst);
    bool SelectMappe(const QString& aNewMappe);
    bool SelectFil(const QString& fName);
    // Undoes the newest kept operation; the status text, or empty when nothing was undone.
    QString fortryd();
    bool kanFortryde() const { return !m_fortrydelser.empty(); }
    // Keeps f for Ctrl+Z with the entries it made as they are now; the oldest
    // beyond fortrydDybde go.
    void huskFortrydelse(Fortrydelse f);
    static constexpr size_t fortrydDybde = 20;
    // A later operation on names ends what Ctrl+Z could undo.
    void glemFortrydelse();

    // ---- New files from templates and play lists (THandlinger_skabeloner.cpp) ----
    // Writes a document of kind aFiltype (0 by the name's extension, 1 film,
    // 2 music, 3 picture list) under the first free variant of the name into
    // Struktur 2's folder, then selects it there; false, with nothing written
    // and FFilnavn as it was, when it cannot.
    bool SkrivTekstfil(const QString& aFilename, int aFiltype);

    bool visProgress(qint64 size) const;
    int deleteProgress();

private:
    // The names of the selected entries of Struktur 2 that have an extension, in tree order.
    QStringList spillelisteNavne() const;
    Baggrundsjob* m_findJob;
    std::deque<Fortrydelse> m_fortrydelser;  // newest first
    int kopiering() const;
    // A move within one drive: every row whose target name is free is
    // renamed into D and leaves the work lists; false when nothing is left to copy.
    bool flytVedOmdoebning(const QString& D, QList<QTreeWidgetItem*>& mappeRaekker, QList<QTreeWidgetItem*>& filRaekker);
    // The current folders and file follow a folder that was renamed or moved.
    void stierFlyttet(const QString& fra, const QString& til);
    void deleteMappeFiles(const Slettetrae& trae);
    bool sletEt(const QString& sti, bool tilPapirkurv, bool mappe);
    // beholdt gets the sources that stay; tomme those whose content moved but
    // whose emptied folders could not go, each with the reason.
    void sletFlytning(const Flytning& f, bool tilPapirkurv, QStringList& beholdt, QStringList& tomme);
    bool sletKopieret(const KopieretFil& fil, bool tilPapirkurv);
    // Struktur 1, 2 and 3 after a delete, the current folder moved up to one that exists.
    void efterSletning(int aktiv);
    // The rows of both copy lists that take part, by what their element is now;
    // vanished ones are removed and their paths given back.
    QStringList tagRaekker(QList<QTreeWidgetItem*>& mapper, QList<QTreeWidgetItem*>& filer);
    void visFejlListe(const QString& indledning);
    void opdaterStrukturer(const QString& mappe, bool struktur1);
    void viserFart();
    // The counts and bars of the progress window; iGang: bytes of the file under way.
    void visTal(qint64 iGang);

    QStringList m_fejl;  // what could not be copied or deleted, with the reason
};

} // namespace kv

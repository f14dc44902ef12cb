#pragma once
// Second layer of the file-operations chain: builds the content of the three
// structures and the drive menus, and remembers which structure is active.
#include "platform/FileSystem.h"
#include "structures/StrukturRec.h"
#include "structures/TMapper.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace kv {

class TReopenFilerX;

struct SLElement {
    QString caption;
    QString mappe;
    QString filnavn;
    int ID = idMappe;
};

class TMakeStrukturer : public TMapper {
    Q_OBJECT
public:
    explicit TMakeStrukturer(QObject* owner);
    ~TMakeStrukturer() override;

    // A list is being filled, with events running between its parts: rows of
    // it are still to come, so nothing may compare it with the disk meanwhile.
    bool fylder() const { return m_fylderNu > 0; }
    // Every list being filled stops at its next part, as it is.
    void stopFyldninger();

    // Bound by the main window when it is created.
    QTreeWidget* FStruktur1 = nullptr;
    QTreeWidget* FStruktur2 = nullptr;
    QTreeWidget* FStruktur3 = nullptr;
    QTreeWidget* FMappeList = nullptr;
    QTreeWidget* FFilList = nullptr;
    TReopenFilerX* FHistorieDir = nullptr;
    QLineEdit* FMappeEdit3 = nullptr;
    QString FBrugernavn;
    QString FLastStruktur;
    bool FMedtagPrivat = false;
    bool FPrivatTop = true;
    std::function<void(bool makeSti)> FonDirectoryChange;
    // Told which structure became active, to show it on the focus actions.
    std::function<void(int)> FonAktivStruktur;

    // The current element of each structure.
    QString FDirMappe, FFilMappe, FFilnavn, FFilMappeMappe;
    QString FMappe3, FMappe3LD, FMappeValgt3;
    // Struktur 3 shows only the files of one extension, not the whole folder.
    bool FStruktur3Udsnit = false;
    int StartNo = 0;
    // What Struktur 1 holds: 0 default, 1 level structure, 2 point structure, 3 one drive.
    int LastStrukturNo = 0;
    // The folder Struktur 2 showed before its last change.
    QString oldFilMappe;

    std::vector<SLElement> SL, SLfil;

    int AktiveStruktur() const { return FAktiveStruktur; }
    void setAktiveStruktur(int n);
    QTreeWidget* aktivTrae() const;

    void addSL(const QString& mappe);
    static QString getLastDirectory(const QString& sti);
    void makePreDrives();
    void makePreStruktur();
    QString makeStruktur1();
    QString udfoldDirectory();
    // By value: callers pass the fields these two clear first. Without fyld
    // the folder is chosen but its list left to a later call.
    void makeStruktur2(QString mappe, bool insert, bool fyld = true);
    bool makeStruktur3(QString mappe);
    void makeDrive(const QString& drev);
    void makeDrevMenu(QMenu* menu);
    void drevMenuKlik(const QString& drev);
    // Struktur 1 from a list of folders: each at its place under its drive
    // (level), or each a root of its own beside the drives listed (point).
    // The list is cleaned in place and is what the last-structure file gets.
    void makeHistoryStruktur(QStringList& liste);
    void makePunktStruktur(QStringList& liste);

    // The node a structure shows as selected, or none.
    static QTreeWidgetItem* valgtNode(QTreeWidget* trae);
    // Caption and picture of a drive root; empty caption for drives not shown.
    // A folder's caption in the lists: its last component, "Drev C:" for a drive.
    static QString mappeCaption(const QString& mappe);
    static QString drevCaption(QChar bogstav, int type);
    static Billede drevBillede(QChar bogstav, int type);
    // Brings the children of a node (or a tree's rows, under its invisible
    // root) up to the folder as it is now: gone ones leave, new ones come in
    // listing order, and the others stay with their selection and expansion.
    // Files too with medFiler (Struktur 2 and 3). True when the current node went.
    bool opfriskBoern(QTreeWidgetItem* forael, const QString& mappe, bool medFiler);
    // Expands every node that has children, without listing anything new.
    static void udfoldAlle(QTreeWidget* trae);

    // Struktur 1's drive roots brought up to the drives mounted now, when it
    // shows the drives; true when the current node went.
    bool opfriskDrev();

protected:
    struct VistDrev {
        QString drev;  // "E:"
        QString caption;
        Billede billede;
    };
    // The drives Struktur 1 and the drive menus show, in letter order.
    static std::vector<VistDrev> visteDrev();
    // The row of a listed entry (its program path given), or none to leave it out.
    using Raekke = std::function<QTreeWidgetItem*(const DirEntry& e, const QString& sti)>;
    // Fills a list with a folder's shown entries, folders first, each made by
    // raekke, else as a folder or a file row. Gives the number of rows, or
    // nothing when a newer fill of the list or the window's close ended it.
    std::optional<int> fillListe(QTreeWidget* trae, const QString& mappe, const Raekke& raekke = {});
    // Empties a list; a fill of it still at work then gives up. Gives the new fill's number.
    quint64 toemListe(QTreeWidget* trae);
    void tilfoejRod(QTreeWidgetItem* node);
    StrukturNode* nyStruktur1Node(const QString& caption, Billede billede, StrukturRec rec);
    // Puts the folders of SL under a node of Struktur 1 and marks it listed.
    void saetBoern(QTreeWidgetItem* node);
    void gemLastStruktur(const QStringList& liste);
    void drevListeAlene();
    // Drops the folders that are gone and writes drive roots as "C:"; folders
    // on a drive that is only unavailable now stay in the list. Gives the
    // entries that can be shown now.
    static QStringList rensListe(QStringList& liste);
    void vaelgFoersteRod();

private:
    int FAktiveStruktur = 0;
    // The last fill of each list: an older one still at work gives up.
    QHash<const QTreeWidget*, quint64> m_fyldninger;
    int m_fylderNu = 0;
    // Frees a big folder's listing and gives its memory back, off the window's thread.
    std::thread m_frigiv;
};

} // namespace kv

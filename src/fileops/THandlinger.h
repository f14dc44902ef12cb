#pragma once
// Last layer of the file-operations chain: the copy lists, paste (copy and
// move), delete and the recycle bin.
#include "fileops/TKopierPaste.h"
#include "platform/FileSystem.h"

#include <QList>

class QButtonGroup;
class QCheckBox;
class QTreeWidgetItem;

namespace kv {

class Tkopieringsform;

// The conflict policy of "Kopiering".
enum Kopiering { OverskrivIkke = 0, Overskriv = 1, OpretKopi = 2 };

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

    int CopyElementer();
    bool RegisterElements(const QString& aElement);
    void addListeElement(int kind, Billede billede, bool tick, const QString& sti);
    static QString raekkeSti(const QTreeWidgetItem* raekke);

    bool PasteElementer();
    bool DeleteElementer(bool tilPapirkurv);
    int EmptyRecycleBin(bool Confirm, const QString& aDrive);

    static QString getNewDirectoryName(QString aDirectory, const QString& subTekst);
    static QString getNewCopyFilename(const QString& target, const QString& subTekst);
    bool visProgress(qint64 size) const;
    int deleteProgress();
    int copyProgress(qint64 size);

private:
    int kopiering() const;
    bool copyMappe(const QString& kilde, const QString& maal);
    CopyResult copyFile(const QString& kilde, const QString& maal, bool erLink);
    void deleteMappeFiles(const QString& mappe, bool tilPapirkurv);
    bool sletEt(const QString& sti, bool tilPapirkurv, bool mappe);
    void opdaterStrukturer(const QString& mappe, bool struktur1);
    void viserFart();
    void visTal(qint64 iGang);

    QStringList m_fejl;  // what could not be copied or deleted, with the reason
};

} // namespace kv

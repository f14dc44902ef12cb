// Rename in place and by window, the extension rename, new folders, and the
// undo of the last of them.
#include "ui/Beskeder.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/Omdoebning.h"
#include "platform/ProgramPath.h"

#include <QMultiHash>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace kv {

namespace {

// The names of a folder's entries of every kind, found again whatever their
// letter case: the program tells paths apart by more than case A to Z only.
class Navne {
public:
    explicit Navne(const QString& mappe)
    {
        if (const auto liste = listFolderKinds(mappe))
            for (const DirEntry& e : *liste)
                m_navne.insert(lowerAZ(e.name), e.name);
    }
    explicit Navne(const std::vector<DirEntry>& liste)
    {
        for (const DirEntry& e : liste)
            m_navne.insert(lowerAZ(e.name), e.name);
    }
    // An entry other than kilde (the element being renamed) has the name.
    bool optaget(const QString& navn, const QString& kilde) const
    {
        const auto [fra, til] = m_navne.equal_range(lowerAZ(navn));
        for (auto it = fra; it != til; ++it)
            if (*it != kilde)
                return true;
        return false;
    }
    void flyt(const QString& fra, const QString& til)
    {
        m_navne.remove(lowerAZ(fra), fra);
        m_navne.insert(lowerAZ(til), til);
    }
    // stamme + X, else stamme + mellem + " (1)" + X, " (2)", ...: the first name not taken.
    QString ledigt(const QString& stamme, const QString& mellem, const QString& X, const QString& kilde) const
    {
        if (!optaget(stamme + X, kilde))
            return stamme + X;
        for (int n = 1;; ++n) {
            const QString kandidat = stamme + mellem + u" ("_qs + QString::number(n) + u')' + X;
            if (!optaget(kandidat, kilde))
                return kandidat;
        }
    }

private:
    QMultiHash<QString, QString> m_navne;
};

// A name without its last extension; a name that only begins with a dot has none.
QString udenExt(const QString& navn)
{
    const qsizetype punkt = navn.lastIndexOf(u'.');
    return punkt > 0 ? navn.left(punkt) : navn;
}

QString flyttetSti(const QString& sti, const QString& fra, const QString& til)
{
    if (sameTextAZ(sti, fra))
        return til;
    if (sti.size() > fra.size() && sti[fra.size()] == u'\\' && sameTextAZ(sti.left(fra.size()), fra))
        return til + sti.mid(fra.size());
    return sti;
}

} // namespace

bool THandlinger::holderDatamappen(const QString& mappe) const
{
    // Renaming or moving the data folder or a folder above it would cut the
    // program off from its files.
    return !FHovedmappe.isEmpty() && flyttetSti(FHovedmappe, mappe, QString()) != FHovedmappe;
}

QString THandlinger::getNewFilename(const QString& oldFilename, const QString& newName, const QString& subTekst)
{
    const QString D = parentOf(oldFilename);
    const QString gammel = nameOf(oldFilename);
    const QString X = gammel.mid(udenExt(gammel).size());
    return D + u'\\' + Navne(D).ledigt(udenExt(nameOf(newName)), subTekst, X, gammel);
}

void THandlinger::stierFlyttet(const QString& fra, const QString& til)
{
    for (QString* sti : {&FDirMappe, &FFilMappe, &FFilMappeMappe, &FMappe3, &FMappeValgt3, &oldFilMappe, &FFilnavn})
        *sti = flyttetSti(*sti, fra, til);
}

QString THandlinger::omdoeb(const QString& fra, const QString& nytNavn, bool mappe)
{
    if (const QString fejl = checkTypedName(nytNavn, nameOf(fra)); !fejl.isEmpty()) {
        visInformation(fejl);
        return QString();
    }
    if (mappe && holderDatamappen(fra)) {
        visInformation(u"Mappen:\r"_qs + fra + u"\rmå ikke omdøbes, da programmets data ligger i den."_qs);
        return QString();
    }
    const QString D = parentOf(fra);
    QString N;
    for (int forsoeg = 0; forsoeg < 100; ++forsoeg) {
        N = mappe ? D + u'\\' + Navne(D).ledigt(nytNavn, u" "_qs, QString(), nameOf(fra))
                  : getNewFilename(fra, nytNavn, QString());
        if (N == fra)
            return fra;
        QString grund;
        switch (renameNoReplace(fra, N, &grund)) {
        case RenameStatus::Omdoebt:
            huskFortrydelse({u"Omdøbningen af "_qs + nameOf(fra) + u" til "_qs + nameOf(N), {{fra, N}}, QString(), {}});
            if (mappe)
                stierFlyttet(fra, N);
            return N;
        case RenameStatus::Optaget:
            continue;  // taken since the names were read: the next free one
        case RenameStatus::Fejl:
            visInformation(mappe ? u"Mappen:\r"_qs + fra + u"\rkunne ikke omdøbes til:\r"_qs + N + u'\r' + grund
                                 : u"Der opstod en fejl ved omdøbning af fil.\r"_qs + grund);
            return QString();
        }
    }
    return QString();
}

QTreeWidgetItem* THandlinger::editSelected()
{
    QTreeWidgetItem* node = valgtNode(aktivTrae());
    const StrukturRec* rec = recAf(node);
    if (!rec) {
        visInformation(u"Der er ikke valgt element,\rder skal omdøbes."_qs);
        return nullptr;
    }
    if (rec->ID > idFil) {
        visInformation(node->text(0) + (AktiveStruktur() == 1 ? u"\rmå ikke omdøbes."_qs : u"\rmå ikke omdøbes"_qs));
        return nullptr;
    }
    if (AktiveStruktur() != 1)
        FFilnavn = rec->filnavn;
    return node;
}

void THandlinger::RenameMappe(const QString& aOldName, const QString& aNewName, QString& tekst, QTreeWidgetItem* aNode)
{
    tekst = aOldName;
    StrukturNode* node = nodeAf(aNode);
    if (aNewName == aOldName || !node)
        return;
    node->treeWidget()->setCurrentItem(node);
    const QString P = node->rec.mappe;
    if (AktiveStruktur() != 1 && !folderExists(P))
        return;
    const QString N = omdoeb(P, aNewName, true);
    if (!N.isEmpty()) {
        node->rec.mappe = N;
        tekst = visningsnavn(getLastDirectory(N));
        if (AktiveStruktur() == 1)
            FDirMappe = N;
    } else if (AktiveStruktur() == 1) {
        node->treeWidget()->clearSelection();
    }
    if (AktiveStruktur() != 1)
        node->treeWidget()->clearSelection();
}

void THandlinger::RenameFil(const QString& aOldName, const QString& aNewName, QString& tekst, QTreeWidgetItem* aNode)
{
    tekst = aOldName;
    StrukturNode* node = nodeAf(aNode);
    if ((AktiveStruktur() != 2 && AktiveStruktur() != 3) || !node) {
        visInformation(u"Der opstod en fejl ved omdøbning af fil."_qs);
        return;
    }
    node->treeWidget()->setCurrentItem(node);
    FFilnavn = node->rec.filnavn;
    if (aNewName == aOldName || !fileExists(FFilnavn))
        return;
    const QString N = omdoeb(FFilnavn, aNewName, false);
    if (N.isEmpty())
        return;
    // The current file stays a full path.
    FFilnavn = N;
    node->rec.filnavn = N;
    tekst = visningsnavn(nameOf(N));
    node->treeWidget()->clearSelection();
}

ExtResultat THandlinger::RenameFilExt(const QString& aMappe, const QString& oldExt, const QString& newExt,
                                      const std::function<bool(qsizetype antal)>& spoerg)
{
    glemFortrydelse();
    // Each folder's names once, for the free-name test of all its files.
    struct Mappe {
        QString sti;
        Navne navne;
        QStringList filer;
    };
    std::vector<Mappe> mapper;
    qsizetype antal = 0;
    QStringList koe{aMappe};
    while (!koe.isEmpty()) {
        const QString mappe = koe.takeFirst();
        const auto liste = listFolderKinds(mappe);
        if (!liste)
            continue;
        Mappe m{mappe, Navne(*liste), {}};
        for (const DirEntry& e : *liste) {
            // Links stay as they are, and hidden entries are nobody's files to rename.
            if (e.isLink || e.name.startsWith(u'.'))
                continue;
            if (e.isDir)
                koe << mappe + u'\\' + e.name;
            else if (oldExt.isEmpty() ? udenExt(e.name) == e.name
                                      : e.name.size() > oldExt.size() && sameTextAZ(e.name.right(oldExt.size()), oldExt))
                m.filer << e.name;
        }
        antal += m.filer.size();
        if (!m.filer.isEmpty())
            mapper.push_back(std::move(m));
    }
    ExtResultat r;
    if (antal == 0 || !spoerg(antal))
        return r;
    for (Mappe& m : mapper) {
        for (const QString& navn : std::as_const(m.filer)) {
            const QString nyt = udenExt(navn) + newExt;
            if (m.navne.optaget(nyt, navn)) {
                ++r.forbigaaet;
                continue;
            }
            QString grund;
            switch (renameNoReplace(m.sti + u'\\' + navn, m.sti + u'\\' + nyt, &grund)) {
            case RenameStatus::Omdoebt:
                m.navne.flyt(navn, nyt);
                ++r.omdoebt;
                break;
            case RenameStatus::Optaget: ++r.forbigaaet; break;
            case RenameStatus::Fejl:
                ++r.fejlet;
                r.fejl << grund;
                break;
            }
        }
    }
    makeStruktur2(aMappe, false);
    return r;
}

QString THandlinger::NyMappe(const QString& mappeNavn)
{
    QString foraelder;
    switch (AktiveStruktur()) {
    case 1:
        if (const StrukturRec* rec = recAf(valgtNode(FStruktur1)))
            foraelder = rec->mappe;
        break;
    case 2: foraelder = FFilMappe; break;
    case 3: foraelder = FMappe3; break;
    default: break;
    }
    if (foraelder.isEmpty() || !folderExists(foraelder))
        return QString();
    const QString navn = mappeNavn.isEmpty() ? u"Ny mappe"_qs : mappeNavn;
    if (const QString fejl = checkTypedName(navn); !fejl.isEmpty()) {
        visInformation(fejl);
        return QString();
    }
    Navne navne(foraelder);
    for (int forsoeg = 0; forsoeg < 1000; ++forsoeg) {
        const QString kandidat = joinPath(foraelder, navne.ledigt(navn, u" Kopi"_qs, QString(), QString()));
        QString grund;
        switch (createFolderOnce(kandidat, &grund)) {
        case NyMappeStatus::Oprettet:
            huskFortrydelse({u"Den nye mappe "_qs + nameOf(kandidat), {}, kandidat, {}});
            return kandidat;
        case NyMappeStatus::Findes:
            navne.flyt(QString(), nameOf(kandidat));  // made by someone else meanwhile
            continue;
        case NyMappeStatus::Fejl:
            visInformation(u"Der kunne ikke oprettes en ny mappe.\rDer opstod en fejl.\r"_qs + grund);
            return QString();
        }
    }
    return QString();
}

bool THandlinger::SelectMappe(const QString& aNewMappe)
{
    QTreeWidget* trae = aktivTrae();
    if (!trae || (AktiveStruktur() != 1 && trae->topLevelItemCount() == 0))
        return false;
    for (int i = 0; i < trae->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = trae->topLevelItem(i);
        if (const StrukturRec* rec = recAf(node); rec && sameTextAZ(rec->mappe, aNewMappe)) {
            trae->setCurrentItem(node);
            trae->setFocus();
            return true;
        }
    }
    return false;
}

bool THandlinger::SelectFil(const QString& fName)
{
    if (!fileExists(fName))
        return false;
    for (QTreeWidgetItemIterator it(FStruktur2); *it; ++it) {
        if (const StrukturRec* rec = recAf(*it); rec && sameTextAZ(rec->filnavn, fName) && fileExists(rec->filnavn)) {
            FStruktur2->setCurrentItem(*it);
            FStruktur2->setFocus();
            return true;
        }
    }
    return false;
}

void THandlinger::huskFortrydelse(Fortrydelse f)
{
    f.stempler.clear();
    for (const auto& [fra, til] : f.omdoebt)
        f.stempler.push_back(elementstempel(til));
    if (!f.nyMappe.isEmpty())
        f.stempler.push_back(elementstempel(f.nyMappe));
    m_fortrydelser.push_front(std::move(f));
    if (m_fortrydelser.size() > fortrydDybde)
        m_fortrydelser.pop_back();
}

void THandlinger::glemFortrydelse()
{
    m_fortrydelser.clear();
}

QString THandlinger::fortryd()
{
    if (m_fortrydelser.empty())
        return QString();
    // One that cannot be undone now never can: it goes, and the next Ctrl+Z takes the one before.
    const Fortrydelse f = std::move(m_fortrydelser.front());
    m_fortrydelser.pop_front();
    // What holds the names now must be what this program made there: a file
    // saved under the name since, or one changed, is never renamed or removed.
    for (qsizetype i = 0; i < qsizetype(f.omdoebt.size()) + !f.nyMappe.isEmpty(); ++i) {
        const QString sti = i < qsizetype(f.omdoebt.size()) ? f.omdoebt[size_t(i)].second : f.nyMappe;
        const std::optional<Elementstempel> nu = elementstempel(sti);
        if (!nu || size_t(i) >= f.stempler.size() || nu != f.stempler[size_t(i)]) {
            visInformation(u"Handlingen kan ikke fortrydes, da elementet er ændret siden:\r"_qs + sti);
            return QString();
        }
    }
    QString grund;
    if (!f.nyMappe.isEmpty() && !removeEmptyFolder(f.nyMappe, &grund)) {
        visInformation(u"Den nye mappe kunne ikke fjernes igen.\r"_qs + grund);
        return QString();
    }
    // Last renamed, first back.
    for (auto it = f.omdoebt.rbegin(); it != f.omdoebt.rend(); ++it) {
        if (renameNoReplace(it->second, it->first, &grund) != RenameStatus::Omdoebt) {
            visInformation(u"Elementet kunne ikke få sit gamle navn igen:\r"_qs + it->second + u'\r' + grund);
            return QString();
        }
        stierFlyttet(it->second, it->first);
    }
    return f.tekst + u" blev fortrudt."_qs;
}

bool THandlinger::flytVedOmdoebning(const QString& D, QList<QTreeWidgetItem*>& mappeRaekker,
                                    QList<QTreeWidgetItem*>& filRaekker)
{
    Fortrydelse flyttet;
    const auto flyt = [&](QStringList& stier, QList<QTreeWidgetItem*>& raekker, bool mapper) {
        for (qsizetype i = 0; i < stier.size(); ++i) {
            const QString P = stier[i];
            const QString T = joinPath(D, nameOf(P));
            // A taken name goes the ordinary way, with the conflict policy; so does
            // another drive, even where it shares the file system.
            if (!sameTextAZ(P.left(2), D.left(2)) || entryInfo(T) || renameNoReplace(P, T) != RenameStatus::Omdoebt)
                continue;
            flyttet.omdoebt.emplace_back(P, T);
            if (mapper)
                stierFlyttet(P, T);
            stier.removeAt(i);
            raekker.removeAt(i--);
        }
    };
    flyt(listeMapper, mappeRaekker, true);
    flyt(listeFiler, filRaekker, false);
    if (!flyttet.omdoebt.empty()) {
        flyttet.tekst = u"Flytningen af "_qs + elementTekst(qsizetype(flyttet.omdoebt.size()));
        huskFortrydelse(std::move(flyttet));
    }
    return !listeMapper.isEmpty() || !listeFiler.isEmpty();
}

} // namespace kv

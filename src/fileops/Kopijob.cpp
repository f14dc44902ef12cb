#include "fileops/Kopijob.h"
#include "fileops/TKopierPaste.h"
#include "platform/ProgramPath.h"

#include <cerrno>
#include <utility>

namespace kv {

Kopijob::Kopijob(QString destination, Kopiering politik, const std::atomic<bool>& stop)
    : m_destination(std::move(destination)), m_politik(politik), m_stop(stop)
{
}

void Kopijob::tilfoejMappe(QTreeWidgetItem* raekke, const QString& sti, const QString& navn)
{
    m_mapper.push_back({raekke, sti, navn});
}

void Kopijob::tilfoejFil(QTreeWidgetItem* raekke, const QString& sti)
{
    m_filer.push_back({raekke, sti, nameOf(sti)});
}

// The words before the first that equals the sub-text, or all of them. A
// name that begins with the sub-text ("Kopi af rapport", "Kopi") stays whole:
// cut there it would be empty.
static QString udenKopiOrd(const QString& navn, const QString& subTekst)
{
    const QStringList ord = navn.split(u' ');
    for (qsizetype i = 0; i < ord.size(); ++i) {
        if (!sameTextAZ(ord[i].trimmed(), subTekst))
            continue;
        const QString foran = ord.mid(0, i).join(u' ').trimmed();
        return foran.isEmpty() ? navn : foran;
    }
    return navn;
}

QString Kopijob::getNewDirectoryName(QString aDirectory, const QString& subTekst)
{
    aDirectory = aDirectory.trimmed();
    const qsizetype skel = aDirectory.lastIndexOf(u'\\') + 1;
    const QString P = aDirectory.left(skel) + udenKopiOrd(aDirectory.mid(skel), subTekst);
    if (!folderExists(P))
        return P;
    for (int n = 1;; ++n) {
        const QString kandidat = P + u' ' + subTekst + u" ("_qs + QString::number(n) + u')';
        if (!folderExists(kandidat))
            return kandidat;
    }
}

QString Kopijob::getNewCopyFilename(const QString& target, const QString& subTekst)
{
    const qsizetype skel = target.lastIndexOf(u'\\') + 1;
    const QString F = target.left(skel);
    const QString navn = target.mid(skel);
    // A leading dot begins a hidden name, not an extension: ".profile" has none.
    const qsizetype punkt = navn.lastIndexOf(u'.');
    const QString X = punkt <= 0 ? QString() : navn.mid(punkt);
    const QString B = udenKopiOrd(punkt <= 0 ? navn : navn.left(punkt), subTekst);
    if (!fileExists(F + B + X))
        return F + B + X;
    for (int n = 1;; ++n) {
        const QString kandidat = F + B + u' ' + subTekst + u" ("_qs + QString::number(n) + u')' + X;
        if (!fileExists(kandidat))
            return kandidat;
    }
}

Kopijob::Slut Kopijob::mislykket(const char16_t* hvilket, const QString& fra, const QString& til, const QString& hvorfor)
{
    hvad = QString::fromUtf16(hvilket);
    kilde = fra;
    maal = til;
    grund = hvorfor;
    return Slut::Mislykket;
}

Kopijob::Slut Kopijob::koer()
{
    for (const Element& m : m_mapper) {
        QString T = joinPath(m_destination, m.navn);
        if (folderExists(T) && m_politik == OpretKopi)
            T = getNewDirectoryName(T, u"Kopi"_qs);
        QString hvorfor;
        createFolder(T, &hvorfor);
        Flytning flytning{m.raekke, m.sti, true, {}, {}, {}};
        const bool helt = folderExists(T) && kopierMappe(m.sti, T, flytning);
        if (m_stop)
            return Slut::Stoppet;
        if (!folderExists(T))
            return mislykket(u"Mappen", m.sti, T, hvorfor);
        kopierMappeAttributter(m.sti, T);
        if (helt)
            flytninger << flytning;
        else
            ikkeKopieret << m.raekke;
        ++mapperFaerdige;
    }
    for (const Element& f : m_filer) {
        QString T = joinPath(m_destination, f.navn);
        if (entryInfo(T) && m_politik == OpretKopi)
            T = getNewCopyFilename(T, u"Kopi"_qs);
        const auto info = entryInfo(f.sti);
        const CopyResult r = kopierFil(f.sti, T, info && info->isLink, false);
        if (r.status == CopyStatus::Stopped || m_stop)
            return Slut::Stoppet;
        if (!r.ok())
            return mislykket(u"Filen", f.sti, T, r.error);
        attributterTabt += r.attributterTabt;
        if (r.keepSource)
            ikkeKopieret << f.raekke;
        else
            flytninger << Flytning{f.raekke, f.sti, false, {{f.sti, r.sourceSize, r.sourceMtimeNs}}, {}, {}};
        filFaerdig(TKopierPaste::fileSize(f.sti));
    }
    return Slut::Faerdig;
}

void Kopijob::filFaerdig(qint64 bytes)
{
    // The file under way first, so the window never counts its bytes twice.
    iGang = 0;
    bytesFaerdige += bytes;
    ++filerFaerdige;
}

CopyResult Kopijob::kopierFil(const QString& fra, const QString& til, bool erLink, bool almindelig)
{
    // A link is copied as the link it is, never as what it points at.
    if (erLink)
        return copyLink(fra, til, true);
    CopyOptions valg;
    valg.overwrite = true;
    valg.knownRegular = almindelig;
    qint64 kendt = -1;
    valg.progress = [&](qint64 kopieret, qint64 ialt) {
        // A file that grows while it is copied makes the whole paste larger.
        if (kendt >= 0 && ialt > kendt)
            vokset += ialt - kendt;
        kendt = std::max(kendt, ialt);
        if (ialt > 0)
            filProcent = int((kopieret * 100 + ialt / 2) / ialt);
        iGang = kopieret;
        return !m_stop;
    };
    return copyFile(fra, til, valg);
}

void Kopijob::kopierMappeAttributter(const QString& fra, const QString& til)
{
    bool tabt = false;
    copyFolderAttributes(fra, til, nullptr, &tabt);
    attributterTabt += tabt;
}

bool Kopijob::kopierMappe(const QString& fraMappe, const QString& tilMappe, Flytning& flytning)
{
    // Sizes come from the copies themselves; the listing only needs the kinds.
    const auto indhold = listFolderKinds(fraMappe);
    if (!indhold) {
        // A folder that vanished has nothing to lose; one that cannot be read is not copied.
        if (!folderExists(fraMappe)) {
            forsvundne << fraMappe;
            return true;
        }
        fejl << systemErrorText(EACCES) + u'\r' + fraMappe;
        return false;
    }
    bool alt = true;
    for (const DirEntry& e : *indhold) {
        if (m_stop)
            return false;
        const QString fra = joinPath(fraMappe, e.name);
        QString til = joinPath(tilMappe, e.name);
        if (e.isDir && !e.isLink) {
            if (folderExists(til) && m_politik == OpretKopi)
                til = getNewDirectoryName(til, u"Kopi"_qs);
            QString hvorfor;
            if (!createFolder(til, &hvorfor)) {
                fejl << hvorfor;
                alt = false;
                continue;
            }
            alt = kopierMappe(fra, til, flytning) && alt;
            // Modes and times last, once nothing more is written into it.
            kopierMappeAttributter(fra, til);
            flytning.mapper << fra;
            continue;
        }
        if (m_politik == OpretKopi && entryInfo(til))
            til = getNewCopyFilename(til, u"Kopi"_qs);
        // A file is never copied onto itself; it stays as it is, and counts as not copied.
        const CopyResult r = kopierFil(fra, til, e.isLink, e.regular);
        if (r.status == CopyStatus::Stopped)
            return false;
        attributterTabt += r.attributterTabt;
        if (r.status == CopyStatus::Failed)
            fejl << r.error;
        // A recreated FIFO or device is no copy of the source: a move keeps it.
        if (r.ok() && r.keepSource)
            flytning.saerfiler << fra;
        else if (r.ok())
            flytning.filer.push_back({fra, r.sourceSize, r.sourceMtimeNs});
        alt = alt && r.ok();
        filFaerdig(r.bytes);
    }
    return alt;
}

} // namespace kv

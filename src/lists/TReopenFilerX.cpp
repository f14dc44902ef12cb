#include "lists/TReopenFilerX.h"
#include "ui/Beskeder.h"
#include "ui/TspmForm.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QListWidget>

namespace kv {

namespace {

// What a list box row shows of a caption. A very long one is cut, as drawing
// a line of megabytes freezes the list; the entry keeps its whole caption.
QString vistCaption(const QString& caption)
{
    qsizetype n = 1000;
    if (caption.size() <= n)
        return caption;
    if (caption[n - 1].isHighSurrogate())
        --n;
    return caption.left(n) + u'…';
}

} // namespace

TReopenFilerX::TReopenFilerX(QObject* AOwner) : QObject(AOwner) {}

void TReopenFilerX::HentReopenFiler()
{
    Ropen.clear();
    if (!FItemfile.isEmpty() && fileExists(FItemfile)) {
        QString fejl;
        const auto linjer = readTextLines(FItemfile, &fejl);
        if (!linjer) {
            MakeListeMenu();
            throw Fejl(u"Listen kunne ikke læses fra filen:\r"_qs + fejl);
        }
        // Odd lines begin an entry; even lines give the path of the entry just begun.
        for (qsizetype i = 0; i < linjer->size(); ++i) {
            if (i % 2 == 0)
                Ropen.append({linjer->at(i), QString()});
            else
                Ropen.last().Filnavn = linjer->at(i);
        }
    }
    MakeListeMenu();
}

void TReopenFilerX::GemReopenFiler()
{
    if (FItemfile.isEmpty())
        return;
    QStringList linjer;
    linjer.reserve(Ropen.size() * 2);
    for (const TReopenRec& r : std::as_const(Ropen))
        linjer << r.Caption << r.Filnavn;
    QString fejl;
    if (!writeTextLines(FItemfile, linjer, &fejl))
        throw Fejl(u"Listen kunne ikke gemmes i filen:\r"_qs + fejl);
}

int TReopenFilerX::findFilnavn(const QString& FNavn) const
{
    for (int i = 0; i < Ropen.size(); ++i)
        if (sameTextAZ(Ropen[i].Filnavn, FNavn))
            return i;
    return -1;
}

void TReopenFilerX::InsertItem(const QString& FNavn, const QString& MenuCaption)
{
    if (FItemtype == itFil && !fileExists(FNavn))
        return;
    if (const int i = findFilnavn(FNavn); i >= 0)
        Ropen.removeAt(i);
    Ropen.prepend({MenuCaption, FNavn});
    MakeListeMenu();
}

void TReopenFilerX::InsertItems(const TReopen& nye)
{
    if (nye.isEmpty())
        return;
    // A search hands its hits over in many batches: only the new rows are
    // made, while the list box shows the list as it was. Each row put in at
    // the top moves all those below it, and a row made costs about what 1,600
    // moved do: past 1,000 moves per row in the end, the box is made whole.
    const qint64 n = Ropen.size(), k = nye.size();
    const bool vist = FListeBoks && FListeBoks->count() == n && k * n <= 1000 * (n + k);
    QStringList captions;
    captions.reserve(nye.size());
    for (const TReopenRec& r : nye) {
        Ropen.prepend(r);
        captions.prepend(vistCaption(r.Caption));
    }
    if (vist)
        FListeBoks->insertItems(0, captions);
    else
        MakeListeMenu();
}

void TReopenFilerX::fjern(int index, bool Opdater)
{
    if (index >= 0 && index < Ropen.size())
        Ropen.removeAt(index);
    if (Opdater) {
        GemReopenFiler();
        MakeListeMenu();
    }
}

void TReopenFilerX::DeleteItem(const QString& FNavn, bool Opdater)
{
    if (Ropen.isEmpty())
        return;
    fjern(findFilnavn(FNavn), Opdater);
}

void TReopenFilerX::DeleteItemCaption(const QString& CapNavn)
{
    if (Ropen.isEmpty())
        return;
    int found = -1;
    for (int i = 0; i < Ropen.size() && found < 0; ++i)
        if (sameTextAZ(Ropen[i].Caption, CapNavn))
            found = i;
    fjern(found, true);
}

void TReopenFilerX::DeleteItem(int Index)
{
    if (Index < 0 || Index >= Ropen.size())
        return;
    fjern(Index, true);
}

void TReopenFilerX::SletAlleItems()
{
    if (!spmForm().spoerg({QString(), u"Skal alle indførte elementer i listen slettes?"_qs}))
        return;
    DeleteAlleItems();
}

void TReopenFilerX::DeleteAlleItems()
{
    Ropen.clear();
    // Each search empties its lists: a file that is empty already is left as it is.
    const auto fil = FItemfile.isEmpty() ? std::nullopt : entryInfo(FItemfile);
    if (!fil || !fil->regular || fil->isLink || fil->size != 0)
        GemReopenFiler();
    MakeListeMenu();
}

void TReopenFilerX::DeleteItemFile()
{
    if (FItemfile.isEmpty() || !fileExists(FItemfile))
        return;
    Ropen.clear();
    QString fejl;
    if (!removeFile(FItemfile, &fejl))
        throw Fejl(fejl);
    FItemfile.clear();
}

QString TReopenFilerX::GetCaption(int Index) const
{
    return Index >= 0 && Index < Ropen.size() ? Ropen[Index].Caption : QString();
}

QString TReopenFilerX::GetFilnavn(int Index) const
{
    return Index >= 0 && Index < Ropen.size() ? Ropen[Index].Filnavn : QString();
}

bool TReopenFilerX::flytOp(int aIndex)
{
    if (aIndex < 1 || aIndex >= Ropen.size())
        return false;
    Ropen.swapItemsAt(aIndex - 1, aIndex);
    return true;
}

bool TReopenFilerX::flytNed(int aIndex)
{
    if (aIndex < 0 || aIndex >= Ropen.size() - 1)
        return false;
    Ropen.swapItemsAt(aIndex, aIndex + 1);
    return true;
}

void TReopenFilerX::setListeBoks(QListWidget* boks)
{
    FListeBoks = boks;
    // A found list may hold many thousands of rows: laid out in one go they
    // held the window still (64 ms at 10,000 rows, over half a second at
    // 100,000); in batches the window answers between them.
    if (boks)
        boks->setLayoutMode(QListView::Batched);
}

void TReopenFilerX::MakeListeMenu()
{
    if (!FListeBoks)
        return;
    FListeBoks->clear();
    connect(FListeBoks, &QListWidget::itemClicked, this, &TReopenFilerX::listeKlik, Qt::UniqueConnection);
    connect(FListeBoks, &QListWidget::itemDoubleClicked, this, &TReopenFilerX::listeDblKlik,
            Qt::UniqueConnection);
    QStringList captions;
    captions.reserve(Ropen.size());
    for (const TReopenRec& r : std::as_const(Ropen))
        captions << vistCaption(r.Caption);
    FListeBoks->addItems(captions);
}

bool TReopenFilerX::elementFindes(int row) const
{
    const QString& sti = Ropen[row].Filnavn;
    if (FItemtype == itBibliotek && !folderExists(sti)) {
        visInformation(u"Mappen blev ikke fundet.\rSlet eventuelt elementet fra listen."_qs);
        return false;
    }
    if (FItemtype == itFil && !fileExists(sti)) {
        visInformation(u"Filen blev ikke fundet.\rSlet eventuelt elementet fra listen."_qs);
        return false;
    }
    return true;
}

void TReopenFilerX::klikPaaRaekke(const TOnListeKlik& haendelse)
{
    const int row = FListeBoks ? FListeBoks->currentRow() : -1;
    if (row < 0 || row >= Ropen.size() || !elementFindes(row))
        return;
    if (haendelse)
        haendelse(Ropen[row].Caption, Ropen[row].Filnavn);
}

void TReopenFilerX::listeKlik()
{
    klikPaaRaekke(FOnListeKlik);
}

void TReopenFilerX::listeDblKlik()
{
    klikPaaRaekke(FOnDblListeKlik);
}

} // namespace kv

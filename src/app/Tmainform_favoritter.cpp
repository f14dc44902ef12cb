// Favourite folders and files, visited folders and the found lists: clicks,
// keys and the actions of their pages.
#include "ui/Beskeder.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TReopenFilerX.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/Skal.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QTabWidget>

namespace kv {

QString Tmainform::filCaption(const QString& sti)
{
    // Only the backslash separates: a Linux name may hold ":" and "/".
    return nameOf(sti);
}

void Tmainform::aabnIStruktur2(const QString& mappe, bool historik)
{
    funk->setAktiveStruktur(2);
    funk->makeStruktur2(mappe, historik);
    DirectoryChange(true);
}

static int valgtRaekke(const QListWidget* boks)
{
    return boks->currentItem() && boks->currentItem()->isSelected() ? boks->currentRow() : -1;
}

void Tmainform::flytIListe(TReopenFilerX* liste, bool op, bool gem)
{
    const int r = valgtRaekke(liste->ListeBoks());
    if (!(op ? liste->flytOp(r) : liste->flytNed(r)))
        return;
    liste->MakeListeMenu();
    liste->ListeBoks()->setCurrentRow(op ? r - 1 : r + 1);
    if (gem)
        liste->GemReopenFiler();
}

void Tmainform::bindListeHandlinger(TReopenFilerX* liste, const char* op, const char* ned, const char* slet,
                                    const char* sletAlle, bool gemFlytning)
{
    QListWidget* boks = liste->ListeBoks();
    handlinger->bind(op, [this, liste, gemFlytning] { flytIListe(liste, true, gemFlytning); },
                     [boks] { return valgtRaekke(boks) > 0; });
    handlinger->bind(ned, [this, liste, gemFlytning] { flytIListe(liste, false, gemFlytning); },
                     [boks] { const int r = valgtRaekke(boks); return r >= 0 && r < boks->count() - 1; });
    handlinger->bind(slet, [liste, boks] { liste->DeleteItem(valgtRaekke(boks)); },
                     [boks] { return valgtRaekke(boks) >= 0; });
    handlinger->bind(sletAlle, [liste] { liste->SletAlleItems(); }, [boks] { return boks->count() > 0; });
}

void Tmainform::strukturFraListe(const TReopenFilerX* liste, bool punkt)
{
    QStringList mapper;
    for (const TReopenRec& r : liste->entries())
        if (folderExists(r.Filnavn))
            mapper << r.Filnavn;
    if (mapper.isEmpty()) {
        visInformation(u"Der blev ikke fundet eksisterende emner i favoritlisten."_qs);
        return;
    }
    fremstilStruktur(mapper, punkt);
}

void Tmainform::aInsertFavoritmappeExecute()
{
    favChanged = false;
    QString mappe;
    if (funk->AktiveStruktur() == 1) {
        mappe = funk->FDirMappe;
    } else {
        mappe = AktuelleMappe;
        // A file that was removed since it was chosen is passed over for its folder.
        if (fileExists(funk->FFilnavn)) {
            favFiler->InsertItem(funk->FFilnavn, filCaption(funk->FFilnavn));
            favFiler->GemReopenFiler();
            Bog->setCurrentIndex(2);
            bogTekstLabel->setText(u"Favoritfiler"_qs);
            return;
        }
    }
    if (mappe.isEmpty() || !folderExists(mappe))
        return;
    favDir->InsertItem(mappe, TMakeStrukturer::mappeCaption(mappe));
    favDir->GemReopenFiler();
    Bog->setCurrentIndex(1);
    bogTekstLabel->setText(u"Favoritmapper"_qs);
}

void Tmainform::bindFavoritter()
{
    const auto tilStatus = [this](const QString&, const QString& sti) { infobarPanel[1]->setText(sti); };
    for (TReopenFilerX* l : {historieDir, favDir, favFiler, findDir, findFiler})
        l->setOnListeKlik(tilStatus);
    historieDir->setOnDblListeKlik([this](const QString&, const QString& sti) { aabnIStruktur2(sti, false); });
    favDir->setOnDblListeKlik([this](const QString&, const QString& sti) { aabnIStruktur2(sti, true); });
    favFiler->setOnDblListeKlik([this](const QString&, const QString& sti) { koerFil(0, sti); });
    findDir->setOnDblListeKlik([this](const QString&, const QString& sti) { aabnIStruktur2(sti, true); });
    findFiler->setOnDblListeKlik([this](const QString&, const QString& sti) {
        aabnIStruktur2(parentOf(sti), true);
        funk->SelectFil(sti);
    });

    const auto tast = [this](QListWidget* boks, const std::function<void(int)>& udfoer) {
        for (auto t : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            connect(new QShortcut(t, boks, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated, this,
                    [boks, udfoer] { if (valgtRaekke(boks) >= 0) udfoer(valgtRaekke(boks)); });
    };
    // A missing favourite folder is passed over without a message.
    tast(favoritliste, [this](int r) {
        if (folderExists(favDir->GetFilnavn(r)))
            aabnIStruktur2(favDir->GetFilnavn(r), true);
    });
    tast(favfilerListe, [this](int) { handling("FLopen")->trigger(); });
    tast(mappeBoxen, [this](int) { findDir->listeDblKlik(); });
    tast(filBoxen, [this](int) { findFiler->listeDblKlik(); });

    bindListeHandlinger(historieDir, "hOp", "hNed", "hSlet", "HistoryClear", false);
    bindListeHandlinger(favDir, "fOp", "fNed", "fSletValgte", "fSletAlle", true);
    bindListeHandlinger(favFiler, "FLop", "FLned", "FLsletValgte", "FLsletAlle", true);
    const auto raekker = [](QListWidget* boks, int mindst) { return [boks, mindst] { return boks->count() >= mindst; }; };
    handlinger->bind("hStruktur", [this] { strukturFraListe(historieDir, true); }, raekker(HistorieListe, 1));
    handlinger->bind("hStruktur2", [this] { strukturFraListe(historieDir, false); }, raekker(HistorieListe, 2));
    handlinger->bind("fStruktur", [this] { strukturFraListe(favDir, true); }, raekker(favoritliste, 1));
    handlinger->bind("fStruktur1", [this] { strukturFraListe(favDir, false); }, raekker(favoritliste, 2));

    const auto filValgt = [this] { return valgtRaekke(favfilerListe) >= 0; };
    handlinger->bind("FLopen", [this] { koerFil(0, favFiler->GetFilnavn(valgtRaekke(favfilerListe))); }, filValgt);
    handlinger->bind("FLopenEdit", [this] { koerFil(1, favFiler->GetFilnavn(valgtRaekke(favfilerListe))); }, filValgt);

    handlinger->bind("aInsertFavoritmappe", [this] { aInsertFavoritmappeExecute(); }, [this] { return favChanged; });
    handlinger->bind("aOpenMappeSF", [this] {
        // The desktop's answer is reported, not ignored: a missing file manager says so.
        if (const int svar = Skal::instance().aabnMappe(funk->FFilMappe); svar <= 32)
            ErrorInfo(svar);
    }, [this] { return !funk->FFilMappe.isEmpty(); });
}

} // namespace kv

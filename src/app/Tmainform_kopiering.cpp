// The copy lists and what works on them: copy, cut, paste (copy or move),
// delete to the recycle bin or permanently, emptying the bin, and dropped files.
#include "ui/Beskeder.h"
#include "ui/UdenAtStandse.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "fileops/Tkopieringsform.h"
#include "platform/Filadresser.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

namespace kv {

namespace {

void saetAfkrydsning(QTreeWidget* liste, Qt::CheckState tilstand)
{
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        liste->topLevelItem(i)->setCheckState(0, tilstand);
}

void fjernAfkrydsede(QTreeWidget* liste)
{
    for (int i = liste->topLevelItemCount() - 1; i >= 0; --i)
        if (liste->topLevelItem(i)->checkState(0) == Qt::Checked)
            delete liste->topLevelItem(i);
}

} // namespace

void Tmainform::rydKopilister()
{
    if (!rydCheck->isChecked())
        return;
    fjernAfkrydsede(Mappeliste);
    fjernAfkrydsede(Filliste);
}

void Tmainform::PasteExecute()
{
    underHandling([this] {
        ladHaendelserKoere();
        const bool flyt = DelAfterPasteCheck->isChecked();
        kopieringsform->deleteAfterCopy = flyt;
        if (funk->PasteElementer()) {
            if (flyt) {
                DelAfterPasteCheck->setChecked(false);
                // Only what was copied completely is moved; the rest keeps its source.
                for (QTreeWidgetItem* raekke : std::as_const(funk->ikkeKopieret))
                    raekke->setCheckState(0, Qt::Unchecked);
                if (!funk->ikkeKopieret.isEmpty())
                    visInformation(THandlinger::elementTekst(funk->ikkeKopieret.size())
                                   + u" blev ikke flyttet, da de ikke blev kopieret helt.\r"
                                     "De er ikke slettet og står stadig i kopilisten uden afkrydsning."_qs);
                if (funk->sletFlyttede(papirkurvCheck->isChecked()))
                    rydKopilister();
            } else {
                rydKopilister();
            }
            UdskrivInfo(u"Der blev kopieret til destinationen"_qs);
        } else {
            switch (funk->udfald) {
            case Udfald::Stoppet: UdskrivInfo(u"Kopieringen blev stoppet, og intet blev slettet."_qs); break;
            case Udfald::Forsvundet: UdskrivInfo(u"Kopieringen blev afbrudt, da kilden ikke findes længere."_qs); break;
            default: UdskrivInfo(u"Processen blev afbrudt, da der opstod en fejl."_qs); break;
            }
        }
        ladHaendelserKoere();
        DirectoryChange(true);
    });
}

void Tmainform::sletExecute(bool tilPapirkurv)
{
    underHandling([this, tilPapirkurv] {
        setCursor(Qt::WaitCursor);
        if (funk->DeleteElementer(tilPapirkurv))
            UdskrivInfo(tilPapirkurv ? u"Der blev slettet til papirkurv"_qs : u"Der blev slettet permanent"_qs);
        ladHaendelserKoere();
        rydKopilister();
        DirectoryChange(true);
        unsetCursor();
    });
}

void Tmainform::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_optaget && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent* event)
{
    // Nothing is added to the lists or pasted while another operation runs.
    if (m_optaget) {
        event->ignore();
        return;
    }
    // Folders and files dropped from the desktop's file manager are copied
    // here, and only they, whatever waits in the copy lists.
    const QStringList stier = programPaths(event->mimeData()->urls());
    event->acceptProposedAction();
    if (!stier.isEmpty())
        saetIndKun(stier, false);
}

void Tmainform::bindKopiering()
{
    THandlingsliste& h = *handlinger;
    const auto harValg = [this] {
        switch (funk->AktiveStruktur()) {
        case 1: return funkReady && funkNo < 4 && TMakeStrukturer::valgtNode(MappeStruktur) != nullptr;
        case 2:
        case 3: return funkReady && funk->aktivTrae()->selectionModel()->hasSelection();
        default: return false;
        }
    };
    const auto kopier = [this] {
        funkReady = false;
        const QString tekst = u"Der blev kopieret "_qs + THandlinger::elementTekst(funk->CopyElementer());
        handling("Copy")->setToolTip(tekst);
        UdskrivInfo(tekst);
        funkReady = true;
    };
    // A plain copy chosen by the user never turns into a move left over from an earlier "Klip".
    h.bind("Copy", [this, kopier] {
        DelAfterPasteCheck->setChecked(false);
        kopier();
    }, harValg);
    h.bind("Cut", [this, kopier] {
        DelAfterPasteCheck->setChecked(true);
        kopier();
    }, harValg);

    const auto listerHarRaekker = [this] {
        return Mappeliste->topLevelItemCount() > 0 || Filliste->topLevelItemCount() > 0;
    };
    h.bind("Paste", [this] { PasteExecute(); }, [this, listerHarRaekker] {
        switch (funk->AktiveStruktur()) {
        case 1: return funkReady && funkNo <= 4 && listerHarRaekker();
        case 2: return funkReady && !funk->FFilMappe.isEmpty() && listerHarRaekker();
        case 3: return funkReady && !funk->FMappe3.isEmpty() && listerHarRaekker();
        default: return false;
        }
    });
    // While rows wait in the copy lists, only a move deletes them.
    const auto kanSlette = [this, listerHarRaekker] {
        if (!funkReady || listerHarRaekker())
            return false;
        switch (funk->AktiveStruktur()) {
        case 1: return funkNo == 0 && TMakeStrukturer::valgtNode(MappeStruktur) != nullptr;
        case 2:
        case 3: return funk->aktivTrae()->selectionModel()->hasSelection();
        default: return false;
        }
    };
    h.bind("DeleteToPapirkurv", [this] { sletExecute(true); }, kanSlette);
    h.bind("DeletePermanent", [this] { sletExecute(false); }, kanSlette);
    h.bind("aEmptyRB", [this] {
        underHandling([this] {
            const int resultat = funk->EmptyRecycleBin(true, EditSti->text());
            handling("aEmptyRB")->setToolTip(resultat < 0 ? u"Der blev ikke tømt nogen elementer"_qs
                                                          : u"Tøm papirkurv på valgte drev"_qs);
        });
    }, [this] { return funkReady && funkNo == 4; });

    h.bind("selectAlle", [this] { saetAfkrydsning(Mappeliste, Qt::Checked); });
    h.bind("selectIngen", [this] { saetAfkrydsning(Mappeliste, Qt::Unchecked); });
    h.bind("sletValgteFraListe", [this] { fjernAfkrydsede(Mappeliste); });
    h.bind("selectAlle2", [this] { saetAfkrydsning(Filliste, Qt::Checked); });
    h.bind("selectIngen2", [this] { saetAfkrydsning(Filliste, Qt::Unchecked); });
    h.bind("sletValgteFraListe2", [this] { fjernAfkrydsede(Filliste); });
    h.bind("lukKopilister", [this] {
        Mappeliste->clear();
        Filliste->clear();
    });
}

} // namespace kv

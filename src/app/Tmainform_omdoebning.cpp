// Renaming in place (F2) and in the "Omdøb" window (Ctrl+O), the extension
// rename (Ctrl+U), new folders (Ctrl+M) and the undo of the last of them (Ctrl+Z).
#include "ui/Beskeder.h"
#include "ui/UdenAtStandse.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/TextForm.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "platform/FileSystem.h"
#include "platform/Omdoebning.h"
#include "platform/ProgramPath.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

namespace kv {

namespace {

QString filTekst(int n)
{
    return QString::number(n) + (n == 1 ? u" fil"_qs : u" filer"_qs);
}

} // namespace

void Tmainform::RenameExecute()
{
    funkReady = false;
    const StrukturRec* rec = recAf(TMakeStrukturer::valgtNode(funk->aktivTrae()));
    funk->FFilnavn.clear();
    const QString navn = funk->getSelected();
    const bool fil = !funk->FFilnavn.isEmpty();
    const QString F = fil || funk->AktiveStruktur() != 1 ? funk->FFilMappe : parentOf(funk->FDirMappe);
    QString N;
    if (rec && renameForm->vis(F, navn))
        N = funk->omdoeb(fil ? funk->FFilnavn : rec->mappe, renameForm->newEdit->text(), !fil);
    if (!N.isEmpty() && !fil && funk->AktiveStruktur() == 1) {
        funk->makeStruktur3(funk->FMappe3);
        funk->makeStruktur2(N, false);
        funk->setAktiveStruktur(1);
        funk->udfoldStruktur1(N);
    } else if (!N.isEmpty()) {
        if (!fil)
            funk->udfoldStruktur1(funk->FFilMappe);
        funk->makeStruktur3(funk->FMappe3);
        funk->setAktiveStruktur(2);
        funk->makeStruktur2(funk->FFilMappe, false);
        DirectoryChange(true);
    }
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::RenameExtExecute()
{
    funkReady = false;
    const QString mappe = parentOf(funk->FFilnavn);
    const QString navn = nameOf(funk->FFilnavn);
    const qsizetype punkt = navn.lastIndexOf(u'.');
    const QString gammel = punkt > 0 ? navn.mid(punkt) : QString();
    if (extForm->vis(mappe, gammel)) {
        QString ny = extForm->newEdit->text().trimmed();
        if (!ny.isEmpty() && !ny.startsWith(u'.'))
            ny.prepend(u'.');
        if (const QString fejl = ny.isEmpty() ? checkTypedName(ny) : checkTypedName(u"x"_qs + ny); !fejl.isEmpty()) {
            visInformation(fejl);
        } else {
            const QString hvilke = gammel.isEmpty() ? u"uden filtype"_qs : u"med filtypen "_qs + gammel;
            const auto spoerg = [&](qsizetype antal) {
                return spmForm().spoerg({QString(), filTekst(int(antal)) + u' ' + hvilke + u" i mappen og alle undermapper:"_qs,
                                         mappe, u"Skal de have filtypen "_qs + ny + u'?'});
            };
            setCursor(Qt::WaitCursor);
            const ExtResultat r = funk->RenameFilExt(mappe, gammel, ny, spoerg);
            unsetCursor();
            QString tekst = u"Der blev omdøbt "_qs + filTekst(r.omdoebt) + u'.';
            if (r.forbigaaet > 0)
                tekst += u' ' + filTekst(r.forbigaaet) + u" blev sprunget over, da det nye navn fandtes."_qs;
            handling("RenameExt")->setToolTip(tekst);
            UdskrivInfo(tekst);
            if (r.fejlet > 0)
                visInformation(filTekst(r.fejlet) + u" kunne ikke omdøbes:\r"_qs + r.fejl.mid(0, 10).join(u'\r'));
        }
    }
    DirectoryChange(true);
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::NyMappeExecute()
{
    funkReady = false;
    const int aktiv = funk->AktiveStruktur();
    const QString ny = funk->NyMappe(u"Ny mappe"_qs);
    if (!folderExists(ny)) {
        ladHaendelserKoere();
        funkReady = true;
        return;
    }
    funk->udfoldStruktur1(aktiv == 1 ? ny : funk->FDirMappe);
    funk->setAktiveStruktur(aktiv);
    funk->makeStruktur2(funk->FFilMappe, false);
    DirectoryChange(true);
    funk->makeStruktur3(funk->FMappe3);
    ladHaendelserKoere();
    if (aktiv != 1)
        funk->SelectMappe(ny);
    funkReady = true;
    // Only the new folder's own node opens for its name, never its parent.
    QTreeWidgetItem* node = TMakeStrukturer::valgtNode(funk->aktivTrae());
    if (const StrukturRec* rec = recAf(node); rec && sameTextAZ(rec->mappe, ny) && rec->filnavn.isEmpty())
        redigeringStarter(node);
}

void Tmainform::bindOmdoebning()
{
    renameForm = new TrenameForm(this);
    extForm = new TextForm(this);
    THandlingsliste& h = *handlinger;
    const auto harValgt = [this] { return TMakeStrukturer::valgtNode(funk->aktivTrae()) != nullptr; };
    h.bind("Rename2", [this] {
        if (QTreeWidgetItem* node = funk->editSelected())
            redigeringStarter(node);
    }, [this, harValgt] { return funkReady && funk->aktivTrae() && harValgt() && (funk->AktiveStruktur() != 1 || funkNo == 0); });
    h.bind("Rename", [this] { RenameExecute(); }, [this, harValgt] {
        switch (funk->AktiveStruktur()) {
        case 1: return funkReady && funkNo == 0 && harValgt();
        case 2: return funkReady && harValgt();
        default: return false;
        }
    });
    h.bind("RenameExt", [this] { RenameExtExecute(); },
           [this] { return funkReady && funk->AktiveStruktur() == 2 && !funk->FFilnavn.isEmpty(); });
    h.bind("NyMappe", [this] { NyMappeExecute(); }, [this] {
        switch (funk->AktiveStruktur()) {
        case 1: return funkReady && funkNo < 5;
        case 2: return funkReady;
        case 3: return funkReady && !funk->FMappe3.isEmpty();
        default: return false;
        }
    });
    // Ctrl+Z in a text field is that field's own undo.
    h.bind("Fortryd", [this] {
        const QString tekst = funk->fortryd();
        if (tekst.isEmpty())
            return;
        funk->udfoldStruktur1(funk->FDirMappe);
        funk->makeStruktur2(funk->FFilMappe, false);
        funk->makeStruktur3(funk->FMappe3);
        DirectoryChange(true);
        UdskrivInfo(tekst);
    }, [this] {
        return funkReady && funk->kanFortryde() && !qobject_cast<QLineEdit*>(QApplication::focusWidget());
    });
}

} // namespace kv

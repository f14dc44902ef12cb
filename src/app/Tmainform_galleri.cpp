// The picture box, opened from the main window, and showing its picture in Struktur 2.
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "picturebox/Billedboksvalg.h"
#include "picturebox/TGalForm.h"

#include <QTreeWidget>

namespace kv {

void Tmainform::bindGalleri()
{
    handlinger->bind("aGalleri", [this] { aabnGalform(); }, [this] { return !galform || !galform->isVisible(); });
}

void Tmainform::aabnGalform()
{
    if (!galform)
        galform = new TGalForm(this, billedboksindstillinger());
    galform->show();
    galform->raise();
    galform->activateWindow();
}

Billedboksindstillinger Tmainform::billedboksindstillinger() const
{
    const TEgenskaber& e = egenskaber;
    return {e.GBoxV, e.GBoxL, e.colIndex, e.GBoxLeft, e.GBoxTop, e.GBoxW, e.GBoxH};
}

void Tmainform::gemBilledboks(TEgenskaber& e) const
{
    if (!galform)
        return;
    Billedboksindstillinger b = billedboksindstillinger();
    galform->gemIndstillinger(b);
    e.GBoxV = b.GBoxV;
    e.GBoxL = b.GBoxL;
    e.colIndex = b.colIndex;
    e.GBoxLeft = b.GBoxLeft;
    e.GBoxTop = b.GBoxTop;
    e.GBoxW = b.GBoxW;
    e.GBoxH = b.GBoxH;
}

static QTreeWidgetItem* filnode(QTreeWidget* trae, const QString& fil)
{
    for (int i = 0; i < trae->topLevelItemCount(); ++i)
        if (const StrukturRec* rec = recAf(trae->topLevelItem(i)); rec && rec->filnavn == fil)
            return trae->topLevelItem(i);
    return nullptr;
}

void Tmainform::selectFromGal(const QString& fil)
{
    const QString mappe = fil.left(fil.lastIndexOf(u'\\'));
    if (funk->FFilMappe != mappe)
        aabnIStruktur2(mappe, true);
    if (QTreeWidgetItem* node = filnode(FilStruktur, fil)) {
        FilStruktur->clearSelection();
        FilStruktur->setCurrentItem(node);
        FilStruktur->scrollToItem(node);
        funk->setAktiveStruktur(2);
        funk->getDirectory();
        DirectoryChange(true);
    }
}

void Tmainform::fjernFraStruktur2(const QString& fil)
{
    QTreeWidgetItem* node = filnode(FilStruktur, fil);
    if (!node)
        return;
    const bool aktuel = FilStruktur->currentItem() == node;
    delete node;
    // The current element must not go on naming a file that is gone.
    if (aktuel && funk->AktiveStruktur() == 2) {
        funk->getDirectory();
        DirectoryChange(false);
    }
}

} // namespace kv

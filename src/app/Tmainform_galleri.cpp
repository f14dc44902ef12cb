// The picture box, opened from the main window, and showing its picture in Struktur 2.
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
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
        galform = new TGalForm(this);
    galform->show();
    galform->raise();
    galform->activateWindow();
}

void Tmainform::selectFromGal(const QString& fil)
{
    const QString mappe = fil.left(fil.lastIndexOf(u'\\'));
    if (funk->FFilMappe != mappe)
        aabnIStruktur2(mappe, true);
    for (int i = 0; i < FilStruktur->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = FilStruktur->topLevelItem(i);
        const StrukturRec* rec = recAf(node);
        if (rec && rec->filnavn == fil) {
            FilStruktur->clearSelection();
            FilStruktur->setCurrentItem(node);
            FilStruktur->scrollToItem(node);
            funk->setAktiveStruktur(2);
            funk->getDirectory();
            DirectoryChange(true);
            return;
        }
    }
}

} // namespace kv

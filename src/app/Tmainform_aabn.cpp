// Folders and files named when the program was started, or handed over by a
// later start.
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"

#include <QTimer>

namespace kv {

void Tmainform::aabnSti(const QString& sti)
{
    // Closed meanwhile: the structures are gone.
    if (!funk)
        return;
    // A running paste or delete owns the structures; the folder waits for it.
    if (!funkReady || m_optaget) {
        QTimer::singleShot(500, this, [this, sti] { aabnSti(sti); });
        return;
    }
    const bool mappe = folderExists(sti);
    const QString mappen = mappe ? sti : sti.left(sti.lastIndexOf(u'\\'));
    funk->udfoldStruktur1(mappen);
    if (mappe)
        aabnIStruktur2(mappen, true);
    else
        selectFromGal(sti);
}

} // namespace kv

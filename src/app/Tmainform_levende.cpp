// The structures follow the disk: changes made by us or by another program
// show without F5, and drives come and go with the mount table.
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "structures/Levendemapper.h"
#include "ui/UdenAtStandse.h"

#include <QTreeWidget>

namespace kv {

void Tmainform::bindLevende()
{
    levende = new Levendemapper(*funk, this);
    // Nothing changes under a running operation, an edit in place, a drag or
    // work that lets events run.
    levende->FLedig = [this] {
        return funkReady && !m_optaget && !m_redigeret && !m_svaever && !arbejdeUndervejs();
    };
    levende->FonAendret = [this](bool aktuelFjernet) {
        // The current element must not go on naming what is gone.
        if (aktuelFjernet)
            funk->getDirectory();
        DirectoryChange(aktuelFjernet);
    };
    connect(MappeStruktur, &QTreeWidget::itemExpanded, levende, &Levendemapper::synk);
    connect(MappeStruktur, &QTreeWidget::itemCollapsed, levende, &Levendemapper::synk);
}

} // namespace kv

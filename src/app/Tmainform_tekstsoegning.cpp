#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/Tfindform.h"

#include <QComboBox>

namespace kv {

void Tmainform::bindTekstsoegning()
{
    handlinger->bind("findTekst", [this] { aabnFindform(); }, [this] { return !findform; });
}

void Tmainform::aabnFindform()
{
    findform = new Tfindform(this);
    // The program list's active program goes here once the list has one.
    findform->show();
    findform->EditFind->setFocus();
}

} // namespace kv

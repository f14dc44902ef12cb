#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/TMenuExeFiler.h"
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
    findform->aktivtProgram = [this] { return MenuExe->AktuelleProgram(); };
    findform->show();
    findform->EditFind->setFocus();
}

} // namespace kv

// The path tabs, the path field and stepping through the visited folders.
#include "ui/Beskeder.h"
#include "app/THandlingsliste.h"
#include "app/TStiTabs.h"
#include "app/Tmainform.h"
#include "lists/TReopenFilerX.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "fileops/THandlinger.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

namespace kv {

void Tmainform::makeStiTabs()
{
    stibox->clear();
    stiArray = AktuelleMappe.split(u'\\');
    for (const QString& del : std::as_const(stiArray))
        if (!del.isEmpty())
            stibox->addTab(del);
    // With empty parts the number lies beyond the tabs, and none is chosen.
    stibox->setCurrentIndex(int(stiArray.size()) - 1);
    EditSti->setText(AktuelleMappe);
}

QString Tmainform::getStiTil(int n) const
{
    QString sti = stiArray.value(0);
    for (int i = 1; i <= n && i < stiArray.size(); ++i)
        sti += u'\\' + stiArray[i];
    return sti;
}

void Tmainform::stiTabSkift(int index)
{
    const QString sti = getStiTil(index);
    funk->setAktiveStruktur(2);
    funk->makeStruktur2(sti, true);
    DirectoryChange(true);
}

void Tmainform::visHistorieMappe()
{
    const QString sti = historieDir->GetFilnavn(HistorieListe->currentRow());
    if (!folderExists(sti))
        return;
    funk->setAktiveStruktur(2);
    funk->makeStruktur2(sti, false);
    DirectoryChange(true);
}

void Tmainform::aabnForaeldermappe()
{
    const QString mappe = funk->FFilMappe;
    if (!mappe.contains(u'\\') || !folderExists(parentOf(mappe)))
        return;
    funk->setAktiveStruktur(2);
    funk->makeStruktur2(parentOf(mappe), true);
    DirectoryChange(true);
}

void Tmainform::historieTrin(bool tilbage)
{
    const int antal = HistorieListe->count();
    const int valgt = HistorieListe->currentItem() && HistorieListe->currentItem()->isSelected()
                          ? HistorieListe->currentRow() : -1;
    int ny;
    if (tilbage)
        ny = valgt == antal - 1 ? 0 : valgt + 1;
    else
        ny = valgt <= 0 ? antal - 1 : valgt - 1;
    HistorieListe->setCurrentRow(ny);
    visHistorieMappe();
}

void Tmainform::bindNavigation()
{
    connect(stibox, &TStiTabs::trykket, this, [this] {
        // Clear the selection first, so the new folder opens without one.
        handlinger->opdaterAlle();
        if (handling("deselectElementer")->isEnabled())
            handling("deselectElementer")->trigger();
    });
    connect(stibox, &TStiTabs::tabValgt, this, &Tmainform::stiTabSkift);

    const auto flereRaekker = [this] { return HistorieListe->count() > 1; };
    handlinger->bind("Tilbage", [this] { historieTrin(true); }, flereRaekker);
    handlinger->bind("Frem", [this] { historieTrin(false); }, flereRaekker);

    HistorieListe->installEventFilter(this);
    const auto listeKnap = [this](const char* navn, auto udfoer) {
        connect(findChild<QToolButton*>(QString::fromLatin1(navn)), &QToolButton::clicked, this, [this, udfoer] {
            try {
                udfoer();
            } catch (const Fejl& f) {
                visFejl(f.tekst());
            }
        });
    };
    listeKnap("gemHistKnap", [this] {
        historieDir->GemReopenFiler();
        UdskrivInfo(u"Listen er gemt!"_qs);
    });
    listeKnap("hentHistKnap", [this] {
        historieDir->HentReopenFiler();
        UdskrivInfo(u"Listen er hentet!"_qs);
    });
}

} // namespace kv

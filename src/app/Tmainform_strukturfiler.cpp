// The structure files: their menu under Struktur 1, building Struktur 1 from
// a list of folders, the structures of the special folders, the structure
// editor, and the last structure restored at start.
#include "ui/Beskeder.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"
#include "structures/Tmappestrukturform.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>

namespace kv {

void Tmainform::bindStrukturfiler()
{
    auto* hjemmelavede = new QMenu(u"Hjemmelavede strukturer"_qs, PuMappeStruk);
    hjemmelavede->setObjectName(u"hjemmelavedeStrukturer"_qs);
    hjemmelavede->menuAction()->setStatusTip(u"Konstruerede mappestrukturer"_qs);
    auto* art = new QActionGroup(hjemmelavede);
    hsMenuNiveau = hjemmelavede->addAction(u"Fremstil som niveaustrukturer"_qs);
    hsMenuPunkt = hjemmelavede->addAction(u"Fremstil som punktstrukturer"_qs);
    for (QAction* a : {hsMenuNiveau, hsMenuPunkt}) {
        a->setCheckable(true);
        art->addAction(a);
    }
    hsMenuNiveau->setObjectName(u"hsMenuNiveau"_qs);
    hsMenuPunkt->setObjectName(u"hsMenuPunkt"_qs);
    hsMenuNiveau->setChecked(true);
    hjemmelavede->addSeparator();
    hjemmelavede->addAction(handling("OpretSmappe"));
    PuMappeStruk->addMenu(hjemmelavede);
    PuMappeStruk->addSeparator();

    handlinger->bind("OpretSmappe", [this] { aabnMappestrukturform(); }, [this] { return !mappestrukturform; });
    const auto spKnap = [this](const char16_t* navn, int art) {
        auto* knap = findChild<QToolButton*>(QString::fromUtf16(navn));
        connect(knap, &QToolButton::clicked, this, [this, art] { makeSpMapper(art); });
    };
    spKnap(u"ksmPunktstruktur", 1);
    spKnap(u"ksmNiveaustruktur", 0);
}

void Tmainform::aabnMappestrukturform()
{
    // Docked in a tab, or outside as its box under "Åben funktioner externt:" says.
    mappestrukturform = new Tmappestrukturform(this);
    mappestrukturform->show();
    loadMappeStruktur(true);
}

void Tmainform::loadMappeStruktur(bool medEditor)
{
    const auto punkter = PuMappeStruk->actions();
    for (qsizetype i = 2; i < punkter.size(); ++i)
        delete punkter[i];
    if (!folderExists(mappestrukturDir))
        return;
    const auto indhold = listFolder(mappestrukturDir);
    if (!indhold) {
        visInformation(u"Der opstod en fejl i forbindelse med\rindlæsningen af mappestrukturfiler."_qs);
        return;
    }
    QStringList filer;
    for (const DirEntry& e : *indhold)
        if (!e.isDir && !e.hidden && sameTextAZ(extensionOf(e.name), u".txt"_qs))
            filer << e.name;
    if (medEditor && mappestrukturform)
        mappestrukturform->visStrukturfiler(filer);
    for (const QString& fil : std::as_const(filer))
        addStrukturMenu(fil);
}

void Tmainform::addStrukturMenu(const QString& filnavn)
{
    // The entry keeps the file's name; its caption doubles "&" so none becomes an access key.
    QString caption = visningsnavn(filnavn);
    caption.replace(u'&', u"&&"_qs);
    QAction* punkt = PuMappeStruk->addAction(caption);
    punkt->setData(filnavn);
    connect(punkt, &QAction::triggered, this, [this, punkt] { strukturMenuKlik(punkt); });
}

void Tmainform::strukturMenuKlik(QAction* punkt)
{
    const auto liste = readTextLines(mappestrukturDir + punkt->data().toString());
    if (!liste) {
        visInformation(u"Det lykkedes ikke at fremstille strukturen."_qs);
        return;
    }
    fremstilStruktur(*liste, hsMenuPunkt->isChecked());
}

void Tmainform::fremstilStruktur(const QStringList& mapper, bool punkt)
{
    QStringList liste = mapper;
    punkt ? funk->makePunktStruktur(liste) : funk->makeHistoryStruktur(liste);
    funk->setAktiveStruktur(1);
    DirectoryChange(false);
}

void Tmainform::makeSpMapper(int art)
{
    // Folders this platform does not have are left out, as are the stand-ins
    // (drive C, or pictures for camera pictures) given for them.
    QStringList liste;
    const auto tilfoej = [&liste](const std::function<QString()>& hent) {
        try {
            const QString sti = hent();
            if (!sti.isEmpty() && sti != u"C:" && !liste.contains(sti))
                liste << sti;
        } catch (const Fejl&) {
        }
    };
    for (auto mappe : {&TMapper::GetMyDesktop, &TMapper::GetMyDocuments, &TMapper::GetMyFavorit,
                       &TMapper::GetMyPictures, &TMapper::GetMyMusic, &TMapper::GetMyVideo})
        tilfoej([this, mappe] { return (funk->*mappe)(); });
    tilfoej([this] { return getSpMappe(1); });
    tilfoej([this] { return getSpMappe(0); });
    tilfoej([this] { return funk->GetMyDownLoad(BrugerNavn); });
    tilfoej([this] { return funk->GetStartMenuPrograms(); });
    tilfoej([this] { return funk->GetMyApp(); });
    tilfoej([this] { return funk->GetAllUsers(); });
    tilfoej([this] { return getSpMappe(2); });
    tilfoej([this] { return getSpMappe(3); });
    art == 0 ? funk->makeHistoryStruktur(liste) : funk->makePunktStruktur(liste);
}

bool Tmainform::genskabStruktur1()
{
    const int art = funk->LastStrukturNo;
    if (art < 1 || !fileExists(funk->FLastStruktur))
        return false;
    auto liste = readTextLines(funk->FLastStruktur);
    if (!liste)
        return false;
    if (art == 2) {
        funk->makePunktStruktur(*liste);
    } else {
        funk->makeHistoryStruktur(*liste);
        // A single drive is built as a level structure and then opened.
        if (art != 1 && funk->LastStrukturNo == 1) {
            funk->LastStrukturNo = 3;
            funk->udfoldDirectory();
        }
    }
    return true;
}

} // namespace kv

// The special folders of the "Mapper" page: their actions, the two bars of
// the Folders toolbar, and where a special folder opens.
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "platform/FileSystem.h"
#include "fileops/THandlinger.h"

#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace kv {

void Tmainform::visSpecielMappe(const QString& sti)
{
    if (!folderExists(sti)) {
        visInformation(u"Mappen blev ikke fundet."_qs);
        return;
    }
    if (mappeBox->isChecked()) {
        funk->setAktiveStruktur(1);
        funk->udfoldMappe(sti);
        DirectoryChange(false);
    } else {
        funk->setAktiveStruktur(2);
        funk->makeStruktur2(sti, true);
        DirectoryChange(true);
    }
}

const std::vector<const char*>& Tmainform::mapperBjaelke(int nummer)
{
    static const std::vector<const char*> kendte{"Adesktopdir", "Adokudir", "Amusikdir", "Avideodir", "Apicdir", "AallUsers"};
    static const std::vector<const char*> specielle{"Adesktopdir", "aFavoritmappe", "aKontakter", "aDownload", "aOneDrev",
                                                    "aStartMappe", "Aprogdir", "aKamBil", "aKamFilm"};
    return nummer == 0 ? kendte : specielle;
}

void Tmainform::visMapperBar()
{
    ToolbarMapper->clear();
    const auto& bjaelke = mapperBjaelke(AMfunktionsNumber);
    if (AMfunktionsNumber == 0) {
        for (size_t i = 0; i + 1 < bjaelke.size(); ++i)
            ToolbarMapper->addAction(handling(bjaelke[i]));
        // "Alle brugere" with the shared folders in its drop-down.
        auto* alle = new QToolButton;
        alle->setObjectName(u"alleBrugereKnap"_qs);
        alle->setDefaultAction(handling("AallUsers"));
        alle->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        alle->setAutoRaise(true);
        alle->setPopupMode(QToolButton::MenuButtonPopup);
        auto* menu = new QMenu(alle);
        for (const char* n : {"Aalldocu", "AallMusik", "AallPic", "AallVideo"})
            menu->addAction(handling(n));
        alle->setMenu(menu);
        ToolbarMapper->addWidget(alle);
    } else {
        for (const char* n : bjaelke)
            ToolbarMapper->addAction(handling(n));
    }
}

void Tmainform::bindMapperHandlinger()
{
    THandlingsliste& h = *handlinger;
    const std::pair<const char*, QString (TMapper::*)() const> direkte[] = {
        {"Adesktopdir", &TMapper::GetMyDesktop},
        {"Adokudir", &TMapper::GetMyDocuments},
        {"Amusikdir", &TMapper::GetMyMusic},
        {"Avideodir", &TMapper::GetMyVideo},
        {"Apicdir", &TMapper::GetMyPictures},
        {"AallUsers", &TMapper::GetAllUsers},
        {"Aalldocu", &TMapper::GetCommonDocuments},
        {"AallMusik", &TMapper::GetCommonMusic},
        {"AallPic", &TMapper::GetCommonPictures},
        {"AallVideo", &TMapper::GetCommonVideo},
        {"aFavoritmappe", &TMapper::GetMyFavorit},
        {"Aprogdir", &TMapper::GetMyApp},
        {"aStartMappe", &TMapper::GetStartMenuPrograms},
    };
    for (const auto& [navn, mappe] : direkte)
        h.bind(navn, [this, mappe] { visSpecielMappe((funk->*mappe)()); });
    h.bind("aDownload", [this] { visSpecielMappe(funk->GetMyDownLoad(BrugerNavn)); });
    const std::pair<const char*, int> nummererede[] = {{"aKontakter", 0}, {"aOneDrev", 1}, {"aKamBil", 2}, {"aKamFilm", 3}};
    for (const auto& [navn, nummer] : nummererede) {
        h.bind(navn, [this, nummer] {
            const QString sti = getSpMappe(nummer);
            if (sti.isEmpty())
                visInformation(u"Mappen blev ikke fundet."_qs);
            else
                visSpecielMappe(sti);
        });
    }

    h.bind("aVisMapper", [this] {
        AMfunktionsNumber = 0;
        visMapperBar();
    }, [this] { return AMfunktionsNumber != 0; });
    h.bind("aVisSpecielleMapper", [this] {
        AMfunktionsNumber = 1;
        visMapperBar();
    }, [this] { return AMfunktionsNumber != 1; });

    connect(mappeBox, &QRadioButton::clicked, this, [this] { mappeBox2->setChecked(!mappeBox->isChecked()); });
    connect(mappeBox2, &QRadioButton::clicked, this, [this] { mappeBox->setChecked(!mappeBox2->isChecked()); });
}

} // namespace kv

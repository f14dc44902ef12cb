// The program list on the right-hand panel: the box of programs, the active
// program and its starts, and the suggestions on the top page "Programmer".
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TMenuExeFiler.h"
#include "lists/TReopenFilerX.h"
#include "lists/TProgform.h"
#include "platform/FileSystem.h"
#include "platform/Programkatalog.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <functional>

namespace kv {

namespace {

// A suggested program: first the paths of the original platform, which are
// tested as written, then desktop ids in the user's, the system's and
// flatpak's application folders.
struct Forslag {
    const char16_t* knap;
    const char16_t* tekst;
    const char16_t* caption;
    int gruppe;  // 0 "Browsere", 1 "Medie afspillere", 2 "Tekstbehandling"
    std::initializer_list<const char16_t*> stier;
    std::initializer_list<const char16_t*> ids;
};

const Forslag forslag[] = {
    {u"ChromeButton", u"Chrome", u"Chrome", 0,
     {u"C:\\Program Files (x86)\\Google\\Chrome\\Application\\chrome.exe"},
     {u"google-chrome.desktop", u"com.google.Chrome.desktop", u"chromium.desktop", u"org.chromium.Chromium.desktop"}},
    {u"EdgeButton", u"Microsoft Edge", u"Microsoft Edge", 0,
     {u"C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe"},
     {u"microsoft-edge.desktop", u"com.microsoft.Edge.desktop"}},
    {u"FirefoxButton", u"Firefox", u"Firefox", 0, {},
     {u"firefox-esr.desktop", u"firefox.desktop", u"org.mozilla.firefox.desktop"}},
    {u"VLCButton", u"VLC medie player", u"VLC", 1, {u"C:\\Program Files\\VideoLAN\\VLC\\vlc.exe"},
     {u"vlc.desktop", u"org.videolan.VLC.desktop"}},
    {u"MediaPlayerButton", u"Media Player", u"Media Player", 1,
     {u"C:\\Program Files (x86)\\Windows Media Player\\wmplayer.exe"},
     {u"org.gnome.Totem.desktop", u"mpv.desktop", u"io.mpv.Mpv.desktop"}},
    {u"NotesblokButton", u"Notesblok", u"Notesblok", 2, {u"C:\\Windows\\System32\\notepad.exe"},
     {u"org.gnome.TextEditor.desktop", u"org.gnome.gedit.desktop", u"gedit.desktop", u"org.kde.kwrite.desktop",
      u"org.xfce.mousepad.desktop", u"mousepad.desktop"}},
    {u"SkrivScriptButton", u"Pennehus", u"Pennehus", 2,
     {u"C:\\Program Files\\Pennehus\\Pennehus.exe", u"C:\\Program Files (x86)\\Pennehus\\Pennehus.exe",
      u"E:\\Program Files\\Pennehus\\Pennehus.exe"},
     {}},
};

// What a suggestion offers, empty when nothing. The fixed paths are one
// program in different places: the first there and not listed. The desktop
// ids are the program's packagings, most wanted first: the first installed
// one, and nothing when that one is listed.
QString forslagetsProgram(const Forslag& f, const Programkatalog& katalog,
                          const std::function<bool(const QString&)>& listet)
{
    bool fundet = false;
    for (const char16_t* s : f.stier) {
        const QString sti = QString::fromUtf16(s);
        if (!fileExists(sti))
            continue;
        if (!listet(sti))
            return sti;
        fundet = true;
    }
    if (fundet)
        return QString();
    for (const char16_t* id : f.ids)
        if (const QString sti = katalog.find(QString::fromUtf16(id)); !sti.isEmpty())
            return listet(sti) ? QString() : sti;
    return QString();
}

} // namespace

void Tmainform::hentProgrammer()
{
    MenuExe = new TMenuExeFiler(this);
    MenuExe->setItemfile(OptMappe + u"\\ProgItem.txt"_qs);
    connect(MenuExe, &TMenuExeFiler::aendret, this, &Tmainform::loadProgramBox);
    programBox->setIconSize(QSize(32, 32));
    programBox->setToolTip(u"Klik på program for at gøre det til aktive program"_qs);
    const QString besked = MenuExe->HentProgrammer();
    loadProgramBox();
    if (!besked.isEmpty())
        visInformation(besked);
}

void Tmainform::loadProgramBox()
{
    programBox->clear();
    for (int i = 0; i < MenuExe->Filantal(); ++i)
        new QListWidgetItem(MenuExe->ikon(i), MenuExe->GetCaption(i), programBox);
}

void Tmainform::visAktiveProgram()
{
    const QString caption = MenuExe->getAktuelleCaption();
    QFont ni = infobarPanel[0]->font();
    ni.setPointSize(9);
    infobarPanel[0]->setFixedWidth(QFontMetrics(ni).horizontalAdvance(caption) + 8);
    infobarPanel[0]->setText(caption);
    programLabel->setText(caption.isEmpty() ? u"Valgte program"_qs : caption);
}

void Tmainform::vaelgProgram(int i)
{
    if (i < 0 || i >= MenuExe->Filantal())
        return;
    MenuExe->setAktuelleProgram(MenuExe->GetFilnavn(i));
    egenskaber.exeProgram = MenuExe->AktuelleProgram();
    visAktiveProgram();
}

void Tmainform::startAktiveProgram(const QStringList& filer)
{
    if (MenuExe->AktuelleProgram().isEmpty())
        return;
    if (const int svar = TMenuExeFiler::OpenFilMedProgram(MenuExe->AktuelleProgram(), filer); svar <= 32)
        ErrorInfo(svar);
}

void Tmainform::tilfoejProgram(const QString& sti, const QString& caption, int showType)
{
    MenuExe->InsertItem(sti, caption, showType, QString());
    if (const QString fejl = MenuExe->GemProgrammer(); !fejl.isEmpty())
        visFejl(fejl);
    loadProgramBox();
}

void Tmainform::bindProgrammer()
{
    // The stored active program, from the settings.
    MenuExe->setAktuelleProgram(egenskaber.exeProgram);
    connect(programBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* r) { vaelgProgram(programBox->row(r)); });
    connect(programBox, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* r) {
        vaelgProgram(programBox->row(r));
        startAktiveProgram(funk->valgteFiler());
    });
    const auto aktivt = [this] { return !MenuExe->AktuelleProgram().isEmpty(); };
    handlinger->bind("progOpen2", [this] { startAktiveProgram(funk->valgteFiler()); }, aktivt);
    handlinger->bind("progInsert", [this] {
        progform = new TProgform(this);
        progform->show();
    }, [this] { return !progform; });
    handlinger->bind("FLopenProgram", [this] {
        const QListWidgetItem* r = favfilerListe->currentItem();
        const QString fil = favFiler->GetFilnavn(r ? favfilerListe->row(r) : -1);
        // A missing favourite file is passed over.
        if (fileExists(fil))
            startAktiveProgram({fil});
    }, [this, aktivt] { return aktivt() && favfilerListe->currentItem() && favfilerListe->currentItem()->isSelected(); });
}

QWidget* Tmainform::byggProgramforslag()
{
    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    g->setContentsMargins(6, 2, 6, 2);
    auto* checkButton = new QPushButton(u"Check for programmer"_qs);
    checkButton->setObjectName(u"checkButton"_qs);
    checkButton->setToolTip(u"Hvis disse programmer ikke er indførte vises de til indføring"_qs);
    connect(checkButton, &QPushButton::clicked, this, [this] {
        if (checkForProgrammer() == 0)
            visInformation(u"Der blev ikke fundet forslag\rtil indføring af programmer."_qs);
    });
    auto* infProgramKnap = billedknap(u"infProgramKnap"_qs, Handlingsbillede::Info, u"Information: Design"_qs);
    connect(infProgramKnap, &QToolButton::clicked, this,
            [this] { InfoHelp(u"InsertProgrammer.html"_qs, u"Programmer"_qs); });
    g->addWidget(infProgramKnap, 0, 0);
    g->addWidget(checkButton, 1, 0);
    int kolonne[3] = {};
    for (int i = 0; i < 3; ++i) {
        static const char16_t* const overskrifter[] = {u"Browsere", u"Medie afspillere", u"Tekstbehandling"};
        g->addWidget(new QLabel(QString::fromUtf16(overskrifter[i])), 0, 1 + 4 * i, 1, 3);
    }
    for (const Forslag& f : forslag) {
        auto* k = new QPushButton(QString::fromUtf16(f.tekst));
        k->setObjectName(QString::fromUtf16(f.knap));
        if (f.knap == std::u16string_view(u"SkrivScriptButton"))
            k->setToolTip(u"Til tekstfiler af enhver art, specielt scriptfiler"_qs);
        k->hide();
        g->addWidget(k, 1, 1 + 4 * f.gruppe + kolonne[f.gruppe]++);
        connect(k, &QPushButton::clicked, this, [this, k, &f] {
            Bog->setCurrentIndex(3);
            bogTekstLabel->setText(u"Programmer"_qs);
            tilfoejProgram(k->property("sti").toString(), QString::fromUtf16(f.caption), 1);
            k->hide();
        });
    }
    // The groups keep apart also while their buttons are hidden.
    for (const int mellemrum : {4, 8})
        g->setColumnMinimumWidth(mellemrum, 24);
    g->setColumnStretch(13, 1);
    return side;
}

int Tmainform::checkForProgrammer()
{
    const Programkatalog katalog = Programkatalog::fraMiljoe();
    const auto listet = [this](const QString& s) { return MenuExe->findFilnavn(s) >= 0; };
    int vist = 0;
    for (const Forslag& f : forslag) {
        const QString sti = forslagetsProgram(f, katalog, listet);
        if (sti.isEmpty())
            continue;
        auto* k = topBog->findChild<QPushButton*>(QString::fromUtf16(f.knap));
        k->setProperty("sti", sti);
        k->show();
        ++vist;
    }
    return vist;
}

} // namespace kv

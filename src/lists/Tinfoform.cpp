#include "lists/Tinfoform.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "platform/Filadresser.h"
#include "platform/FileSystem.h"
#include "platform/Skal.h"
#include "platform/TextFile.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

struct Sideknap {
    int nummer;
    Handlingsbillede billede;
    const char16_t* hint;
    const char16_t* side;
    const char16_t* titel;
};

// The pages of the file operations, one button each on the help window's own bar.
const Sideknap sideknapper[] = {
    {1, Handlingsbillede::Kopier, u"Information: Kopier", u"Kopier.html", u"Kopier"},
    {2, Handlingsbillede::SaetInd, u"Information: Sæt ind", u"Paste.html", u"Sæt ind"},
    {3, Handlingsbillede::Klip, u"Information: Klip", u"Klip.html", u"Klip"},
    {4, Handlingsbillede::KopierSti, u"Information: Kopier sti og filnavn", u"Sti.html", u"Kopier sti"},
    {6, Handlingsbillede::SletPapirkurv, u"Information: Slet til papirkurv og permanent", u"Slet element.html",
     u"Slet element"},
    {7, Handlingsbillede::Omdoeb, u"Information: Omdøb filer og mapper", u"Omdoob element.html", u"Omdøb element"},
    {8, Handlingsbillede::OmdoebExt, u"Information: Omdøb filers efternavn", u"Omdoob filtype.html", u"Omdøb filtype"},
    {9, Handlingsbillede::NyMappe, u"Information: Ny mappe", u"Ny mappe.html", u"Ny mappe"},
    {10, Handlingsbillede::NyFil, u"Information: Ny tekstfil", u"Tekstfil.html", u"Opret tekstfil"},
    {11, Handlingsbillede::VaelgAlle, u"Information: Marker filer og mapper", u"Vaalg.html",
     u"Vælg, fravælg og inverter"},
    {12, Handlingsbillede::Koer, u"Information: Kør", u"Koor.html", u"Kør"},
    {13, Handlingsbillede::Rediger, u"Information: Rediger", u"Rediger.html", u"Rediger"},
    {14, Handlingsbillede::ProgramKoer, u"Information: Program", u"Program.html", u"Program"},
    {15, Handlingsbillede::Spilleliste, u"Information: Musikliste på hjemmeside", u"Opret musikliste.html",
     u"Musikliste"},
    {16, Handlingsbillede::Spilleliste, u"Information: Filmliste på hjemmeside", u"Opret filmliste.html", u"Filmliste"},
    {17, Handlingsbillede::Spilleliste, u"Information: Billedliste på hjemmeside", u"Opret billedliste.html",
     u"Billedliste"},
};

constexpr int standardVenstre = 20, standardTop = 40, standardHoejde = 580, mindsteHoejde = 240;

// Shown instead of a page that is not installed, so the reader knows which one.
QString manglendeSide(const QString& side)
{
    return u"<html><body><h2>Siden findes ikke</h2>"
           "<p>Hjælpesiden &quot;%1&quot; findes ikke i informationsmappen.</p>"
           "<p><a href=\"information.html\">Til forsiden</a></p></body></html>"_qs.arg(side.toHtmlEscaped());
}

} // namespace

Tinfoform::Tinfoform(Funktionsvaert* hoved) : TFunktionsform(hoved, 6, QString::fromUtf16(funktion(6).navn))
{
    setObjectName(u"infoform"_qs);
    optFilnavn = hoved->stier().OptMappe + u"\\Information.txt"_qs;
    // Outside the window keeps its width and may be made taller or lower.
    fastRamme = false;
    if (showType) {
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
        setFixedWidth(580);
        setMinimumHeight(mindsteHoejde);
    }

    browser = new QTextBrowser;
    browser->setObjectName(u"browser"_qs);
    // Every link comes to linkKlik, a new-window link too.
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    StatusBar = new QStatusBar;
    StatusBar->setObjectName(u"StatusBar"_qs);
    StatusBar->setSizeGripEnabled(false);
    connect(browser, qOverload<const QUrl&>(&QTextBrowser::highlighted), this, &Tinfoform::linkOver);
    connect(browser, &QTextBrowser::anchorClicked, this, &Tinfoform::linkKlik);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 0);
    l->setSpacing(2);
    l->addWidget(byggVaerktoej());
    l->addWidget(byggSideknapper());
    l->addWidget(browser, 1);
    l->addWidget(StatusBar);
    opdaterHandlinger();
}

QWidget* Tinfoform::byggVaerktoej()
{
    auto* bar = new QToolBar;
    bar->setObjectName(u"ToolBar1"_qs);
    bar->setIconSize(QSize(18, 18));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto handling = [bar](const char* navn, const QString& tekst, Handlingsbillede b, const QString& hint) {
        auto* a = bar->addAction(handlingsIkon(b), tekst);
        a->setObjectName(QString::fromLatin1(navn));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        return a;
    };
    aFirst = handling("aFirst", u"Første"_qs, Handlingsbillede::Tilbage, u"Første side"_qs);
    aBack = handling("aBack", u"Tilbage"_qs, Handlingsbillede::Tilbage, u"Foregående side"_qs);
    aForward = handling("aForward", u"Frem"_qs, Handlingsbillede::Frem, u"Næste side"_qs);
    aLast = handling("aLast", u"Sidste"_qs, Handlingsbillede::Frem, u"Sidste side"_qs);
    connect(aFirst, &QAction::triggered, this, [this] { gaaTil(0); });
    connect(aBack, &QAction::triggered, this, [this] { gaaTil(urlIndex - 1); });
    connect(aForward, &QAction::triggered, this, [this] { gaaTil(urlIndex + 1); });
    connect(aLast, &QAction::triggered, this, [this] { gaaTil(int(urlSL.size()) - 1); });
    bar->addSeparator();

    mappeInfoButton = billedknap(u"mappeInfoButton"_qs, Handlingsbillede::VisIStruktur1,
                                 u"Vis informationsmappen i mappestrukturen"_qs);
    connect(mappeInfoButton, &QToolButton::clicked, this, [this] {
        const QString mappe = this->hoved->stier().infoDir.chopped(1);
        if (!this->hoved->klar() || this->hoved->optaget() || !folderExists(mappe))
            return;
        this->hoved->udfoldIStruktur1(mappe);
    });
    bar->addWidget(mappeInfoButton);
    auto* luk = handling("aLuk", u"Luk"_qs, Handlingsbillede::Luk, u"Luk information"_qs);
    connect(luk, &QAction::triggered, this, &QWidget::close);
    return bar;
}

QWidget* Tinfoform::byggSideknapper()
{
    auto* bar = new QToolBar;
    bar->setObjectName(u"ToolBar2"_qs);
    bar->setIconSize(QSize(18, 18));
    for (const Sideknap& s : sideknapper) {
        auto* k = billedknap(u"ToolButton%1"_qs.arg(s.nummer), s.billede, QString::fromUtf16(s.hint));
        connect(k, &QToolButton::clicked, this, [this, s] {
            hoved->InfoHelp(QString::fromUtf16(s.side), QString::fromUtf16(s.titel));
        });
        bar->addWidget(k);
    }
    return bar;
}

void Tinfoform::opdaterHandlinger()
{
    const int sidste = int(urlSL.size()) - 1;
    aFirst->setEnabled(urlSL.size() >= 2 && urlIndex > 0);
    aBack->setEnabled(urlIndex > 0);
    aForward->setEnabled(urlIndex < sidste);
    aLast->setEnabled(urlSL.size() >= 2 && urlIndex < sidste);
}

QString Tinfoform::infoVaert() const
{
    const QUrl url = fileUrl(hoved->stier().infoDir.chopped(1));
    return url.isEmpty() ? QString() : url.toLocalFile() + u'/';
}

void Tinfoform::huskSide(const QString& side)
{
    for (qsizetype i = 0; i < urlSL.size(); ++i) {
        if (urlSL[i].compare(side, Qt::CaseInsensitive) == 0) {
            urlSL.removeAt(i);
            break;
        }
    }
    urlSL.append(side);
    urlIndex = int(urlSL.size()) - 1;
    opdaterHandlinger();
}

void Tinfoform::LoadHjemmeside(const QString& side)
{
    huskSide(side);
    visSide(side);
}

void Tinfoform::visSide(const QString& side, const QString& anker)
{
    Hjemmeside = hoved->stier().infoDir + side;
    const QString mappe = infoVaert();
    QFileInfo fil(mappe + side);
    // Page names are compared as the program compares paths: without regard to case.
    if (!mappe.isEmpty() && !side.contains(u'/') && !fil.isFile()) {
        for (const QString& navn : QDir(mappe).entryList(QDir::Files)) {
            if (navn.compare(side, Qt::CaseInsensitive) == 0)
                fil.setFile(mappe + navn);
        }
    }
    if (mappe.isEmpty() || side.contains(u'/') || !fil.isFile()) {
        browser->setHtml(manglendeSide(side));
    } else {
        const QUrl url = QUrl::fromLocalFile(fil.filePath());
        // The browser skips a page it believes it shows, though a missing page may stand there.
        if (browser->source() == url)
            browser->reload();
        else
            browser->setSource(url);
        if (!anker.isEmpty())
            browser->scrollToAnchor(anker);
    }
    // The browser's own history would go its own way beside ours.
    browser->clearHistory();
    StatusBar->showMessage(side);
}

void Tinfoform::gaaTil(int index)
{
    if (index < 0 || index >= urlSL.size())
        return;
    urlIndex = index;
    setWindowTitle(u"Information"_qs);
    visSide(urlSL[index]);
    opdaterHandlinger();
}

void Tinfoform::linkOver(const QUrl& url)
{
    // A page of ours by its name, a web address whole, nothing for the rest.
    const QString skema = url.scheme().toLower();
    if (isLocalFileUrl(url))
        globalUrl = url.fileName() + (url.hasFragment() ? u'#' + url.fragment() : QString());
    else if (skema == u"http" || skema == u"https")
        globalUrl = url.toString();
    else
        globalUrl.clear();
    if (globalUrl.isEmpty())
        StatusBar->clearMessage();
    else
        StatusBar->showMessage(globalUrl);
}

void Tinfoform::linkKlik(const QUrl& url)
{
    const QString skema = url.scheme().toLower();
    if (skema == u"http" || skema == u"https") {
        Skal::instance().startProgram({u"xdg-open"_qs, url.toString(QUrl::FullyEncoded)}, QString());
        return;
    }
    const QString mappe = infoVaert();
    if (mappe.isEmpty())
        return;
    const QUrl base = browser->source().isLocalFile() ? browser->source() : QUrl::fromLocalFile(mappe);
    const QUrl maal = base.resolved(url);
    // javascript:, mailto: and the like do nothing; so does a file outside the information folder.
    if (!isLocalFileUrl(maal))
        return;
    const QFileInfo fil(maal.toLocalFile());
    if (fil.absolutePath() + u'/' != mappe || fil.fileName().isEmpty())
        return;
    // An anchor on the page shown only scrolls.
    if ((hoved->stier().infoDir + fil.fileName()).compare(Hjemmeside, Qt::CaseInsensitive) == 0) {
        browser->scrollToAnchor(maal.fragment());
        return;
    }
    setWindowTitle(u"Information"_qs);
    huskSide(fil.fileName());
    visSide(fil.fileName(), maal.fragment());
}

bool Tinfoform::event(QEvent* event)
{
    // The hints of this window's controls go to its own status bar.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty())
            StatusBar->showMessage(tip);
        return true;
    }
    return TFunktionsform::event(event);
}

void Tinfoform::showEvent(QShowEvent* event)
{
    const bool foerste = opstart;
    TFunktionsform::showEvent(event);
    if (!foerste || !showType)
        return;
    // A damaged or strange file gives the defaults.
    int venstre = standardVenstre, top = standardTop, hoejde = standardHoejde;
    if (const auto linjer = readTextLines(optFilnavn); linjer && linjer->size() >= 3) {
        bool ok[3];
        const int v = linjer->at(0).trimmed().toInt(&ok[0]);
        const int t = linjer->at(1).trimmed().toInt(&ok[1]);
        const int h = linjer->at(2).trimmed().toInt(&ok[2]);
        const QRect skaerm = QGuiApplication::primaryScreen()->virtualGeometry();
        if (ok[0] && ok[1] && ok[2] && h >= mindsteHoejde && skaerm.adjusted(0, 0, -40, -40).contains(v, t)) {
            venstre = v;
            top = t;
            hoejde = h;
        }
    }
    resize(580, hoejde);
    move(venstre, top);
}

void Tinfoform::closeEvent(QCloseEvent* event)
{
    if (showType) {
        writeTextLines(optFilnavn, {QString::number(x()), QString::number(y()), QString::number(height())});
    }
    TFunktionsform::closeEvent(event);
}

} // namespace kv

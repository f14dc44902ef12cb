// The help pages: every information button of every window comes here.
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/Tinfoform.h"
#include "ui/Handlingsbilleder.h"
#include "ui/TDovenSide.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace kv {

namespace {

enum class Sted { TopBog, Bog, Bogforan, Panel };

struct Infoknap {
    const char16_t* navn;
    const char16_t* tekst;  // empty: a picture only
    const char16_t* hint;
    const char16_t* side;
    const char16_t* titel;
    Sted sted;
    const char16_t* fane;  // the page of topBog or Bog
};

// The main window's help buttons and where they sit.
const Infoknap infoknapper[] = {
    {u"infoKnap", u"Information", u"Program information: F1", u"information.html", u"Velkommen!", Sted::TopBog,
     u"Information"},
    {u"genvejsKnap", u"Genvejstaster", u"Anvendelige genvejstaster", u"Genvejstaster.html", u"Genvejstaster",
     Sted::TopBog, u"Information"},
    {u"infoAF", u"Info", u"Info", u"Informationen.html", u"Information", Sted::TopBog, u"Information"},
    {u"infoKnap1", u"Struktur 1", u"Information: Struktur 1", u"Struktur1.html", u"Mappestrukturen!", Sted::TopBog,
     u"Information"},
    {u"infoKnap2", u"Struktur 2", u"Information: Struktur 2", u"Struktur2.html", u"Filstrukturen!", Sted::TopBog,
     u"Information"},
    {u"infoKnap3", u"Struktur 3", u"Information: Struktur 3", u"Struktur3.html", u"Struktur 3", Sted::TopBog,
     u"Information"},
    {u"InfoSide1", u"", u"Information: Hjem siden", u"Hjem.html", u"Grundfunktioner", Sted::TopBog, u"Hjem"},
    {u"InfoSide2", u"", u"nformation: Angående mapper", u"Mapper.html", u"Mapper", Sted::TopBog, u"Mapper"},
    {u"InfoSide3", u"", u"nformation: Angående Andre funktioner", u"AndreFunktioner.html", u"Andre funktioner",
     Sted::TopBog, u"Andre funktioner"},
    {u"InfoSide5", u"", u"Information: WMI", u"WMI.html", u"WMI", Sted::TopBog, u"WMI"},
    {u"InfoSide6", u"", u"Information: Design", u"Design.html", u"Design", Sted::TopBog, u"Design"},
    {u"InfoSide7", u"", u"Information: Spalteregulering", u"Spalteregulering.html", u"Spalteregulering",
     Sted::TopBog, u"Spalteregulering"},
    {u"infoSitKnap", u"", u"Information", u"SituationsInfo.html", u"Situations information", Sted::Panel, u""},
    {u"infoBmKnap", u"Info", u"Information", u"Histmapper.html", u"Besøgte mapper", Sted::Bog, u"Besøgte"},
    {u"FavoritInfo", u"Information", u"Information", u"Favoritmapper.html", u"Favoritmapper", Sted::Bog,
     u"Favoritmapper"},
    {u"FavoFilerKnap", u"Information", u"Information", u"Favoritfiler.html", u"Favoritfiler", Sted::Bog,
     u"Favoritfiler"},
    {u"tbInfo3", u"", u"Information angående struktur 3", u"Struktur3.html", u"Struktur 3", Sted::Bogforan,
     u"Struktur 3"},
    {u"infoFindKnap", u"", u"Information angående søgning i mappe og filnavne", u"Find.html",
     u"Find i mappe og filnavne", Sted::Bog, u"Søg"},
    {u"infoExtButton", u"", u"Information", u"Fremvis filtype.html", u"Filefternavne", Sted::Bog, u"Struktur 3"},
};

QWidget* fane(QTabWidget* bog, const QString& titel)
{
    for (int i = 0; i < bog->count(); ++i) {
        if (bog->tabText(i) == titel)
            return bog->widget(i);
    }
    return nullptr;
}

// At the end of a top page's row, before the space that fills it.
void iRaekken(QWidget* side, QToolButton* k)
{
    if (auto* g = qobject_cast<QGridLayout*>(side->layout())) {
        g->addWidget(k, 0, g->columnCount(), Qt::AlignTop);
        return;
    }
    auto* l = qobject_cast<QBoxLayout*>(side->layout());
    if (!l) {
        l = new QHBoxLayout(side);
        l->setContentsMargins(0, 0, 0, 0);
        l->addStretch();
    }
    int i = l->count();
    if (i > 0 && l->itemAt(i - 1)->spacerItem())
        --i;
    l->insertWidget(i, k, 0, Qt::AlignTop);
}

// On the page's toolbar, or above the page when it has none.
void paaBjaelken(QWidget* side, QToolButton* k, bool foran)
{
    if (auto* bar = side->findChild<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        foran ? (void)bar->insertWidget(bar->actions().value(0), k) : (void)bar->addWidget(k);
        return;
    }
    if (auto* l = qobject_cast<QBoxLayout*>(side->layout()))
        l->insertWidget(0, k, 0, Qt::AlignRight);
}

} // namespace

void Tmainform::bindInfo()
{
    handlinger->bind("progInformation", [this] { InfoHelp(u"information.html"_qs, u"Velkommen!"_qs); });
    handlinger->tilladUnderHandling("progInformation");
    for (const Infoknap& i : infoknapper) {
        QWidget* w = i.sted == Sted::Panel ? infoPanel
                                           : fane(i.sted == Sted::TopBog ? topBog : Bog, QString::fromUtf16(i.fane));
        if (!w)
            continue;
        const auto placer = [this, i](QWidget* side) {
            auto* k = billedknap(QString::fromUtf16(i.navn), Handlingsbillede::Hjaelp, QString::fromUtf16(i.hint));
            const QString tekst = QString::fromUtf16(i.tekst);
            k->setText(tekst);
            if (!tekst.isEmpty() && i.sted == Sted::TopBog)
                k->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            const QString hjaelp = QString::fromUtf16(i.side), titel = QString::fromUtf16(i.titel);
            connect(k, &QToolButton::clicked, this, [this, hjaelp, titel] { InfoHelp(hjaelp, titel); });
            if (i.sted == Sted::TopBog)
                iRaekken(side, k);
            else
                paaBjaelken(side, k, i.sted == Sted::Bogforan);
        };
        // A page made when first shown gets its button then.
        if (auto* doven = qobject_cast<TDovenSide*>(w))
            doven->naarLavet(placer);
        else
            placer(w);
    }
}

void Tmainform::InfoHelp(const QString& S, const QString& Inf)
{
    if (!infoform)
        infoform = new Tinfoform(this);
    else if (!infoform->showType)
        fokusTab(infoform->CapNavn);
    infoform->show();
    infoform->laegForrest();
    infoform->StatusBar->showMessage(S);
    webSide = S;
    infoform->setWindowTitle(Inf.isEmpty() ? u"Information"_qs : Inf);
    infoform->LoadHjemmeside(S);
}

} // namespace kv

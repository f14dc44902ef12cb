// The controls of the main window and where they sit.
#include "app/Tmainform.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

template <typename W>
W* navngiv(W* w, const QString& navn)
{
    w->setObjectName(navn);
    return w;
}

QTreeWidget* nyStruktur(const QString& navn)
{
    auto* t = navngiv(new QTreeWidget, navn);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setSelectionMode(QAbstractItemView::ExtendedSelection);
    t->setUniformRowHeights(true);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

QTreeWidget* nyKopiliste(const QString& navn)
{
    auto* t = navngiv(new QTreeWidget, navn);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    return t;
}

QWidget* side(std::initializer_list<QWidget*> indhold)
{
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(2, 2, 2, 2);
    for (QWidget* c : indhold)
        l->addWidget(c);
    return w;
}

} // namespace

void Tmainform::byggVindue()
{
    setMinimumSize(970, 650);

    MappeStruktur = nyStruktur(u"MappeStruktur"_qs);
    FilStruktur = nyStruktur(u"FilStruktur"_qs);
    FilStruktur2 = nyStruktur(u"FilStruktur2"_qs);
    Mappeliste = nyKopiliste(u"Mappeliste"_qs);
    Filliste = nyKopiliste(u"Filliste"_qs);
    HistorieListe = navngiv(new QListWidget, u"HistorieListe"_qs);
    favoritliste = navngiv(new QListWidget, u"favoritliste"_qs);
    favfilerListe = navngiv(new QListWidget, u"favfilerListe"_qs);
    mappeBoxen = navngiv(new QListWidget, u"mappeBoxen"_qs);
    filBoxen = navngiv(new QListWidget, u"filBoxen"_qs);

    auto* listePanel = navngiv(side({Mappeliste}), u"listePanel"_qs);
    auto* listePanel2 = navngiv(side({Filliste}), u"listePanel2"_qs);
    listePanel->hide();
    listePanel2->hide();
    auto* BleftPanel = navngiv(side({MappeStruktur, listePanel}), u"BleftPanel"_qs);
    auto* BleftPanel2 = navngiv(side({FilStruktur, listePanel2}), u"BleftPanel2"_qs);

    Bog = navngiv(new QTabWidget, u"Bog"_qs);
    Bog->setUsesScrollButtons(true);
    const std::pair<QWidget*, QString> sider[] = {
        {side({HistorieListe}), u"Besøgte mapper"_qs},
        {side({favoritliste}), u"Favoritmapper"_qs},
        {side({favfilerListe}), u"Favoritfiler"_qs},
        {side({}), u"Programmer"_qs},
        {side({FilStruktur2}), u"Struktur 3"_qs},
        {side({mappeBoxen, filBoxen}), u"Søg efter"_qs},
        {side({}), u"Datoer"_qs},
        {side({}), u"Noter"_qs},
    };
    for (const auto& [w, navn] : sider)
        Bog->addTab(w, navn);
    bogTekstLabel = navngiv(new QLabel(u"Besøgte mapper"_qs), u"bogTekstLabel"_qs);
    auto* BrightPanel = navngiv(side({bogTekstLabel, Bog}), u"BrightPanel"_qs);

    BleftPanel->resize(330, 0);
    auto* krop = new QWidget;
    auto* kolonner = new QHBoxLayout(krop);
    kolonner->setContentsMargins(0, 0, 0, 0);
    kolonner->addWidget(BleftPanel, 330);
    kolonner->addWidget(BleftPanel2, 330);
    kolonner->addWidget(BrightPanel, 286);
    setCentralWidget(krop);

    auto* infobar = navngiv(statusBar(), u"infobar"_qs);
    for (int i = 0; i < 3; ++i) {
        infobarPanel[i] = navngiv(new QLabel, u"infobarPanel%1"_qs.arg(i));
        infobar->addWidget(infobarPanel[i], i == 2 ? 1 : 0);
    }
    infobarPanel[1]->setFrameShape(QFrame::Panel);
    infobarPanel[1]->setFrameShadow(QFrame::Raised);
    infobarPanel[1]->setFixedWidth(4);

    LukProgram = navngiv(new QAction(u"LukProgram"_qs, this), u"LukProgram"_qs);
    LukProgram->setShortcut(QKeySequence(u"Ctrl+Q"_qs));
    LukProgram->setToolTip(u"Lukker programmet: Ctrl+Q"_qs);
    connect(LukProgram, &QAction::triggered, this, &Tmainform::LukProgramExecute);
    addAction(LukProgram);
}

} // namespace kv

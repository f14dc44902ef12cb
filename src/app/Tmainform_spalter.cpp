// The column layout page: widths and visibility of the three columns, the
// heights of the copy-list panels, and the interval the buttons step by.
#include "ui/Handlingsbilleder.h"
#include "app/Tmainform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace kv {

namespace {

struct Graense {
    int min, max;
};
constexpr Graense spalte1{250, 1200}, spalte2{270, 1200}, hoejrePanel{286, 1200}, kopiliste{105, 300};

} // namespace

void Tmainform::saetBredde(QWidget* kolonne, int bredde)
{
    const Graense g = kolonne == BleftPanel ? spalte1 : kolonne == BleftPanel2 ? spalte2 : hoejrePanel;
    kolonne->setFixedWidth(std::clamp(bredde, g.min, g.max));
}

void Tmainform::saetHoejde(QWidget* panel, QLineEdit* felt, int hoejde)
{
    hoejde = std::clamp(hoejde, kopiliste.min, kopiliste.max);
    panel->setFixedHeight(hoejde);
    felt->setText(QString::number(hoejde));
}

void Tmainform::genskabLayout()
{
    setGeometry(483, 71, 971, 902);
    saetBredde(BleftPanel, 330);
    saetBredde(BleftPanel2, 330);
    saetBredde(BrightPanel, 286);
    saetHoejde(listePanel, HojdeMedit, 225);
    saetHoejde(listePanel2, HojdeFedit, 225);
    BleftPanel->show();
    BleftPanel2->show();
    BrightPanel->show();
    infoPanel->hide();
    hpSynligtBox->setChecked(true);
    rpBox->button(0)->setChecked(true);
    placerHoejrePanel();
}

QWidget* Tmainform::byggSpalteside()
{
    idSizeEdit = new QLineEdit(QString::number(idSize));
    HojdeMedit = new QLineEdit;
    HojdeFedit = new QLineEdit;
    for (auto [felt, navn] : {std::pair{idSizeEdit, u"idSizeEdit"}, {HojdeMedit, u"HojdeMedit"}, {HojdeFedit, u"HojdeFedit"}}) {
        felt->setObjectName(QString::fromUtf16(navn));
        felt->setReadOnly(true);
        felt->setFixedWidth(44);
    }

    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(0);

    const auto interval = [this](int trin) {
        idSize = std::clamp(idSize + trin, 1, 99);
        idSizeEdit->setText(QString::number(idSize));
    };
    auto* ned = billedknap(u"idSizeNedKnap"_qs, Handlingsbillede::Ned, QString());
    auto* op = billedknap(u"idSizeOpKnap"_qs, Handlingsbillede::Op, QString());
    connect(ned, &QToolButton::clicked, this, [=] { interval(-1); });
    connect(op, &QToolButton::clicked, this, [=] { interval(1); });
    g->addWidget(new QLabel(u"Interval"_qs), 0, 0);
    g->addWidget(ned, 0, 1);
    g->addWidget(idSizeEdit, 0, 2);
    g->addWidget(op, 0, 3);

    // One row per column: show or hide, narrower, wider.
    struct Raekke { QWidget* kolonne; const char16_t *vis, *visHint, *mindre, *mindreHint, *stoerre, *stoerreHint, *titel; };
    const Raekke raekker[] = {
        {BleftPanel, u"visSpalte1", u"Skjul eller vis mappespalten", u"pilVenstre1", u"Formindsk mappestrukturens bredde",
         u"pilHojre1", u"Forøg mappestrukturens bredde", u"Mappespalte"},
        {BleftPanel2, u"visSpalte2", u"Skjul eller vis filspalten", u"pilVenstre2", u"Formindsk filstrukturens bredde",
         u"pilHojre2", u"Forøg filstrukturens bredde", u"Filspalte"},
        {BrightPanel, u"visSpalte3", u"Skjul eller vis højrespalten", u"pilVenstre3", u"Formindsk højrespaltens bredde",
         u"pilHojre3", u"Forøg højrespaltens bredde", u"Højrespalte"},
    };
    int kol = 5;
    for (const Raekke& r : raekker) {
        auto* vis = billedknap(QString::fromUtf16(r.vis), Handlingsbillede::Situation, QString::fromUtf16(r.visHint));
        auto* mindre = billedknap(QString::fromUtf16(r.mindre), Handlingsbillede::Tilbage, QString::fromUtf16(r.mindreHint));
        auto* stoerre = billedknap(QString::fromUtf16(r.stoerre), Handlingsbillede::Frem, QString::fromUtf16(r.stoerreHint));
        QWidget* kolonne = r.kolonne;
        connect(vis, &QToolButton::clicked, this, [kolonne] { kolonne->setVisible(!kolonne->isVisible()); });
        connect(mindre, &QToolButton::clicked, this, [=, this] { saetBredde(kolonne, kolonne->minimumWidth() - idSize); });
        connect(stoerre, &QToolButton::clicked, this, [=, this] { saetBredde(kolonne, kolonne->minimumWidth() + idSize); });
        g->addWidget(new QLabel(QString::fromUtf16(r.titel)), 0, kol, 1, 3, Qt::AlignCenter);
        g->addWidget(mindre, 1, kol);
        g->addWidget(vis, 1, kol + 1);
        g->addWidget(stoerre, 1, kol + 2);
        kol += 4;
    }

    // The copy-list panels: lower, higher, and the height shown.
    struct Hoejde { QWidget* panel; QLineEdit* felt; const char16_t *ned, *nedHint, *op, *opHint, *titel; };
    const Hoejde hoejder[] = {
        {listePanel, HojdeMedit, u"pilNed1", u"Forminsk kopierings mappelistes højde", u"pilOp1",
         u"Forøg kopierings mappelistes højde", u"Mappeliste"},
        {listePanel2, HojdeFedit, u"pilNed2", u"Forminsk kopierings fillistes højde", u"pilOp2",
         u"Forøg kopierings fillistes højde", u"Filliste"},
    };
    for (const Hoejde& h : hoejder) {
        auto* lavere = billedknap(QString::fromUtf16(h.ned), Handlingsbillede::Ned, QString::fromUtf16(h.nedHint));
        auto* hoejere = billedknap(QString::fromUtf16(h.op), Handlingsbillede::Op, QString::fromUtf16(h.opHint));
        QWidget* panel = h.panel;
        QLineEdit* felt = h.felt;
        connect(lavere, &QToolButton::clicked, this, [=, this] { saetHoejde(panel, felt, panel->minimumHeight() - idSize); });
        connect(hoejere, &QToolButton::clicked, this, [=, this] { saetHoejde(panel, felt, panel->minimumHeight() + idSize); });
        g->addWidget(new QLabel(QString::fromUtf16(h.titel)), 0, kol, 1, 3, Qt::AlignCenter);
        g->addWidget(lavere, 1, kol);
        g->addWidget(felt, 1, kol + 1);
        g->addWidget(hoejere, 1, kol + 2);
        kol += 4;
    }

    auto* genskab = new QPushButton(u"Genskab"_qs);
    genskab->setObjectName(u"genskabKnap"_qs);
    connect(genskab, &QPushButton::clicked, this, &Tmainform::genskabLayout);
    g->addWidget(genskab, 0, kol);
    g->addWidget(new QLabel(u"Genskab oprindelige værdier for spalter og kopilister"_qs), 1, kol);
    g->setColumnStretch(kol + 1, 1);
    return side;
}

} // namespace kv

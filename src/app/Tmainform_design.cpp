// The "Design" page: the visual style, where the right-hand panel's tabs and
// the panel itself sit, the view of the program list, the find-list maximum
// and whether the right-hand panel stays visible beside function windows.
#include "ui/Beskeder.h"
#include "app/Design.h"
#include "ui/Handlingsbilleder.h"
#include "app/Tmainform.h"
#include "ui/Faneraekker.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace kv {

QWidget* Tmainform::byggDesignside()
{
    designBox = new QComboBox;
    designBox->setObjectName(u"designBox"_qs);
    designBox->setToolTip(u"Vælg programdesign"_qs);
    designBox->setStatusTip(designBox->toolTip());
    designBox->addItems(designNavne());
    auto* designGruppe = new QGroupBox(u"Program design"_qs);
    auto* designLayout = new QVBoxLayout(designGruppe);
    designLayout->setContentsMargins(6, 2, 6, 2);
    designLayout->addWidget(designBox);
    designLayout->addStretch();
    connect(designBox, &QComboBox::activated, this, [this](int index) {
        const QString navn = designBox->itemText(index);
        if (navn == designName)
            return;
        if (tc->count() > 0) {
            designBox->setCurrentText(designName);
            visInformation(u"Luk andre funktioner og prøv igen."_qs);
        } else if (anvendDesign(navn)) {
            designName = navn;
        } else {
            designBox->setCurrentText(designName);
            visInformation(u"Der opstod en fejl i designskift."_qs);
        }
    });

    auto [tabGruppe, tab] = radiogruppe(u"tabBox"_qs, u"Højrespaltes tabs"_qs, QString(), {u"Oppe", u"Venstre", u"Højre"});
    auto [progGruppe, prog] = radiogruppe(u"progBox"_qs, u"Programliste"_qs, QString(), {u"Løbende", u"Liste"});
    auto [rpGruppe, rp] = radiogruppe(u"rpBox"_qs, u"Højre panel"_qs,
                                      u"Bestem til hvilen side højre panelet skal placeres"_qs, {u"Venstre", u"Højre"});
    tabBox = tab;
    progBox = prog;
    rpBox = rp;
    connect(tabBox, &QButtonGroup::idClicked, this, [this](int id) {
        static const QTabWidget::TabPosition sider[] = {QTabWidget::North, QTabWidget::West, QTabWidget::East};
        bogFaner->placer(sider[id]);
    });
    connect(progBox, &QButtonGroup::idClicked, this, [this](int id) {
        programBox->setViewMode(id == 0 ? QListView::IconMode : QListView::ListMode);
    });
    connect(rpBox, &QButtonGroup::idClicked, this, &Tmainform::placerHoejrePanel);

    maxFindEdit = new QLineEdit(QString::number(maxElementer));
    maxFindEdit->setObjectName(u"maxFindEdit"_qs);
    maxFindEdit->setReadOnly(true);
    maxFindEdit->setFixedWidth(60);
    auto* ned = billedknap(u"maxNedKnap"_qs, Handlingsbillede::Ned, QString());
    auto* op = billedknap(u"maxOpKnap"_qs, Handlingsbillede::Op, QString());
    const auto skift = [this](int trin) {
        maxElementer = std::clamp(maxElementer + trin, 10, TEgenskaber::maxElementerLoft);
        maxFindEdit->setText(QString::number(maxElementer));
    };
    connect(ned, &QToolButton::clicked, this, [=] { skift(-10); });
    connect(op, &QToolButton::clicked, this, [=] { skift(10); });

    hpSynligtBox = new QCheckBox(u"Bevar højrepanel synligt"_qs);
    hpSynligtBox->setObjectName(u"hpSynligtBox"_qs);
    hpSynligtBox->setToolTip(u"Bevar højrepanel synligt, hvis synligt, når der åbnes andre elementer"_qs);
    hpSynligtBox->setStatusTip(hpSynligtBox->toolTip());
    hpSynligtBox->setChecked(true);

    auto* oevrige = new QWidget;
    auto* g = new QGridLayout(oevrige);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(2);
    g->addWidget(new QLabel(u"Maximum antal elementer i søgelister"_qs), 0, 0, 1, 4);
    g->addWidget(ned, 1, 0);
    g->addWidget(maxFindEdit, 1, 1);
    g->addWidget(op, 1, 2);
    g->addWidget(hpSynligtBox, 2, 0, 1, 4);
    vaertsstiBox = new QCheckBox(u"Vis værtssti"_qs);
    vaertsstiBox->setObjectName(u"vaertsstiBox"_qs);
    vaertsstiBox->setToolTip(u"Vis også systemets egen sti til aktuelle element i statuslinjen"_qs);
    vaertsstiBox->setStatusTip(vaertsstiBox->toolTip());
    g->addWidget(vaertsstiBox, 3, 0, 1, 4);
    g->setColumnStretch(3, 1);

    auto* side = new QWidget;
    auto* l = new QHBoxLayout(side);
    l->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{designGruppe, tabGruppe, progGruppe, rpGruppe, oevrige})
        l->addWidget(w);
    l->addStretch();
    return side;
}

void Tmainform::placerHoejrePanel()
{
    // "Højre" puts the panel at the window's right edge, after the free area.
    auto* kolonner = static_cast<QHBoxLayout*>(BrightPanel->parentWidget()->layout());
    kolonner->removeWidget(BrightPanel);
    kolonner->insertWidget(rpBox->checkedId() == 1 ? 3 : 2, BrightPanel);
}

} // namespace kv

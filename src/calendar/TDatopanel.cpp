#include "calendar/TDatopanel.h"
#include "ui/Funktionsvaert.h"
#include "calendar/Helligdage.h"
#include "platform/Ur.h"
#include "ui/Handlingsbilleder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

const char16_t* const navne[] = {u"Nytårsdag:",      u"Skærtorsdag:", u"Langfredag:",    u"Påskedag:",
                                 u"Anden påskedag:", u"Store bededag:", u"Kristi himmelfartsdag: ", u"Pinsedag:",
                                 u"Anden pinsedag:", u"Juleaften:",   u"Juledag:",       u"Anden juledag:"};
constexpr int storeBededag = 5;
// Store bededag stopped being a public holiday with this year.
constexpr int bededagAfskaffet = 2024;

QToolButton* tekstknap(const QString& navn, const QString& tekst, const QString& hint)
{
    auto* k = new QToolButton;
    k->setObjectName(navn);
    k->setText(tekst);
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setAutoRaise(true);
    return k;
}

QLabel* etiket(const QString& navn, const QString& tekst)
{
    auto* l = new QLabel(tekst);
    l->setObjectName(navn);
    return l;
}

} // namespace

TDatopanel::TDatopanel(Funktionsvaert* hoved) : hoved(hoved)
{
    setObjectName(u"datopanel"_qs);
    infoUr = billedknap(u"infoUr"_qs, Handlingsbillede::Info, u"Information"_qs);
    hdButton = tekstknap(u"hdButton"_qs, u"Helligdage"_qs, u"Vis datoer for helligdage"_qs);
    hdButton->setIcon(handlingsIkon(Handlingsbillede::Kalender));
    hdButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    yearTilbageButton10 = tekstknap(u"yearTilbageButton10"_qs, u"-10"_qs, u"Gå ti år tilbage"_qs);
    yearTilbageButton = tekstknap(u"yearTilbageButton"_qs, u"-1"_qs, u"Gå et år tilbage"_qs);
    yearNuButton = tekstknap(u"yearNuButton"_qs, u"Nu"_qs, u"Gå til nuværende år"_qs);
    yearFremButton = tekstknap(u"yearFremButton"_qs, u"+1"_qs, u"Gå et år frem"_qs);
    yearFremButton10 = tekstknap(u"yearFremButton10"_qs, u"+10"_qs, u"Gå ti år frem"_qs);
    yearEdit = new QLineEdit(QString::number(nu().date().year()));
    yearEdit->setObjectName(u"yearEdit"_qs);
    yearEdit->setReadOnly(true);
    yearEdit->setMaxLength(4);
    yearEdit->setAlignment(Qt::AlignCenter);
    yearEdit->setFixedWidth(52);

    auto* bar = new QToolBar;
    bar->setObjectName(u"urBar"_qs);
    bar->setIconSize(QSize(18, 18));
    bar->addWidget(infoUr);
    bar->addWidget(hdButton);
    auto* aarRaekke = new QHBoxLayout;
    aarRaekke->setSpacing(2);
    aarRaekke->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{yearTilbageButton10, yearTilbageButton, yearEdit, yearFremButton,
                                                      yearFremButton10, yearNuButton})
        aarRaekke->addWidget(w);
    aarRaekke->addStretch();

    klokkenLabel = etiket(u"klokkenLabel"_qs, u"00:00:00"_qs);
    QFont stor = klokkenLabel->font();
    stor.setPointSizeF(stor.pointSizeF() * 2.2);
    stor.setBold(true);
    klokkenLabel->setFont(stor);
    datoLabel = etiket(u"datoLabel"_qs, datolinje(nu().date()));
    QFont fed = datoLabel->font();
    fed.setBold(true);
    datoLabel->setFont(fed);

    auto* tabel = new QGridLayout;
    tabel->setHorizontalSpacing(6);
    // The rows must fit the narrow right-hand column.
    QFont raekkeFont = font();
    raekkeFont.setPointSizeF(raekkeFont.pointSizeF() * 0.9);
    const QString foer[] = {u"01. Januar"_qs, u"24. December"_qs, u"25. December"_qs, u"26. December"_qs};
    for (int i = 0; i < 12; ++i) {
        hdNavne[i] = etiket(u"hdNavn%1"_qs.arg(i), QString::fromUtf16(navne[i]));
        hdLabel[i] = etiket(u"hdLabel%1"_qs.arg(i), i == 0 ? foer[0] : i < 9 ? u"?"_qs : foer[i - 8]);
        hdNavne[i]->setFont(raekkeFont);
        hdLabel[i]->setFont(raekkeFont);
        tabel->addWidget(hdNavne[i], i, 0);
        tabel->addWidget(hdLabel[i], i, 1);
    }
    tabel->setColumnStretch(2, 1);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 2, 4, 4);
    l->addWidget(bar);
    l->addLayout(aarRaekke);
    l->addSpacing(8);
    l->addWidget(klokkenLabel, 0, Qt::AlignHCenter);
    l->addWidget(datoLabel, 0, Qt::AlignHCenter);
    l->addSpacing(12);
    l->addLayout(tabel);
    l->addStretch();

    TimerKlokken = new QTimer(this);
    TimerKlokken->setObjectName(u"TimerKlokken"_qs);
    TimerKlokken->setInterval(1000);
    yearNuButton->setEnabled(false);
    opdaterAarknapper();

    connect(TimerKlokken, &QTimer::timeout, this, &TDatopanel::TimerKlokkenTimer);
    connect(infoUr, &QToolButton::clicked, this, [this] { this->hoved->InfoHelp(u"Ur.html"_qs, u"Datoer"_qs); });
    connect(hdButton, &QToolButton::clicked, this, &TDatopanel::hdButtonClick);
    connect(yearNuButton, &QToolButton::clicked, this, &TDatopanel::yearNuButtonClick);
    for (auto [knap, skridt] : {std::pair{yearTilbageButton10, -10}, {yearTilbageButton, -1}, {yearFremButton, 1},
                                {yearFremButton10, 10}})
        connect(knap, &QToolButton::clicked, this, [this, skridt] { flytAar(skridt); });
}

void TDatopanel::hdButtonClick()
{
    const int aar = yearEdit->text().toInt();
    DatoerCaption = u"Datoer: "_qs + yearEdit->text();
    hoved->saetBogTekst(DatoerCaption);
    const auto datoer = helligdage(aar);
    for (int i = 0; i < 12; ++i)
        hdLabel[i]->setText(datoer[i]);
    // The row stays, with the date it would have had, but greyed.
    const bool afskaffet = aar >= bededagAfskaffet;
    const QString hint = afskaffet ? u"Ikke helligdag fra 2024"_qs : QString();
    for (QLabel* l : {hdNavne[storeBededag], hdLabel[storeBededag]}) {
        l->setEnabled(!afskaffet);
        l->setToolTip(hint);
    }
}

void TDatopanel::flytAar(int skridt)
{
    const int aar = yearEdit->text().toInt() + skridt;
    if (aar < foersteAar || aar > sidsteAar)
        return;
    yearEdit->setText(QString::number(aar));
    yearNuButton->setEnabled(true);
    opdaterAarknapper();
}

void TDatopanel::yearNuButtonClick()
{
    yearEdit->setText(QString::number(nu().date().year()));
    yearNuButton->setEnabled(false);
    opdaterAarknapper();
}

void TDatopanel::opdaterAarknapper()
{
    // A step that would leave the years shown is not offered.
    const int aar = yearEdit->text().toInt();
    yearTilbageButton10->setEnabled(aar - 10 >= foersteAar);
    yearTilbageButton->setEnabled(aar - 1 >= foersteAar);
    yearFremButton->setEnabled(aar + 1 <= sidsteAar);
    yearFremButton10->setEnabled(aar + 10 <= sidsteAar);
}

void TDatopanel::TimerKlokkenTimer()
{
    const QDateTime tid = nu();
    klokkenLabel->setText(tid.time().toString(u"HH:mm:ss"_qs));
    if (tid.date() != m_vistDato) {
        m_vistDato = tid.date();
        datoLabel->setText(datolinje(m_vistDato));
    }
}

void TDatopanel::vist(bool synlig)
{
    if (!synlig)
        return TimerKlokken->stop();
    m_vistDato = QDate();
    TimerKlokkenTimer();
    TimerKlokken->start();
}

} // namespace kv

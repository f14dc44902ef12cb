// The page "Datoforskelle": two calendars and the difference between their
// dates, computed by the installed script datediff.vbs.
#include "ui/Funktionsvaert.h"
#include "calendar/Tkalenderform.h"
#include "platform/FileSystem.h"
#include "platform/Skal.h"
#include "platform/TextFile.h"
#include "platform/Ur.h"
#include "ui/Beskeder.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

namespace {

// How long the script may take before we stop waiting: ticks of one second.
constexpr int maksTik = 10;

QString datotekst(QLineEdit* d, QLineEdit* m, QLineEdit* y)
{
    return d->text() + u'-' + m->text() + u'-' + y->text();
}

} // namespace

QWidget* Tkalenderform::byggDatovaelger(int n, QCalendarWidget*& k, QLineEdit*& d, QLineEdit*& m, QLineEdit*& y,
                                        QPushButton*& idag, QPushButton*& opdater)
{
    const QString nr = QString::number(n);
    d = talfelt(u"day"_qs + nr + u"Edit"_qs, 2, u"Dag"_qs);
    m = talfelt(u"month"_qs + nr + u"Edit"_qs, 2, u"Måned"_qs);
    y = talfelt(u"year"_qs + nr + u"Edit"_qs, 4, u"År"_qs);
    opdater = knap(u"opdater"_qs + nr + u"Knap"_qs, u"Opdater"_qs, u"Opdater kalenderen til indførte dato"_qs);
    idag = knap(u"dato"_qs + nr + u"Label"_qs, u"I dag: "_qs, u"Gå til i dag"_qs);
    k = new QCalendarWidget;
    k->setObjectName(u"kalender"_qs + nr);
    k->setFirstDayOfWeek(Qt::Monday);
    k->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    k->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    k->setGridVisible(true);

    auto* side = new QWidget;
    auto* l = new QVBoxLayout(side);
    l->setContentsMargins(0, 0, 0, 0);
    auto* trin = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{d, m, y, opdater})
        trin->addWidget(w);
    trin->addStretch();
    const auto skridt = [&, k](const QString& navn, const QString& tekst, const QString& hint, auto flyt) {
        auto* b = knap(navn + nr, tekst, hint);
        b->setFixedWidth(28);
        connect(b, &QPushButton::clicked, this, [k, flyt] { gaaTil(k, flyt(k->selectedDate())); });
        trin->addWidget(b);
    };
    trin->addWidget(new QLabel(u"Måned"_qs));
    skridt(u"mPrev"_qs, u"<"_qs, u"Foregående måned"_qs, [](QDate x) { return x.addMonths(-1); });
    skridt(u"mNext"_qs, u">"_qs, u"Næste måned"_qs, [](QDate x) { return x.addMonths(1); });
    trin->addSpacing(8);
    trin->addWidget(new QLabel(u"År"_qs));
    skridt(u"yPrev"_qs, u"<"_qs, u"Foregående år"_qs, [](QDate x) { return x.addYears(-1); });
    skridt(u"yNext"_qs, u">"_qs, u"Næste år"_qs, [](QDate x) { return x.addYears(1); });
    trin->addStretch();
    l->addLayout(trin);
    l->addWidget(k, 1);
    l->addWidget(idag, 0, Qt::AlignLeft);

    connect(k, &QCalendarWidget::selectionChanged, this, [k, d, m, y] {
        const QDate dato = k->selectedDate();
        d->setText(QString::number(dato.day()));
        m->setText(QString::number(dato.month()));
        y->setText(QString::number(dato.year()));
    });
    connect(idag, &QPushButton::clicked, this, [k] { gaaTil(k, nu().date()); });
    connect(opdater, &QPushButton::clicked, this, [k, d, m, y] { Tkalenderform::opdater(d, m, y, k); });
    gaaTil(k, nu().date());
    emit k->selectionChanged();
    return side;
}

QWidget* Tkalenderform::byggDatoforskelside()
{
    auto* side = new QWidget;
    auto* l = new QVBoxLayout(side);
    // One calendar above the other: the window is narrow.
    l->addWidget(byggDatovaelger(1, kalender1, day1Edit, month1Edit, year1Edit, dato1Label, opdater1Knap), 1);
    l->addSpacing(6);
    l->addWidget(byggDatovaelger(2, kalender2, day2Edit, month2Edit, year2Edit, dato2Label, opdater2Knap), 1);

    beregnKnap = knap(u"beregnKnap"_qs, u"Beregn"_qs, u"Beregn forskellen mellem de to datoer"_qs);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(u"Edit1"_qs);
    Edit2 = new QLineEdit;
    Edit2->setObjectName(u"Edit2"_qs);
    auto* resultat = new QGridLayout;
    resultat->addWidget(beregnKnap, 0, 0, 2, 1, Qt::AlignTop);
    resultat->addWidget(new QLabel(u"Forskel (år, måneder samt dage)"_qs), 0, 1);
    resultat->addWidget(Edit1, 0, 2);
    resultat->addWidget(new QLabel(u"Forskel (dage ialt)"_qs), 1, 1);
    resultat->addWidget(Edit2, 1, 2);
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setReadOnly(true);
        e->setMinimumWidth(220);
    }
    l->addSpacing(8);
    l->addLayout(resultat);

    scriptTimer = new QTimer(this);
    scriptTimer->setObjectName(u"scriptTimer"_qs);
    scriptTimer->setInterval(1000);
    connect(scriptTimer, &QTimer::timeout, this, &Tkalenderform::scriptTimerTimer);
    connect(beregnKnap, &QPushButton::clicked, this, &Tkalenderform::beregnKnapClick);
    return side;
}

QString Tkalenderform::datediffFil() const
{
    return hoved->stier().OptMappe + u"\\datediff.txt"_qs;
}

void Tkalenderform::beregnKnapClick()
{
    Edit1->clear();
    Edit2->clear();
    scriptTimer->stop();
    const QString script = hoved->stier().scriptDir + u"datediff.vbs"_qs;
    if (!fileExists(script))
        return visInformation(u"Der mangler en fil!"_qs);
    if (!skrevetDato(day1Edit, month1Edit, year1Edit).isValid() || !skrevetDato(day2Edit, month2Edit, year2Edit).isValid())
        return;
    // An old result would be read as the new one at the first tick.
    const QString fil = datediffFil();
    QString fejl;
    if (fileExists(fil) && !removeFile(fil, &fejl))
        return visFejl(fejl);
    const int svar = Skal::instance().startProgram({u"/bin/sh"_qs, Skal::argument(script), Skal::argument(fil),
                                                    datotekst(day1Edit, month1Edit, year1Edit),
                                                    datotekst(day2Edit, month2Edit, year2Edit)},
                                                   QString());
    if (svar <= 32)
        return hoved->ErrorInfo(svar);
    m_tik = 0;
    scriptTimer->start();
}

void Tkalenderform::scriptTimerTimer()
{
    if (!scriptTimer->isActive())
        return;
    const QString fil = datediffFil();
    if (!fileExists(fil)) {
        if (++m_tik < maksTik)
            return;
        scriptTimer->stop();
        return visInformation(u"Datoforskellen blev ikke beregnet:\rscriptet datediff.vbs gav intet svar."_qs);
    }
    scriptTimer->stop();
    const auto linjer = readTextLines(fil);
    if (!linjer || linjer->size() < 4)
        return visInformation(u"Datoforskellen blev ikke beregnet:\rdatediff.txt er ufuldstændig."_qs);
    const QStringList& l = *linjer;
    Edit1->setText(l[0] + u" år, "_qs + l[1] + (l[1] == u"1"_qs ? u" måned samt "_qs : u" måneder samt "_qs) + l[2]
                   + (l[2] == u"1"_qs ? u" dag."_qs : u" dage."_qs));
    Edit2->setText(l[3] + u" dage ialt."_qs);
}

} // namespace kv

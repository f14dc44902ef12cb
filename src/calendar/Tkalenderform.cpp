#include "calendar/Tkalenderform.h"
#include "platform/ProgramPath.h"
#include "calendar/Alarmlyde.h"
#include "calendar/Helligdage.h"
#include "calendar/TAlarmplan.h"
#include "ui/Beskeder.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "ui/Tekstmenu.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Ur.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTextCharFormat>
#include <QTimer>
#include <algorithm>
#include <tuple>

namespace kv {

namespace {

const QString memoFormat = u"dd-MM-yyyy"_qs;

QString tocifre(int n) { return QString::number(n).rightJustified(2, u'0'); }

// "7a" gives 7, "-3" gives -3, no digit at all gives 0.
void renset(QLineEdit* felt)
{
    const QString t = felt->text().trimmed();
    QString cifre;
    for (QChar c : t)
        if (c >= u'0' && c <= u'9')
            cifre += c;
    const int n = (t.startsWith(u'-') ? -1 : 1) * cifre.left(9).toInt();
    felt->setText(QString::number(n));
}

} // namespace

QPushButton* Tkalenderform::knap(const QString& navn, const QString& tekst, const QString& hint)
{
    auto* k = new QPushButton(tekst);
    k->setObjectName(navn);
    k->setToolTip(hint);
    return k;
}

QLineEdit* Tkalenderform::talfelt(const QString& navn, int cifre, const QString& hint)
{
    auto* e = new QLineEdit;
    e->setObjectName(navn);
    e->setToolTip(hint);
    e->setMaxLength(cifre);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_qs), e));
    e->setFixedWidth(cifre * 12 + 14);
    return e;
}

Tkalenderform::Tkalenderform(Funktionsvaert* hoved) : TFunktionsform(hoved, 2, QString::fromUtf16(funktion(2).navn))
{
    setObjectName(u"kalenderform"_qs);
    optFilnavnKalender = hoved->stier().OptMappe + u"\\kalender.txt"_qs;
    // A damaged file gives the first sound.
    if (const auto l = readTextLines(optFilnavnKalender); l && !l->isEmpty()) {
        bool ok = false;
        const int i = l->front().trimmed().toInt(&ok);
        alarmLydIndex = ok && i >= 0 && i < 13 ? i : 0;
    }
    bog = new QTabWidget;
    bog->setObjectName(u"bog"_qs);
    bog->addTab(byggKalenderside(), u"Kalender"_qs);
    bog->addTab(byggAlarmside(), u"Alarmer"_qs);
    bog->addTab(byggNyAlarmside(), u"Ny alarm"_qs);
    bog->addTab(byggDatoforskelside(), u"Datoforskelle"_qs);
    ButtonLuk = knap(u"ButtonLuk"_qs, u"&Luk"_qs, u"Luk kalender"_qs);
    connect(ButtonLuk, &QPushButton::clicked, this, &QWidget::close);
    auto* fod = new QHBoxLayout;
    for (auto [navn, tekst, side] : {std::tuple{u"ButtonInfo", u"&Information", u"Kalender.html"},
                                     std::tuple{u"infButtonKal", u"Kalender", u"Kalender.html"},
                                     std::tuple{u"infButtonAla", u"Alarmer", u"Alarmer.html"}}) {
        auto* k = knap(QString::fromUtf16(navn), QString::fromUtf16(tekst), QString());
        const QString fil = QString::fromUtf16(side);
        connect(k, &QPushButton::clicked, this,
                [this, fil] { this->hoved->InfoHelp(fil, fil.chopped(5)); });
        fod->addWidget(k);
    }
    fod->addStretch();
    fod->addWidget(ButtonLuk);
    auto* l = new QVBoxLayout(this);
    l->addWidget(bog);
    l->addLayout(fod);

    // As on first show: today, the remembered sound, the pending alarms.
    idagTimer = new QTimer(this);
    idagTimer->setSingleShot(true);
    connect(idagTimer, &QTimer::timeout, this, &Tkalenderform::visIdag);
    visIdag();
    gaaTil(nu().date());
    kalenderChange();
    visNotatdage();
    sbNyAlarmClick();
    EditYear->setText(u"0000"_qs), EditMonth->setText(u"00"_qs), EditDay->setText(u"00"_qs);
    sbUdskrivAktiveClick();
    // The pending alarms are shown as they are: a save, a ring or a new day changes them.
    if (TAlarmplan* plan = hoved->alarmer())
        connect(plan, &TAlarmplan::aendret, this, [this] {
            if (m_visAktive)
                sbUdskrivAktiveClick();
        });
}

Tkalenderform::~Tkalenderform()
{
    // A test of a sound still playing ends with the window.
    Alarmlyde::instance().stop(this);
}

void Tkalenderform::visIdag()
{
    const QDateTime n = nu();
    datoLabel->setText(u"I dag: "_qs + n.date().toString(memoFormat));
    for (QPushButton* k : {dato1Label, dato2Label})
        k->setText(datoLabel->text());
    // Just after midnight, and at least every minute: a timer runs late over
    // a machine's sleep, and the clock may be set.
    const qint64 tilMidnat = n.msecsTo(QDateTime(n.date().addDays(1), QTime(0, 0)));
    idagTimer->start(int(std::clamp<qint64>(tilMidnat + 50, 50, 60'000)));
}

bool Tkalenderform::filhandlingKoerer() const
{
    if (!hoved->optaget())
        return false;
    hoved->UdskrivInfo(u"Der kopieres eller slettes stadig. Prøv igen, når det er færdigt."_qs);
    return true;
}

QWidget* Tkalenderform::byggKalenderside()
{
    auto* side = new QWidget;
    auto* l = new QVBoxLayout(side);
    const auto raekke = [l](std::initializer_list<QWidget*> felter, bool strak = true) {
        auto* h = new QHBoxLayout;
        for (QWidget* w : felter)
            w ? h->addWidget(w) : h->addStretch();
        if (strak)
            h->addStretch();
        l->addLayout(h);
    };
    mappeEdit = new QLineEdit(hoved->kalenderMappe());
    mappeEdit->setObjectName(u"mappeEdit"_qs);
    mappeEdit->setReadOnly(true);
    InsertMappeButton = knap(u"InsertMappeButton"_qs, u"Indsæt aktuelle"_qs, u"Vælg aktuelle mappe som kalendermappe"_qs);
    visDatomappe = knap(u"visDatomappe"_qs, u"Vis"_qs, u"Vis kalendermappe"_qs);
    raekke({new QLabel(u"Kalendermappe "_qs), mappeEdit, InsertMappeButton, visDatomappe}, false);

    dayEdit = talfelt(u"dayEdit"_qs, 2, u"Dag"_qs);
    monthEdit = talfelt(u"monthEdit"_qs, 2, u"Måned"_qs);
    yearEdit = talfelt(u"yearEdit"_qs, 4, u"År"_qs);
    opdaterKnap = knap(u"opdaterKnap"_qs, u"Opdater"_qs, u"Opdater kalenderen til indførte dato"_qs);
    mPrev = knap(u"mPrev"_qs, u"<"_qs, u"Foregående måned"_qs);
    mNext = knap(u"mNext"_qs, u">"_qs, u"Næste måned"_qs);
    yPrev = knap(u"yPrev"_qs, u"<"_qs, u"Foregående år"_qs);
    yNext = knap(u"yNext"_qs, u">"_qs, u"Næste år"_qs);
    for (QPushButton* k : {mPrev, mNext, yPrev, yNext})
        k->setFixedWidth(28);
    raekke({dayEdit, monthEdit, yearEdit, opdaterKnap, nullptr, new QLabel(u"Måned"_qs), mPrev, mNext,
            new QLabel(u"År"_qs), yPrev, yNext}, false);

    kalender = new QCalendarWidget;
    kalender->setObjectName(u"kalender"_qs);
    kalender->setFirstDayOfWeek(Qt::Monday);
    kalender->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    kalender->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    kalender->setGridVisible(true);
    kalender->setMinimumHeight(200);
    l->addWidget(kalender, 3);
    datoLabel = knap(u"datoLabel"_qs, u"I dag: "_qs, u"Gå til i dag"_qs);
    ButtonOpretMappe = knap(u"ButtonOpretMappe"_qs, u"Opret mappe"_qs,
                            u"Opret mappe til datorelaterede filer for valgte dato"_qs);
    raekke({datoLabel, nullptr, ButtonOpretMappe}, false);

    l->addWidget(new QLabel(u"Dagens notater"_qs));
    notatMemo = new QPlainTextEdit;
    notatMemo->setObjectName(u"notatMemo"_qs);
    saetTekstmenu(notatMemo);
    l->addWidget(notatMemo, 2);
    gemNotatKnap = knap(u"gemNotatKnap"_qs, u"Gem"_qs, u"Gem dagens notater"_qs);
    sletNotatKnap = knap(u"sletNotatKnap"_qs, u"Slet"_qs, u"Slet dagens notater"_qs);
    visNotatmappe = knap(u"visNotatmappe"_qs, u"Notatmappe"_qs, u"Åben notatmappen"_qs);
    raekke({gemNotatKnap, sletNotatKnap, nullptr, visNotatmappe}, false);

    connect(kalender, &QCalendarWidget::selectionChanged, this, &Tkalenderform::kalenderChange);
    connect(kalender, &QCalendarWidget::currentPageChanged, this, &Tkalenderform::visNotatdage);
    connect(opdaterKnap, &QPushButton::clicked, this, &Tkalenderform::opdaterKnapClick);
    connect(mPrev, &QPushButton::clicked, this, [this] { gaaTil(kalender->selectedDate().addMonths(-1)); });
    connect(mNext, &QPushButton::clicked, this, [this] { gaaTil(kalender->selectedDate().addMonths(1)); });
    connect(yPrev, &QPushButton::clicked, this, [this] { gaaTil(kalender->selectedDate().addYears(-1)); });
    connect(yNext, &QPushButton::clicked, this, [this] { gaaTil(kalender->selectedDate().addYears(1)); });
    connect(datoLabel, &QPushButton::clicked, this, [this] { gaaTil(nu().date()); });
    connect(ButtonOpretMappe, &QPushButton::clicked, this, &Tkalenderform::opretMappe);
    connect(gemNotatKnap, &QPushButton::clicked, this, &Tkalenderform::aMemoGem);
    connect(sletNotatKnap, &QPushButton::clicked, this, &Tkalenderform::aMemoSlet);
    connect(notatMemo, &QPlainTextEdit::modificationChanged, gemNotatKnap, &QWidget::setEnabled);
    connect(InsertMappeButton, &QPushButton::clicked, this, [this] {
        const QString sti = this->hoved->stiFelt();
        if (sti.isEmpty())
            return visInformation(u"Der skal være valgt en mappe."_qs);
        mappeEdit->setText(sti);
        this->hoved->saetKalenderMappe(sti);
    });
    connect(visDatomappe, &QPushButton::clicked, this, [this] {
        if (!filhandlingKoerer())
            visMappe(this->hoved->kalenderMappe());
    });
    connect(visNotatmappe, &QPushButton::clicked, this, [this] {
        if (filhandlingKoerer())
            return;
        if (!createFolder(this->hoved->stier().brugerNotatMappe))
            return visInformation(u"Der opstod en fejl.\rVigtige mapper er muligvist blevet slettet."_qs);
        visMappe(this->hoved->stier().brugerNotatMappe);
    });
    return side;
}

QString Tkalenderform::memoFil(const QDate& dato) const
{
    return hoved->stier().brugerNotatMappe + u'\\' + dato.toString(memoFormat) + u".txt"_qs;
}

QString Tkalenderform::maanedsmappe(const QDate& dato)
{
    return tocifre(dato.month()) + maanedstekst(dato.month());
}

QString Tkalenderform::dagsmappe(const QDate& dato)
{
    return tocifre(dato.day()) + u' ' + ugedagstekst(dato.dayOfWeek()).chopped(1);
}

void Tkalenderform::visMappe(const QString& mappe)
{
    hoved->visIStruktur2(mappe, false);
}

void Tkalenderform::gaaTil(const QDate& dato)
{
    gaaTil(kalender, dato);
}

void Tkalenderform::gaaTil(QCalendarWidget* k, const QDate& dato)
{
    // The page first: a day that is refused puts its own page back.
    k->setCurrentPage(dato.year(), dato.month());
    k->setSelectedDate(dato);
}

void Tkalenderform::visNotatdage()
{
    // Days with a memo are bold: one listing of the memo folder per month shown.
    kalender->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat fed;
    fed.setFontWeight(QFont::Bold);
    const auto indhold = listFolder(hoved->stier().brugerNotatMappe);
    // "dd-MM-yyyy.txt" of the month shown.
    const QString maaned = u'-' + tocifre(kalender->monthShown()) + u'-' + QString::number(kalender->yearShown())
                           + u".txt"_qs;
    for (const DirEntry& e : indhold ? *indhold : std::vector<DirEntry>{}) {
        if (e.name.size() != maaned.size() + 2 || !e.name.endsWith(maaned))
            continue;
        const QDate d(kalender->yearShown(), kalender->monthShown(), e.name.left(2).toInt());
        if (d.isValid())
            kalender->setDateTextFormat(d, fed);
    }
}

void Tkalenderform::kalenderChange()
{
    const QDate dato = kalender->selectedDate();
    if (dato == m_dato)
        return;
    // While a paste or delete has the structures no day is chosen, and a
    // memo that could not be saved stays with its own day.
    if (m_dato.isValid() && (filhandlingKoerer() || !gemAendretNotat())) {
        gaaTil(kalender, m_dato);
        return;
    }
    // Opening the calendar leaves Struktur 2 where the user is, unless the
    // user chose a calendar folder of their own.
    const bool flyt = m_dato.isValid()
                      || !sameTextAZ(hoved->kalenderMappe(), hoved->stier().standardKalenderMappe);
    m_dato = dato;
    // The deepest date folder that exists, or the calendar folder itself.
    QString mappe = hoved->kalenderMappe();
    for (const QString& del : {QString::number(dato.year()), maanedsmappe(dato), dagsmappe(dato)}) {
        if (!folderExists(mappe + u'\\' + del))
            break;
        mappe += u'\\' + del;
    }
    // Stepping through days mostly lands on the folder already shown.
    if (flyt && !hoved->optaget() && hoved->struktur2Mappe() != mappe)
        visMappe(mappe);
    const auto linjer = readTextLines(memoFil(dato));
    notatMemo->setPlainText(linjer ? linjer->join(u'\n') : QString());
    memoFilename = linjer ? memoFil(dato) : QString();
    notatMemo->document()->setModified(false);
    gemNotatKnap->setEnabled(false);
    sletNotatKnap->setEnabled(!memoFilename.isEmpty());
    dayEdit->setText(QString::number(dato.day()));
    monthEdit->setText(QString::number(dato.month()));
    yearEdit->setText(QString::number(dato.year()));
}

bool Tkalenderform::gemAendretNotat()
{
    if (!notatMemo->document()->isModified() || !m_dato.isValid()
        || !spmForm().spoerg({u"Notatet for "_qs + m_dato.toString(memoFormat) + u" er ændret."_qs,
                              u"Skal ændringerne gemmes?"_qs}))
        return true;
    if (!skrivNotat(m_dato))
        return false;
    notatMemo->document()->setModified(false);
    return true;
}

QStringList Tkalenderform::ugemt() const
{
    QStringList linjer;
    if (notatMemo->document()->isModified() && m_dato.isValid())
        linjer << u"Notatet for "_qs + m_dato.toString(memoFormat) + u" er ændret."_qs;
    if (alarmUgemt())
        linjer << u"Alarmen der redigeres er ikke gemt."_qs;
    return linjer;
}

bool Tkalenderform::gemUgemt()
{
    if (notatMemo->document()->isModified() && m_dato.isValid()) {
        if (!skrivNotat(m_dato))
            return false;
        notatMemo->document()->setModified(false);
    }
    if (alarmUgemt()) {
        if (!gemAlarm())
            return false;
        hoved->hentAlarmer();
    }
    return true;
}

bool Tkalenderform::alarmUgemt() const
{
    // A choice of type or sound alone is no work to lose; a heading or a text is.
    return sbGemAlarm->isEnabled() && !(EditOverskrift->text().isEmpty() && alarmMemo->toPlainText().isEmpty());
}

void Tkalenderform::kasserUgemt()
{
    notatMemo->document()->setModified(false);
    sbGemAlarm->setEnabled(false);
}

void Tkalenderform::opdaterKnapClick()
{
    opdater(dayEdit, monthEdit, yearEdit, kalender);
}

QDate Tkalenderform::skrevetDato(QLineEdit* d, QLineEdit* m, QLineEdit* y)
{
    const int aar = y->text().toInt();
    const QDate dato(aar, m->text().toInt(), d->text().toInt());
    if (aar >= 1 && dato.isValid())
        return dato;
    visInformation(u"Datoen findes ikke.\rSkriv dag, måned og år for en rigtig dato."_qs);
    return {};
}

void Tkalenderform::opdater(QLineEdit* d, QLineEdit* m, QLineEdit* y, QCalendarWidget* k)
{
    for (QLineEdit* felt : {d, m, y})
        renset(felt);
    // The whole date or nothing.
    if (const QDate dato = skrevetDato(d, m, y); dato.isValid())
        gaaTil(k, dato);
}

void Tkalenderform::opretMappe()
{
    if (filhandlingKoerer())
        return;
    const QDate dato = kalender->selectedDate();
    const QString rod = hoved->kalenderMappe();
    const QString aar = rod + u'\\' + QString::number(dato.year());
    const QString maaned = aar + u'\\' + maanedsmappe(dato);
    const QString dag = maaned + u'\\' + dagsmappe(dato);
    QString fejl;
    if (!createFolder(dag, &fejl))
        return visFejl(fejl);
    QStringList liste{rod.left(2), rod, aar, maaned, dag};
    hoved->visListeIStruktur2(liste);
    visMappe(dag);
}

bool Tkalenderform::skrivNotat(const QDate& dato)
{
    QString fejl;
    createFolder(hoved->stier().brugerNotatMappe);
    if (writeTextLines(memoFil(dato), notatMemo->toPlainText().split(u'\n'), &fejl))
        return true;
    visFejl(fejl);
    return false;
}

void Tkalenderform::aMemoGem()
{
    const QString fil = memoFil(kalender->selectedDate());
    if (!skrivNotat(kalender->selectedDate()))
        return;
    notatMemo->document()->setModified(false);
    memoFilename = fil;
    sletNotatKnap->setEnabled(true);
    visNotatdage();
}

void Tkalenderform::aMemoSlet()
{
    if (!spmForm().spoerg({u"Skal dagens notater"_qs, kalender->selectedDate().toString(memoFormat), u"slettes?"_qs}))
        return;
    QString fejl;
    const QString fil = memoFil(kalender->selectedDate());
    if (fileExists(fil) && !removeFile(fil, &fejl))
        return visFejl(fejl);
    notatMemo->clear();
    notatMemo->document()->setModified(false);
    memoFilename.clear();
    sletNotatKnap->setEnabled(false);
    visNotatdage();
}

void Tkalenderform::closeEvent(QCloseEvent* event)
{
    if (!gemAendretNotat()) {
        event->ignore();
        return;
    }
    // Answered: a memo not saved now goes with the window.
    notatMemo->document()->setModified(false);
    writeTextLines(optFilnavnKalender, {QString::number(alarmLydIndex)});
    TFunktionsform::closeEvent(event);
}

} // namespace kv

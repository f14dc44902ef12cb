// The pages "Alarmer" and "Ny alarm" of the calendar window.
#include "calendar/Alarmlyde.h"
#include "ui/Beskeder.h"
#include "ui/Programfiler.h"
#include "ui/Funktionsvaert.h"
#include "calendar/TAlarmplan.h"
#include "calendar/Tkalenderform.h"
#include "ui/TspmForm.h"
#include "ui/UpDown.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Ur.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace kv {

namespace {

// One picture per kind of alarm: a coloured dot.
QIcon artBillede(int alarmtype)
{
    static const QColor farver[] = {QColor(0x2f, 0x7d, 0xc4), QColor(0xd0, 0x8a, 0x1e), QColor(0x3a, 0x9a, 0x4a)};
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(farver[qBound(0, alarmtype, 2)]);
    p.drawEllipse(QRectF(1, 1, 10, 10));
    return QIcon(pm);
}

QString datoTekst(const TAlarmRecord& a)
{
    switch (a.alarmtype) {
    case 0: return u"Daglig"_qs;
    case 1: return a.dagS + u'-' + a.maanedS + u'-' + a.aarS;
    default: return u"Dag: "_qs + a.dagS + u'-' + a.maanedS;
    }
}

} // namespace

QWidget* Tkalenderform::byggAlarmside()
{
    auto* side = new QWidget;
    auto* l = new QVBoxLayout(side);
    LabelOverskrift = new QLabel;
    LabelOverskrift->setObjectName(u"LabelOverskrift"_qs);
    alarmBox = new QTreeWidget;
    alarmBox->setObjectName(u"alarmBox"_qs);
    alarmBox->setHeaderLabels({u"*"_qs, u"Dato"_qs, u"Klokken"_qs, u"Overskrift"_qs});
    alarmBox->setRootIsDecorated(false);
    alarmBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    alarmBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    alarmBox->header()->resizeSection(0, 30);
    alarmBox->header()->resizeSection(1, 110);
    sbUdskrivAktive = knap(u"sbUdskrivAktive"_qs, u"Vis aktive"_qs, u"Vis aktive alarmer"_qs);
    sbUdskrivAlle = knap(u"sbUdskrivAlle"_qs, u"Vis alle"_qs, u"Vis alle alarmer"_qs);
    sbSletValgte = knap(u"sbSletValgte"_qs, u"Slet"_qs, u"Slet valgte alarm"_qs);
    sbRedigerValgte = knap(u"sbRedigerValgte"_qs, u"Rediger"_qs, u"Rediger valgte alarm"_qs);
    auto* knapper = new QHBoxLayout;
    for (QPushButton* k : {sbUdskrivAktive, sbUdskrivAlle, sbSletValgte, sbRedigerValgte})
        knapper->addWidget(k);
    knapper->addStretch();
    l->addWidget(LabelOverskrift);
    l->addWidget(alarmBox, 1);
    l->addLayout(knapper);
    connect(sbUdskrivAktive, &QPushButton::clicked, this, &Tkalenderform::sbUdskrivAktiveClick);
    connect(sbUdskrivAlle, &QPushButton::clicked, this, &Tkalenderform::sbUdskrivAlleClick);
    connect(sbSletValgte, &QPushButton::clicked, this, &Tkalenderform::sbSletValgteClick);
    connect(sbRedigerValgte, &QPushButton::clicked, this, &Tkalenderform::sbRedigerValgteClick);
    return side;
}

QWidget* Tkalenderform::byggNyAlarmside()
{
    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    alarmtypeValg = new QButtonGroup(side);
    alarmtypeValg->setObjectName(u"alarmtypeValg"_qs);
    auto* typer = new QHBoxLayout;
    int i = 0;
    for (const QString& t : {u"Daglig"_qs, u"Dato"_qs, u"Gentaget"_qs}) {
        auto* r = new QRadioButton(t);
        alarmtypeValg->addButton(r, i++);
        typer->addWidget(r);
    }
    alarmtypeValg->button(0)->setChecked(true);
    g->addLayout(typer, 0, 0, 1, 2);
    EditYear = talfelt(u"EditYear"_qs, 4, u"År"_qs);
    EditMonth = talfelt(u"EditMonth"_qs, 2, u"Måned"_qs);
    EditDay = talfelt(u"EditDay"_qs, 2, u"Dag"_qs);
    EditTime = talfelt(u"EditTime"_qs, 2, u"Time"_qs);
    EditMinut = talfelt(u"EditMinut"_qs, 2, u"Minut"_qs);
    EditGentagelse = talfelt(u"EditGentagelse"_qs, 2, u"Antal gange lyden spilles (1-16)"_qs);
    UpDownGentagelse = new UpDown(EditGentagelse, 1, 16);
    UpDownGentagelse->setObjectName(u"UpDown"_qs);
    EditOverskrift = new QLineEdit;
    EditOverskrift->setObjectName(u"EditOverskrift"_qs);
    EditOverskrift->setMaxLength(maxOverskrift);
    cbLydfiler = new QComboBox;
    cbLydfiler->setObjectName(u"cbLydfiler"_qs);
    cbLydfiler->addItems(programfiler::alarmlyde);
    cbLydfiler->setMaxVisibleItems(13);
    sbSide4Play = knap(u"sbSide4Play"_qs, u"Test"_qs, u"Test alarmen"_qs);
    const auto raekke = [g](int r, const QString& navn, std::initializer_list<QWidget*> felter) {
        g->addWidget(new QLabel(navn), r, 0);
        auto* h = new QHBoxLayout;
        for (QWidget* w : felter)
            h->addWidget(w);
        h->addStretch();
        g->addLayout(h, r, 1);
    };
    raekke(1, u"Dato (år, måned, dag)"_qs, {EditYear, EditMonth, EditDay});
    raekke(2, u"Klokken (time, minut)"_qs, {EditTime, EditMinut});
    raekke(3, u"Lyd"_qs, {cbLydfiler, sbSide4Play});
    // The arrows sit against their edit.
    auto* gentagelse = new QWidget;
    auto* gl = new QHBoxLayout(gentagelse);
    gl->setContentsMargins(0, 0, 0, 0);
    gl->setSpacing(1);
    gl->addWidget(EditGentagelse);
    gl->addWidget(UpDownGentagelse);
    raekke(4, u"Gentagelse"_qs, {gentagelse});
    g->addWidget(new QLabel(u"Overskrift"_qs), 5, 0);
    g->addWidget(EditOverskrift, 5, 1);
    alarmMemo = new QPlainTextEdit;
    alarmMemo->setObjectName(u"alarmMemo"_qs);
    g->addWidget(new QLabel(u"Tekst"_qs), 6, 0);
    g->addWidget(alarmMemo, 7, 0, 1, 2);
    sbGemAlarm = knap(u"sbGemAlarm"_qs, u"Gem"_qs, u"Gem alarmen"_qs);
    sbNyAlarm = knap(u"sbNyAlarm"_qs, u"Ny"_qs, u"Ny alarm"_qs);
    auto* knapper = new QHBoxLayout;
    knapper->addWidget(sbGemAlarm), knapper->addWidget(sbNyAlarm);
    knapper->addStretch();
    g->addLayout(knapper, 8, 0, 1, 2);
    g->setRowStretch(7, 1);
    cbLydfiler->setCurrentIndex(alarmLydIndex);

    connect(alarmtypeValg, &QButtonGroup::idClicked, this, &Tkalenderform::alarmtypeValgClick);
    connect(sbNyAlarm, &QPushButton::clicked, this, &Tkalenderform::sbNyAlarmClick);
    connect(sbGemAlarm, &QPushButton::clicked, this, &Tkalenderform::sbGemAlarmClick);
    for (QLineEdit* e : {EditYear, EditMonth, EditDay, EditTime, EditMinut, EditGentagelse, EditOverskrift})
        connect(e, &QLineEdit::textEdited, this, &Tkalenderform::alarmAendret);
    connect(UpDownGentagelse, &UpDown::aendret, this, &Tkalenderform::alarmAendret);
    connect(alarmMemo, &QPlainTextEdit::textChanged, this, &Tkalenderform::alarmAendret);
    connect(cbLydfiler, &QComboBox::activated, this, [this](int i) {
        alarmLydIndex = i;
        alarmAendret();
    });
    connect(sbSide4Play, &QPushButton::clicked, this, [this] {
        // An alarm that rings keeps the one sound device: the test waits for
        // nothing and cuts nothing, it is simply not played then.
        Alarmlyde& lyde = Alarmlyde::instance();
        if (lyde.andenSpiller(this))
            return hoved->UdskrivInfo(u"En alarm ringer. Lyden kan testes, når den er færdig."_qs);
        lyde.stop(this);
        if (!lyde.spil(this, alarmLydfil(hoved->stier().lydfilDir, cbLydfiler->currentIndex()), 1))
            hoved->UdskrivInfo(u"Ingen lydenhed"_qs);
    });
    return side;
}

void Tkalenderform::alarmAendret() { sbGemAlarm->setEnabled(true); }

void Tkalenderform::alarmtypeValgClick()
{
    const int type = alarmtypeValg->checkedId();
    const QDateTime n = nu();
    EditYear->setEnabled(type == 1);
    EditMonth->setEnabled(type != 0);
    EditDay->setEnabled(type != 0);
    EditYear->setText(type == 0 ? u"0000"_qs : type == 2 ? u"3016"_qs : QString::number(n.date().year()));
    EditMonth->setText(type == 0 ? u"00"_qs : QString::number(n.date().month()));
    EditDay->setText(type == 0 ? u"00"_qs : QString::number(n.date().day()));
    EditTime->setText(QString::number(n.time().hour()));
    EditMinut->setText(QString::number(n.time().minute()));
    sbGemAlarm->setEnabled(true);
}

void Tkalenderform::sbNyAlarmClick()
{
    EditOverskrift->clear();
    alarmMemo->clear();
    if (EditGentagelse->text().isEmpty())
        EditGentagelse->setText(u"1"_qs);
    m_redigeret.reset();
    alarmtypeValgClick();
    sbGemAlarm->setEnabled(false);
}

void Tkalenderform::sbGemAlarmClick()
{
    sbGemAlarm->setEnabled(false);
    gemAlarm();
    hoved->hentAlarmer();
}

bool Tkalenderform::gemAlarm()
{
    const AlarmIndtastning ind{alarmtypeValg->checkedId(), EditYear->text(),      EditMonth->text(),
                               EditDay->text(),            EditTime->text(),      EditMinut->text(),
                               EditGentagelse->text(),     EditOverskrift->text(), cbLydfiler->currentIndex()};
    const auto resultat = byggAlarm(ind, hoved->stier().alarmDir, hoved->stier().alarmTekster, nu());
    if (const auto* besked = std::get_if<QString>(&resultat)) {
        visInformation(*besked);
        return false;
    }
    const TAlarmRecord& a = std::get<TAlarmRecord>(resultat);
    if (a.alarmtype == 0)
        EditYear->setText(a.aarS), EditMonth->setText(a.maanedS), EditDay->setText(a.dagS);
    if (fileExists(a.filnavn)
        && !spmForm().spoerg({u"Alarmen eksisterer allerede."_qs, u"Skal filerne overskrives?"_qs, QString(),
                              u"..Alarmer/"_qs + a.navn(), u"..Alarmtekster/"_qs + a.navn()}))
        return false;
    if (alarmMemo->toPlainText().isEmpty())
        alarmMemo->setPlainText(u"Ingen tekst."_qs);
    QString fejl;
    if (!gemAlarmfiler(a, alarmMemo->toPlainText().split(u'\n'), &fejl)) {
        visFejl(fejl);
        return false;
    }
    sbGemAlarm->setEnabled(false);
    // An edited alarm saved under another minute leaves the old pair: it would ring too.
    if (m_redigeret && m_redigeret->navn() != a.navn() && fileExists(m_redigeret->filnavn)
        && spmForm().spoerg({u"Alarmen er gemt med nyt tidspunkt."_qs, u"Skal den gamle alarm"_qs,
                             m_redigeret->overskrift + u" ("_qs + datoTekst(*m_redigeret) + u' '
                                 + m_redigeret->timeS + u':' + m_redigeret->minutS + u')',
                             u"slettes?"_qs})
        && !sletAlarmfiler(*m_redigeret, &fejl))
        visFejl(fejl);
    m_redigeret = a;
    return true;
}

void Tkalenderform::visAlarmliste(const std::vector<TAlarmRecord>& liste)
{
    alarmBox->clear();
    for (const TAlarmRecord& a : liste) {
        auto* r = new QTreeWidgetItem(alarmBox, {QString(), datoTekst(a), a.timeS + u':' + a.minutS, a.overskrift});
        r->setIcon(0, artBillede(a.alarmtype));
    }
}

void Tkalenderform::sbUdskrivAktiveClick()
{
    m_visAktive = true;
    visAlarmliste(hoved->alarmer() ? hoved->alarmer()->alarm : std::vector<TAlarmRecord>{});
    LabelOverskrift->setText(u"Aktive alarmer"_qs);
    sbUdskrivAlle->setEnabled(true);
    for (QPushButton* k : {sbUdskrivAktive, sbSletValgte, sbRedigerValgte})
        k->setEnabled(false);
}

void Tkalenderform::sbUdskrivAlleClick()
{
    m_visAktive = false;
    alarmX = hentAlleAlarmer(hoved->stier().alarmDir, hoved->stier().alarmTekster);
    visAlarmliste(alarmX);
    LabelOverskrift->setText(u"Alle alarmer"_qs);
    sbUdskrivAlle->setEnabled(false);
    for (QPushButton* k : {sbUdskrivAktive, sbSletValgte, sbRedigerValgte})
        k->setEnabled(true);
}

void Tkalenderform::sbRedigerValgteClick()
{
    const int i = alarmBox->currentItem() ? alarmBox->indexOfTopLevelItem(alarmBox->currentItem()) : -1;
    if (i < 0 || i >= int(alarmX.size()))
        return visInformation(u"Vælg alarm, der skal redigeres."_qs);
    const TAlarmRecord& a = alarmX[size_t(i)];
    const auto tekst = readTextLines(a.tekstfilnavn);
    if (!tekst || !fileExists(a.filnavn))
        return visInformation(u"Der mangler en eller flere filer.\rSlet alarmen og opret en ny."_qs);
    alarmtypeValg->button(qBound(0, int(a.alarmtype), 2))->setChecked(true);
    alarmtypeValgClick();
    EditYear->setText(a.aarS), EditMonth->setText(a.maanedS), EditDay->setText(a.dagS);
    EditTime->setText(a.timeS), EditMinut->setText(a.minutS);
    cbLydfiler->setCurrentIndex(qBound(0, int(a.alarmfil), 12));
    EditGentagelse->setText(QString::number(a.gentagelse));
    EditOverskrift->setText(a.overskrift);
    alarmMemo->setPlainText(tekst->join(u'\n'));
    m_redigeret = a;
    bog->setCurrentIndex(2);
    sbGemAlarm->setEnabled(false);
}

void Tkalenderform::sbSletValgteClick()
{
    const int i = alarmBox->currentItem() ? alarmBox->indexOfTopLevelItem(alarmBox->currentItem()) : -1;
    if (i < 0 || i >= int(alarmX.size()))
        return visInformation(u"Vælg alarm, der skal slettes."_qs);
    const TAlarmRecord a = alarmX[size_t(i)];
    if (!spmForm().spoerg({u"Skal alarmen"_qs, a.overskrift, u"slettes?"_qs}))
        return;
    // A file removed before the failure stays removed; the list shows what is left.
    QString fejl;
    if (!sletAlarmfiler(a, &fejl))
        visFejl(fejl);
    hoved->hentAlarmer();
    sbUdskrivAlleClick();
}

} // namespace kv

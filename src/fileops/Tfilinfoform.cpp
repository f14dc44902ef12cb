#include "fileops/Tfilinfoform.h"
#include "ui/Baggrundsjob.h"
#include "fileops/TFilMappeInfo.h"
#include "platform/Elementstatus.h"
#include "ui/Beskeder.h"
#include "ui/Billeder.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

template <typename W>
W* navngiv(W* w, const char* navn)
{
    w->setObjectName(QString::fromLatin1(navn));
    return w;
}

QLabel* vaerdi(const char* navn)
{
    auto* l = navngiv(new QLabel, navn);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QLineEdit* navnefelt(const char* navn)
{
    auto* e = navngiv(new QLineEdit, navn);
    e->setReadOnly(true);
    return e;
}

QLabel* billede(Billede b)
{
    auto* l = new QLabel;
    l->setPixmap(ikon(b).pixmap(32, 32));
    l->setFixedSize(36, 36);
    return l;
}

// A page: a picture and a name at the top, then label and value in rows.
QWidget* side(QWidget* top, QLineEdit* navn, std::initializer_list<std::pair<const char16_t*, QWidget*>> raekker)
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->addWidget(top, 0, 0);
    g->addWidget(navn, 0, 1);
    int r = 1;
    for (const auto& [tekst, felt] : raekker) {
        g->addWidget(new QLabel(QString::fromUtf16(tekst)), r, 0);
        g->addWidget(felt, r++, 1);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(r, 1);
    return w;
}

} // namespace

Tfilinfoform::Tfilinfoform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_job(new Baggrundsjob(this))
{
    setObjectName(u"filinfoform"_qs);
    setModal(false);
    Bog = navngiv(new QTabWidget, "Bog");

    ikonBox = navngiv(new QLabel, "ikonBox");
    ikonBox->setFixedSize(36, 36);
    EditFilnavn = navnefelt("EditFilnavn");
    EditPath = navnefelt("EditPath");
    LabelSize = vaerdi("LabelSize");
    LabelOprettet = vaerdi("LabelOprettet");
    LabelForandret = vaerdi("LabelForandret");
    LabelAabnet = vaerdi("LabelAabnet");
    cbReadOnly = navngiv(new QCheckBox(u"Skrivebeskyttet"_qs), "cbReadOnly");
    cbHidden = navngiv(new QCheckBox(u"Skjult"_qs), "cbHidden");
    // Hidden is the leading dot of the name: only a rename changes it.
    cbHidden->setEnabled(false);
    cbHidden->setToolTip(u"Filer hvis navn begynder med punktum er skjulte. Omdøb filen for at ændre det."_qs);
    LabelFiltype = vaerdi("LabelFiltype");
    aAnvend = navngiv(new QAction(u"Anvend"_qs, this), "aAnvend");
    aAnvend->setToolTip(u"Sæt de nye attributværdier"_qs);
    auto* anvendKnap = navngiv(new QToolButton, "anvendKnap");
    anvendKnap->setDefaultAction(aAnvend);
    auto* attributter = new QWidget;
    auto* al = new QHBoxLayout(attributter);
    al->setContentsMargins(0, 0, 0, 0);
    al->addWidget(cbReadOnly);
    al->addWidget(cbHidden);
    al->addWidget(anvendKnap);
    al->addStretch();
    auto* side1 = side(ikonBox, EditFilnavn,
                       {{u"Placering:", EditPath}, {u"Størrelse:", LabelSize}, {u"Oprettet:", LabelOprettet},
                        {u"Ændret:", LabelForandret}, {u"Åbnet:", LabelAabnet}, {u"Attributter:", attributter},
                        {u"Filtype:", LabelFiltype}});
    Bog->addTab(navngiv(side1, "side1"), u"Fil"_qs);

    drevBillede = navngiv(billede(Billede::AndetDrev), "drevBillede");
    EditDisknavn = navnefelt("EditDisknavn");
    LabelFreeSpace = vaerdi("LabelFreeSpace");
    LabelAnvendtSpace = vaerdi("LabelAnvendtSpace");
    LabelKapasitet = vaerdi("LabelKapasitet");
    ProgressBar = navngiv(new QProgressBar, "ProgressBar");
    ProgressBar->setRange(0, 100);
    LabelType = vaerdi("LabelType");
    LabelFilsystem = vaerdi("LabelFilsystem");
    auto* Side2 = side(drevBillede, EditDisknavn,
                       {{u"Ledig plads:", LabelFreeSpace}, {u"Anvendt plads:", LabelAnvendtSpace},
                        {u"Kapasitet:", LabelKapasitet}, {u"", ProgressBar}, {u"Type:", LabelType},
                        {u"Filsystem:", LabelFilsystem}});
    Bog->addTab(navngiv(Side2, "Side2"), u"Drev"_qs);

    EditMappenavn = navnefelt("EditMappenavn");
    LabelPlacering = vaerdi("LabelPlacering");
    LabelMappeSize = vaerdi("LabelMappeSize");
    LabelMappeIndhold = vaerdi("LabelMappeIndhold");
    LabeloprettelsesDato = vaerdi("LabeloprettelsesDato");
    auto* Side3 = side(billede(Billede::Mappe), EditMappenavn,
                       {{u"Placering:", LabelPlacering}, {u"Størrelse:", LabelMappeSize},
                        {u"Indeholder:", LabelMappeIndhold}, {u"Oprettet:", LabeloprettelsesDato}});
    Bog->addTab(navngiv(Side3, "Side3"), u"Mappe"_qs);
    // Only the element's own page can be seen.
    connect(Bog, &QTabWidget::currentChanged, this, [this](int i) {
        if (i != SideNummer)
            Bog->setCurrentIndex(SideNummer);
    });

    infoKnap = navngiv(new QPushButton(handlingsIkon(Handlingsbillede::Info), u"Information"_qs), "infoKnap");
    infoKnap->setToolTip(u"Information om drev, fil og mappe egenskaber"_qs);
    connect(infoKnap, &QPushButton::clicked, this, [this] {
        static const char16_t* const sider[][2] = {{u"Fil.html", u"Fil"}, {u"Drev.html", u"Drev"},
                                                   {u"Mappe.html", u"Mappe"}};
        if (onInfoHelp)
            onInfoHelp(QString::fromUtf16(sider[SideNummer][0]), QString::fromUtf16(sider[SideNummer][1]));
    });
    aUdfold = navngiv(new QAction(u"»"_qs, this), "aUdfold");
    aUdfold->setToolTip(u"Gør boksen større"_qs);
    aSammenfold = navngiv(new QAction(u"«"_qs, this), "aSammenfold");
    aSammenfold->setToolTip(u"Gør boksen mindre"_qs);
    const auto bredder = [this] {
        aUdfold->setEnabled(width() <= 1920);
        aSammenfold->setEnabled(width() > 360);
    };
    connect(aUdfold, &QAction::triggered, this, [this, bredder] {
        resize(width() + 140, height());
        bredder();
    });
    connect(aSammenfold, &QAction::triggered, this, [this, bredder] {
        resize(350, height());
        bredder();
    });
    lukKnap = navngiv(new QPushButton(u"Luk"_qs), "lukKnap");
    lukKnap->setToolTip(u"Luk egenskabsboksen"_qs);
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);
    auto* knapper = new QHBoxLayout;
    knapper->addWidget(infoKnap);
    for (QAction* a : {aSammenfold, aUdfold}) {
        auto* k = new QToolButton;
        k->setDefaultAction(a);
        knapper->addWidget(k);
    }
    knapper->addStretch();
    knapper->addWidget(lukKnap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Bog);
    layout->addLayout(knapper);
    resize(420, sizeHint().height());
    bredder();

    connect(aAnvend, &QAction::triggered, this, &Tfilinfoform::anvend);
    for (QCheckBox* c : {cbReadOnly, cbHidden})
        connect(c, &QCheckBox::toggled, aAnvend, [this] { aAnvend->setEnabled(true); });
}

Tfilinfoform::~Tfilinfoform()
{
    m_job->stop();
}

void Tfilinfoform::visSide(int n, const QString& caption)
{
    m_job->stop();
    SideNummer = n;
    setWindowTitle(caption);
    Bog->setCurrentIndex(n);
    if (QWidget* ejer = parentWidget(); ejer && !isVisible())
        move(ejer->geometry().center() - rect().center());
    show();
    raise();
}

void Tfilinfoform::visOptaelling(const Optaelling& o)
{
    const QLocale l;
    LabelMappeSize->setText(TFilMappeInfo::infoSizeText(o.bytes));
    QString indhold = l.toString(o.filer) + u" filer, "_qs + l.toString(o.mapper) + u" mapper"_qs;
    // A count that had to leave folders out says so, rather than look whole.
    if (o.utalte > 0)
        indhold += u" (%1 kunne ikke tælles)"_qs.arg(l.toString(o.utalte));
    LabelMappeIndhold->setText(indhold);
}

void Tfilinfoform::countMappeInfo(const QString& mappe)
{
    m_job->start([this, mappe](Baggrundsjob::Kontekst& k) {
        Optaelling o;
        taelMappe(mappe, o, [this, &k](const Optaelling& nu) {
            if (k.tidTilLevering())
                k.lever([this, nu] { visOptaelling(nu); });
            return !k.stoppet();
        });
        if (!k.stoppet())
            k.lever([this, o] { visOptaelling(o); });
    });
}

bool Tfilinfoform::taeller() const
{
    return m_job->koerer();
}

void Tfilinfoform::anvend()
{
    QString fejl;
    switch (saetSkrivebeskyttet(Filnavn, cbReadOnly->isChecked(), &fejl)) {
    case AttributUdfald::Sat: break;
    case AttributUdfald::IkkeFundet: visFejl(u"Filen blev ikke fundet.\r"_qs + Filnavn); break;
    case AttributUdfald::Fejl: visFejl(u"Der opstod en fejl.\r"_qs + fejl); break;
    }
    aAnvend->setEnabled(false);
}

void Tfilinfoform::closeEvent(QCloseEvent* event)
{
    m_job->stop();
    QDialog::closeEvent(event);
}

void Tfilinfoform::hideEvent(QHideEvent* event)
{
    m_job->stop();
    QDialog::hideEvent(event);
}

} // namespace kv

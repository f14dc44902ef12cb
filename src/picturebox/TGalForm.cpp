#include "picturebox/TGalForm.h"
#include "ui/Funktionsvaert.h"
#include "picturebox/Billedboksvalg.h"
#include "picturebox/TBibPan.h"
#include "picturebox/TProgressCompo.h"
#include "picturebox/TRulskakt.h"
#include "platform/Mappevagt.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>
#include <algorithm>

namespace kv {

namespace {

QLineEdit* laesefelt(const QString& navn, int bredde = 0)
{
    auto* f = new QLineEdit;
    f->setObjectName(navn);
    f->setReadOnly(true);
    if (bredde > 0)
        f->setFixedWidth(bredde);
    return f;
}

QToolButton* taelleknap(const QString& navn, const QString& tekst, const char16_t* status)
{
    auto* k = new QToolButton;
    k->setObjectName(navn);
    k->setText(tekst);
    k->setAutoRaise(true);
    if (status)
        k->setProperty("statustekst", QString::fromUtf16(status));
    return k;
}

QIcon farveIkon(const QColor& farve)
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter maler(&p);
    maler.setPen(Qt::black);
    maler.setBrush(farve.isValid() ? QBrush(farve) : QBrush());
    maler.drawRect(0, 0, 15, 15);
    return QIcon(p);
}

} // namespace

TGalForm::TGalForm(Funktionsvaert* hoved, const Billedboksindstillinger& e)
    : QWidget(hoved->vindue(), Qt::Window | Qt::WindowStaysOnTopHint), m_hoved(hoved), m_vagt(new Mappevagt(this))
{
    setObjectName(u"GalForm"_qs);
    setWindowTitle(u"Billedboks"_qs);
    // Damaged or hand-edited settings are brought within what the window can show.
    AntalV = feltAntalFraIndstilling(e.GBoxV);
    AntalL = feltAntalFraIndstilling(e.GBoxL);
    colIndex = feltfarve(e.colIndex).isValid() ? e.colIndex : Billedboksindstillinger().colIndex;
    m_startGeometri = QRect(e.GBoxLeft, e.GBoxTop, e.GBoxW, e.GBoxH);

    byggVindue();
    bindHandlinger();
    bindPanel();
    BibPan->NyeFelterVL(AntalV, AntalL);
    visAntal();
    nulstilSkakt();
    // Wheel, double click and the count buttons' status texts, and the
    // enabling rules after any input.
    qApp->installEventFilter(this);
}

void TGalForm::byggVindue()
{
    BibPan = new TBibPan;
    BibPan->setObjectName(u"BibPan"_qs);
    BibPan->RammeFelt = std::make_unique<TRammeFeltX>();
    BibPan->RammeFelt->AfstandLodret = BibPan->RammeFelt->AfstandVandret = 2;
    BibPan->RammeFelt->Margen = 2;
    BibPan->RammeFelt->FarveRamme = palette().color(QPalette::Button);
    BibPan->RammeFelt->FarveAktiv = BibPan->RammeFelt->FarveOver = Qt::blue;
    // Flat in every situation: only the colour tells a pressed or focused field.
    BibPan->RammeFelt->Art = BibPan->RammeFelt->ReaktionNede = BibPan->RammeFelt->ReaktionOver = rtIngen;
    BibPan->RammeFelt->MedFeltFarve = false;
    BibPan->FlatSelect = true;
    BibPan->RulRundt = false;
    BibPan->FocusInOut = false;
    BibPan->IndreMargen = 2;
    BibPan->TekstFelt = std::make_unique<TTekstX>();
    BibPan->TekstFelt->Font = font();
    BibPan->TekstFelt->Font.setPointSizeF(font().pointSizeF() * 0.85);
    BibPan->setFeltFarve(feltfarve(7));
    BibPan->setCursor(Qt::PointingHandCursor);
    BibPan->setFocusPolicy(Qt::StrongFocus);
    BibPan->TomTekst = u"Tryk på \"Indlæs\" eller Ctrl+I for at vise billederne i mappen i struktur 2"_qs;

    BibRul = new TRulskakt;
    BibRul->setObjectName(u"BibRul"_qs);
    BibRul->Component = BibPan;
    BibRul->MedMark = true;
    BibRul->setFixedWidth(18);
    BibRul->NyePos(2, 0, 0);

    auto* midte = new QHBoxLayout;
    midte->setSpacing(2);
    midte->addWidget(BibPan, 1);
    midte->addWidget(BibRul);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(byggTaellere());
    l->addLayout(midte, 1);
    l->addWidget(byggFilfelter());
    l->addWidget(byggVaerktoejslinje());
}

QWidget* TGalForm::byggTaellere()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    BibKnap = new QToolButton;
    BibKnap->setObjectName(u"BibKnap"_qs);
    BibKnap->setPopupMode(QToolButton::MenuButtonPopup);
    BibKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    antalEdit = laesefelt(u"antalEdit"_qs, 60);
    BVknapMinus = taelleknap(u"BVknapMinus"_qs, u"−"_qs, nullptr);
    BVknapPlus = taelleknap(u"BVknapPlus"_qs, u"+"_qs, u"Forøg antal felter vandret.");
    BLknapMinus = taelleknap(u"BLknapMinus"_qs, u"−"_qs, u"Formindsk antallet af lodrette felter.");
    BLknapPlus = taelleknap(u"BLknapPlus"_qs, u"+"_qs, u"Forøg antallet af lodrette felter.");
    BVedit = laesefelt(u"BVedit"_qs, 40);
    BLedit = laesefelt(u"BLedit"_qs, 40);
    StepPan = new TProgressCompo;
    StepPan->setObjectName(u"StepPan"_qs);
    StepPan->Trin = 1;
    StepPan->ColorStep = feltfarve(7);
    StepPan->setFixedHeight(12);

    g->addWidget(BibKnap, 0, 0);
    g->addWidget(new QLabel(u"Antal billeder"_qs), 0, 1);
    g->addWidget(antalEdit, 0, 2);
    int k = 3;
    for (auto [minus, felt, plus, tekst] : {std::tuple{BVknapMinus, BVedit, BVknapPlus, u"Vandret"},
                                           std::tuple{BLknapMinus, BLedit, BLknapPlus, u"Lodret"}}) {
        g->addWidget(new QLabel(QString::fromUtf16(tekst)), 0, k++);
        g->addWidget(minus, 0, k++);
        g->addWidget(felt, 0, k++);
        g->addWidget(plus, 0, k++);
    }
    g->setColumnStretch(k, 1);
    g->addWidget(StepPan, 1, 0, 1, k + 1);
    return w;
}

QWidget* TGalForm::byggFilfelter()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    Breddefelt = laesefelt(u"Breddefelt"_qs, 60);
    Hojdefelt = laesefelt(u"Hojdefelt"_qs, 60);
    Navnfelt = laesefelt(u"Navnfelt"_qs);
    mappeFelt = laesefelt(u"mappeFelt"_qs);
    positionLabel = new QLabel;
    positionLabel->setObjectName(u"positionLabel"_qs);
    ulaeseligLabel = new QLabel;
    ulaeseligLabel->setObjectName(u"ulaeseligLabel"_qs);
    g->addWidget(new QLabel(u"Bredde"_qs), 0, 0);
    g->addWidget(Breddefelt, 0, 1);
    g->addWidget(new QLabel(u"Højde"_qs), 0, 2);
    g->addWidget(Hojdefelt, 0, 3);
    g->addWidget(positionLabel, 0, 4, Qt::AlignRight);
    g->addWidget(new QLabel(u"Filnavn"_qs), 1, 0);
    g->addWidget(Navnfelt, 1, 1, 1, 4);
    g->addWidget(new QLabel(u"Mappe"_qs), 2, 0);
    g->addWidget(mappeFelt, 2, 1, 1, 4);
    g->addWidget(ulaeseligLabel, 3, 1, 1, 4);
    g->setColumnStretch(4, 1);
    return w;
}

QWidget* TGalForm::byggVaerktoejslinje()
{
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    for (const char16_t* navn : {u"AvisKnap", u"AOpenPicKnap", u"AKopierKnap", u"ADeleteKnap"}) {
        auto* k = new QToolButton;
        k->setObjectName(QString::fromUtf16(navn));
        k->setAutoRaise(true);
        l->addWidget(k);
    }
    l->addSpacing(8);
    int nr = 1;
    for (const Feltformat& f : feltformater()) {
        auto* k = new QToolButton;
        k->setObjectName(u"formatBut"_qs + QString::number(nr++));
        k->setText(QString::fromUtf8(f.navn));
        k->setToolTip(QString::fromUtf8(f.hint));
        connect(k, &QToolButton::clicked, this, [this, v = f.vandret, h = f.lodret] { formatKlik(v, h); });
        l->addWidget(k);
    }
    l->addStretch();

    colButton = new QToolButton;
    colButton->setObjectName(u"colButton"_qs);
    colButton->setPopupMode(QToolButton::InstantPopup);
    colButton->setToolTip(u"Feltfarve"_qs);
    ddFarver = new QMenu(colButton);
    ddFarver->setObjectName(u"ddFarver"_qs);
    for (int i = 0; i < int(feltfarver().size()); ++i) {
        const Feltfarve& f = feltfarver()[size_t(i)];
        QAction* a = ddFarver->addAction(farveIkon(f.farve), QString::fromUtf8(f.navn));
        connect(a, &QAction::triggered, this, [this, i] { saetFarve(i); });
    }
    colButton->setMenu(ddFarver);
    l->addWidget(colButton);

    infoKnap = billedknap(u"infoKnap"_qs, Handlingsbillede::Info, u"Information om billedboksen"_qs);
    connect(infoKnap, &QToolButton::clicked, this,
            [this] { m_hoved->InfoHelp(u"Billedboks.html"_qs, u"Billedboks"_qs); });
    l->addWidget(infoKnap);
    return w;
}

void TGalForm::saetFarve(int index)
{
    colIndex = index;
    colButton->setIcon(farveIkon(feltfarve(index)));
    BibPan->setFeltFarve(feltfarve(index));
}

void TGalForm::gemIndstillinger(Billedboksindstillinger& e) const
{
    e.GBoxV = AntalV;
    e.GBoxL = AntalL;
    e.colIndex = colIndex;
    // Only a window that has been shown has a place of its own.
    if (m_vist) {
        e.GBoxLeft = pos().x();
        e.GBoxTop = pos().y();
        e.GBoxW = width();
        e.GBoxH = height();
    }
}

void TGalForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        // Back where the settings had it at program start, whole on a screen that is there.
        const QScreen* s = QGuiApplication::screenAt(m_startGeometri.center());
        const QRect skaerm = (s ? s : QGuiApplication::primaryScreen())->availableGeometry();
        const QSize str = m_startGeometri.size().boundedTo(skaerm.size()).expandedTo(minimumSizeHint());
        const QRect r = QRect(m_startGeometri.topLeft(), str);
        resize(str);
        move(std::clamp(r.left(), skaerm.left(), std::max(skaerm.left(), skaerm.right() + 1 - str.width())),
             std::clamp(r.top(), skaerm.top(), std::max(skaerm.top(), skaerm.bottom() + 1 - str.height())));
        m_vist = true;
        saetFarve(colIndex);
        laasStoerrelse();
        opdaterHandlinger();
    }
    QWidget::showEvent(e);
}

void TGalForm::hideEvent(QHideEvent* e)
{
    if (!e->spontaneous()) {
        // A closed box holds no pictures: the decoding stops and the store is freed.
        glemValg();
        BibPan->NytBibliotek(QString());
        m_vagt->vogt(QString());
        mappeFelt->clear();
        nulstilSkakt();
        laasStoerrelse();
    }
    QWidget::hideEvent(e);
}

void TGalForm::laasStoerrelse()
{
    // With pictures loaded the grid keeps its size; a format button or an
    // empty box may change it.
    if (BibPan->AntalIalt() > 0 && !tilladResize) {
        setFixedSize(size());
    } else {
        setMinimumSize(minimumSizeHint());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

} // namespace kv

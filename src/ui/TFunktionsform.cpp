#include "ui/TFunktionsform.h"
#include "ui/Funktionsvaert.h"
#include "ui/TspmForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace kv {

const Funktion& funktion(int nummer)
{
    static const Funktion funktioner[] = {
        {u"Mappestrukturer", u"CheckOpret", u"Opret"},   {u"Kalender", u"CheckKalender", u"Kalender"},
        {u"Programmer", u"CheckInsert", u"Indfør"},      {u"Window Applets", u"CheckApplets", u"Applets"},
        {u"Genveje", u"CheckGenveje", u"Genveje"},       {u"Information", u"CheckInfo", u"Info"},
        {u"Webadresser", u"CheckWeb", u"Webadresser"},   {u"Søg", u"CheckFind", u"Søg"},
    };
    return funktioner[std::clamp(nummer, 1, 8) - 1];
}

TFunktionsform::TFunktionsform(Funktionsvaert* hoved, int nummer, const QString& capNavn)
    : hoved(hoved), m_nummer(nummer), m_boks(hoved->funktionsBoks(nummer))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromUtf16(funktion(nummer).navn).remove(u' '));
    CapNavn = capNavn;
    setWindowTitle(capNavn);
    // Where a docked window would be squeezed narrower than a structure may be, it opens outside.
    showType = m_boks->isChecked() || hoved->dokBredde() < mindsteDokBredde;
    if (showType && !m_boks->isChecked())
        hoved->UdskrivInfo(u"Der er ikke plads til vinduet ved siden af strukturerne; det åbnes uden for hovedvinduet."_qs);
    // The way of opening cannot change while the window exists.
    m_boks->setEnabled(false);
    hoved->funktionAabnet(nummer, this);
    if (showType) {
        setParent(hoved->vindue(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
        return;
    }
    // Docked windows lie on top of each other, each filling the free area;
    // the selected tab's window is in front and hides those behind it.
    auto* rulle = new QScrollArea(hoved->dokOmraade());
    rulle->hide();
    rulle->setFrameShape(QFrame::NoFrame);
    rulle->setWidgetResizable(true);
    rulle->setGeometry(hoved->dokOmraade()->rect());
    rulle->setWidget(this);
    // Shown together with the scroll area, by the opener.
    hide();
    m_rulle = rulle;
    setAutoFillBackground(true);
    hoved->dokOmraade()->installEventFilter(this);
    hoved->InsertTab(nummer);
    // Focus moving into the window selects its tab.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nu) {
        if (nu && isAncestorOf(nu))
            this->hoved->fokusTab(CapNavn);
    });
}

TFunktionsform::~TFunktionsform()
{
    hoved->funktionLukket(m_nummer);
    if (!showType)
        hoved->CloseTab(CapNavn);
    // Still this window's parent; it goes once this window is gone.
    if (m_rulle) {
        m_rulle->hide();
        m_rulle->deleteLater();
    }
    m_boks->setEnabled(true);
}

bool TFunktionsform::maaLukkes()
{
    const QStringList linjer = ugemt();
    if (linjer.isEmpty())
        return true;
    switch (spmForm().spoergMedAnnuller(linjer + QStringList{u"Gem ændringerne?"_qs})) {
    case TspmForm::Svar::Ja:
        return gemUgemt();
    case TspmForm::Svar::Nej:
        kasserUgemt();
        return true;
    case TspmForm::Svar::Annuller:
        break;
    }
    return false;
}

void TFunktionsform::closeEvent(QCloseEvent* event)
{
    if (!maaLukkes()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TFunktionsform::laegForrest()
{
    if (m_rulle)
        m_rulle->raise();
    else
        raise();
}

void TFunktionsform::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (m_rulle)
        m_rulle->setVisible(visible);
}

void TFunktionsform::rulIndhold()
{
    if (!layout())
        return;
    auto* indhold = new QWidget;
    indhold->setLayout(layout());  // takes the layout and its widgets over
    auto* rulle = new QScrollArea;
    rulle->setFrameShape(QFrame::NoFrame);
    rulle->setWidgetResizable(true);
    rulle->setWidget(indhold);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(rulle);
    // The old layout's minimum would hold the window at its full height.
    l->activate();
}

bool TFunktionsform::event(QEvent* event)
{
    // Outside, the hints would stop at this window's edge: they go to the main status line.
    if (event->type() == QEvent::StatusTip && showType) {
        hoved->UdskrivInfo(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

bool TFunktionsform::eventFilter(QObject* obj, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_rulle && obj == hoved->dokOmraade())
        m_rulle->setGeometry(hoved->dokOmraade()->rect());
    return QWidget::eventFilter(obj, event);
}

void TFunktionsform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!opstart)
        return;
    opstart = false;
    // Docked, the scroll area gives the size.
    if (!showType)
        return;
    // The height the subclass gave, else what its content asks for.
    QSize str(580, testAttribute(Qt::WA_Resized) ? height() : sizeHint().height());
    const QRect skaerm = hoved->skaermen();
    const int plads = skaerm.height() - style()->pixelMetric(QStyle::PM_TitleBarHeight);
    if (str.height() > plads) {
        // Taller than the screen: the content scrolls in a window the user can size.
        rulIndhold();
        str.setHeight(plads);
        resize(str);
    } else if (fastRamme) {
        setFixedSize(str);
    } else {
        resize(str);
    }
    // Centred on the main window, and on its screen even when the main window is not.
    QRect r(QPoint(), frameGeometry().size());
    r.moveCenter(hoved->vindue()->frameGeometry().center());
    r.moveLeft(std::clamp(r.left(), skaerm.left(), std::max(skaerm.left(), skaerm.right() - r.width())));
    r.moveTop(std::clamp(r.top(), skaerm.top(), std::max(skaerm.top(), skaerm.bottom() - r.height())));
    move(r.topLeft());
}

} // namespace kv

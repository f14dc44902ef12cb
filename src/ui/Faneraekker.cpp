#include "ui/Faneraekker.h"

#include <QKeyEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QToolTip>

namespace kv {

TFaneraekker::TFaneraekker(QTabWidget* bog, QWidget* parent) : QWidget(parent), m_bog(bog)
{
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    QSizePolicy politik(QSizePolicy::Preferred, QSizePolicy::Fixed);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
    connect(bog, &QTabWidget::currentChanged, this, qOverload<>(&QWidget::update));
    placer(bog->tabPosition());
}

void TFaneraekker::placer(QTabWidget::TabPosition side)
{
    m_bog->setTabPosition(side);
    const bool oppe = side == QTabWidget::North;
    m_bog->tabBar()->setVisible(!oppe);
    setVisible(oppe);
    updateGeometry();
}

QSize TFaneraekker::faneStoerrelse(int i) const
{
    // As QTabBar measures a tab: the text, the style's spacing, then the style's frame.
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.shape = QTabBar::RoundedNorth;
    opt.text = m_bog->tabText(i);
    opt.documentMode = m_bog->documentMode();
    const QFontMetrics fm = fontMetrics();
    const QSize indhold(fm.size(Qt::TextShowMnemonic, opt.text).width() +
                            style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this),
                        fm.height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, indhold, this);
}

QList<QRect> TFaneraekker::felter(int bredde) const
{
    const int n = m_bog->count();
    QList<QSize> stoerrelser;
    for (int i = 0; i < n; ++i)
        stoerrelser.append(faneStoerrelse(i));
    QList<QRect> ud;
    int y = 0;
    for (int start = 0; start < n;) {
        // As many tabs as fit on the row (always one), then the row's spare room shared among them.
        int slut = start;
        int brugt = 0;
        int hoejde = 0;
        for (; slut < n && (slut == start || brugt + stoerrelser[slut].width() <= bredde); ++slut) {
            brugt += stoerrelser[slut].width();
            hoejde = std::max(hoejde, stoerrelser[slut].height());
        }
        const bool eneRaekke = start == 0 && slut == n;
        const int ekstra = eneRaekke ? 0 : std::max(0, bredde - brugt);
        int x = 0;
        for (int i = start; i < slut; ++i) {
            const int tillaeg = ekstra * (i - start + 1) / (slut - start) - ekstra * (i - start) / (slut - start);
            const int w = std::min(stoerrelser[i].width() + tillaeg, bredde - x);
            ud.append(QRect(x, y, w, hoejde));
            x += w;
        }
        y += hoejde;
        start = slut;
    }
    return ud;
}

int TFaneraekker::heightForWidth(int bredde) const
{
    const QList<QRect> f = felter(bredde);
    return f.isEmpty() ? 0 : f.last().bottom() + 1;
}

QSize TFaneraekker::sizeHint() const
{
    const int bredde = std::max(width(), minimumSizeHint().width());
    return {bredde, heightForWidth(bredde)};
}

QSize TFaneraekker::minimumSizeHint() const
{
    int bredest = 0;
    for (int i = 0; i < m_bog->count(); ++i)
        bredest = std::max(bredest, faneStoerrelse(i).width());
    return {bredest, heightForWidth(bredest)};
}

int TFaneraekker::faneVed(const QPoint& p) const
{
    const QList<QRect> f = felter(width());
    for (int i = 0; i < f.size(); ++i)
        if (f[i].contains(p))
            return i;
    return -1;
}

void TFaneraekker::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    const QList<QRect> f = felter(width());
    const int valgt = m_bog->currentIndex();
    QStyleOptionTabBarBase bund;
    bund.initFrom(this);
    bund.shape = QTabBar::RoundedNorth;
    bund.documentMode = m_bog->documentMode();
    bund.rect = QRect(0, height() - 2, width(), 2);
    if (valgt >= 0 && valgt < f.size())
        bund.selectedTabRect = f[valgt];
    p.drawPrimitive(QStyle::PE_FrameTabBarBase, bund);
    for (int i = 0; i < f.size(); ++i) {
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.shape = QTabBar::RoundedNorth;
        opt.documentMode = m_bog->documentMode();
        opt.text = m_bog->tabText(i);
        opt.rect = f[i];
        const bool foerst = i == 0 || f[i - 1].y() != f[i].y();
        const bool sidst = i == f.size() - 1 || f[i + 1].y() != f[i].y();
        opt.position = foerst && sidst ? QStyleOptionTab::OnlyOneTab
                       : foerst        ? QStyleOptionTab::Beginning
                       : sidst         ? QStyleOptionTab::End
                                       : QStyleOptionTab::Middle;
        opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (!m_bog->isTabEnabled(i))
            opt.state &= ~QStyle::State_Enabled;
        if (i == valgt)
            opt.state |= QStyle::State_Selected;
        if (i == m_under)
            opt.state |= QStyle::State_MouseOver;
        // The style draws a selected tab reaching down into its page; here the page may lie a row further down.
        p.setClipRect(f[i]);
        p.drawControl(QStyle::CE_TabBarTab, opt);
        p.setClipping(false);
        if (i == valgt && hasFocus()) {
            QStyleOptionFocusRect fokus;
            fokus.initFrom(this);
            fokus.rect = style()->subElementRect(QStyle::SE_TabBarTabText, &opt, this);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, fokus);
        }
    }
}

void TFaneraekker::mousePressEvent(QMouseEvent* e)
{
    const int i = faneVed(e->position().toPoint());
    if (e->button() == Qt::LeftButton && i >= 0 && m_bog->isTabEnabled(i))
        m_bog->setCurrentIndex(i);
    else
        QWidget::mousePressEvent(e);
}

void TFaneraekker::mouseMoveEvent(QMouseEvent* e)
{
    const int i = faneVed(e->position().toPoint());
    if (i != m_under) {
        m_under = i;
        update();
    }
    QWidget::mouseMoveEvent(e);
}

void TFaneraekker::leaveEvent(QEvent* e)
{
    m_under = -1;
    update();
    QWidget::leaveEvent(e);
}

void TFaneraekker::keyPressEvent(QKeyEvent* e)
{
    const int trin = e->key() == Qt::Key_Left ? -1 : e->key() == Qt::Key_Right ? 1 : 0;
    if (trin == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    for (int i = m_bog->currentIndex() + trin; i >= 0 && i < m_bog->count(); i += trin)
        if (m_bog->isTabEnabled(i)) {
            m_bog->setCurrentIndex(i);
            break;
        }
}

void TFaneraekker::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        updateGeometry();
    QWidget::changeEvent(e);
}

bool TFaneraekker::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const int i = faneVed(h->pos());
        if (i >= 0 && !m_bog->tabToolTip(i).isEmpty())
            QToolTip::showText(h->globalPos(), m_bog->tabToolTip(i), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

} // namespace kv

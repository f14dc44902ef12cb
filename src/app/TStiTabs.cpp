#include "app/TStiTabs.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>

namespace kv {

TStiTabs::TStiTabs(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    m_layout->addStretch();
}

void TStiTabs::clear()
{
    // Later, since the tab that was clicked may be the one asking for this.
    for (QToolButton* tab : std::as_const(m_tabs)) {
        tab->hide();
        m_layout->removeWidget(tab);
        tab->deleteLater();
    }
    m_tabs.clear();
    m_valgt = -1;
}

void TStiTabs::addTab(const QString& tekst)
{
    auto* tab = new QToolButton(this);
    tab->setText(tekst);
    tab->setCheckable(true);
    tab->setAutoRaise(true);
    tab->setFocusPolicy(Qt::NoFocus);
    tab->installEventFilter(this);
    const int index = int(m_tabs.size());
    connect(tab, &QToolButton::clicked, this, [this, index] {
        const bool ny = index != m_valgt;
        setCurrentIndex(index);
        if (ny)
            emit tabValgt(index);
    });
    m_layout->insertWidget(index, tab);
    m_tabs << tab;
}

QString TStiTabs::tabText(int i) const
{
    return i >= 0 && i < m_tabs.size() ? m_tabs[i]->text() : QString();
}

void TStiTabs::setCurrentIndex(int i)
{
    m_valgt = i >= 0 && i < m_tabs.size() ? i : -1;
    for (int t = 0; t < m_tabs.size(); ++t)
        m_tabs[t]->setChecked(t == m_valgt);
}

bool TStiTabs::eventFilter(QObject* obj, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit trykket();
    return QWidget::eventFilter(obj, event);
}

void TStiTabs::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit trykket();
    QWidget::mousePressEvent(event);
}

int TStiTabs::tabAt(QPoint punkt) const
{
    for (int i = 0; i < count(); ++i)
        if (m_tabs[i]->geometry().contains(punkt))
            return i;
    return -1;
}

} // namespace kv

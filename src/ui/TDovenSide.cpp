#include "ui/TDovenSide.h"

#include <QVBoxLayout>
#include <utility>

namespace kv {

TDovenSide::TDovenSide(const QString& navn, std::function<QWidget*()> lav, std::function<void(QWidget*)> klar)
    : m_lav(std::move(lav))
{
    if (klar)
        m_klar.push_back(std::move(klar));
    setObjectName(navn);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
}

QWidget* TDovenSide::indhold()
{
    if (!m_indhold) {
        m_indhold = m_lav();
        layout()->addWidget(m_indhold);
        for (auto& naar : std::exchange(m_klar, {}))
            naar(m_indhold);
        // Shown with the page at once, what was added to it included, not one
        // round of the event loop later.
        if (isVisible())
            m_indhold->show();
    }
    return m_indhold;
}

void TDovenSide::naarLavet(std::function<void(QWidget*)> naar)
{
    if (m_indhold)
        naar(m_indhold);
    else
        m_klar.push_back(std::move(naar));
}

void TDovenSide::showEvent(QShowEvent* event)
{
    // Made right after, from the event loop: making may ask the user (a list
    // that cannot be read), and a question asked in the middle of showing the
    // window or switching the tab lets that go on under it.
    if (!m_indhold)
        QMetaObject::invokeMethod(this, [this] { indhold(); }, Qt::QueuedConnection);
    QWidget::showEvent(event);
}

} // namespace kv

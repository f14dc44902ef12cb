#include "ui/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace kv {

UpDown::UpDown(QLineEdit* felt, int min, int max, QWidget* parent)
    : QWidget(parent), m_felt(felt), m_min(min), m_max(max)
{
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    const int hoejde = std::max(8, felt->sizeHint().height() / 2);
    for (const auto& [pil, retning, navn] : {std::tuple{Qt::UpArrow, 1, u"op"}, std::tuple{Qt::DownArrow, -1, u"ned"}}) {
        auto* k = new QToolButton;
        k->setObjectName(QString::fromUtf16(navn));
        k->setArrowType(pil);
        k->setAutoRepeat(true);
        k->setFocusPolicy(Qt::NoFocus);
        k->setFixedSize(16, hoejde);
        connect(k, &QToolButton::clicked, this, [this, retning] { trin(retning); });
        l->addWidget(k);
    }
    setToolTip(felt->toolTip());
    felt->installEventFilter(this);
}

void UpDown::trin(int retning)
{
    bool tal = false;
    const int nu = m_felt->text().trimmed().toInt(&tal);
    const int ny = tal ? std::clamp(nu + retning, m_min, m_max) : m_min;
    if (tal && ny == nu)
        return;
    m_felt->setText(QString::number(ny));
    emit aendret();
}

bool UpDown::eventFilter(QObject* obj, QEvent* event)
{
    if (obj == m_felt && event->type() == QEvent::KeyPress && m_felt->isEnabled()) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if (tast == Qt::Key_Up || tast == Qt::Key_Down) {
            trin(tast == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(obj, event);
}

} // namespace kv

#include "ui/TegnetIkon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace kv {

namespace {

class TegneMotor : public QIconEngine {
public:
    explicit TegneMotor(Tegner t) : m_tegner(std::move(t)) {}

    // Item views paint their icons row by row: from the picture drawn once.
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        if (rect.isEmpty())
            return;
        const qreal skala = p->device() ? p->device()->devicePixelRatio() : 1.0;
        p->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, skala));
    }

    // Drawn once per size and mode, then reused: toolbars repaint often.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString noegle = u"%1x%2-%3-%4"_qs.arg(size.width()).arg(size.height()).arg(int(mode)).arg(int(state));
        if (const auto it = m_cache.constFind(noegle); it != m_cache.cend())
            return *it;
        QPixmap pm(size);
        if (pm.isNull())
            return pm;
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            p.setOpacity(0.35);
        m_tegner(p, QRectF(QPoint(), size));
        p.end();
        m_cache.insert(noegle, pm);
        return pm;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pm = pixmap(size * scale, mode, state);
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QIconEngine* clone() const override { return new TegneMotor(m_tegner); }

private:
    Tegner m_tegner;
    QHash<QString, QPixmap> m_cache;
};

} // namespace

QIcon tegnetIkon(Tegner tegner)
{
    return QIcon(new TegneMotor(std::move(tegner)));
}

} // namespace kv

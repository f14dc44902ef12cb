#include "ui/TegnetIkon.h"
#include "platform/Ikonlager.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace kv {

namespace {

class TegneMotor : public QIconEngine {
public:
    TegneMotor(QString navn, Tegner t) : m_navn(std::move(navn)), m_tegner(std::move(t)) {}

    // Item views paint their icons row by row: from the picture drawn once.
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        if (rect.isEmpty())
            return;
        const qreal skala = p->device() ? p->device()->devicePixelRatio() : 1.0;
        p->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, skala));
    }

    // Drawn once per size and mode, then reused: toolbars repaint often. A
    // picture drawn in an earlier run is taken from the store instead.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString noegle =
            u"%1 %2x%3-%4-%5"_qs.arg(m_navn).arg(size.width()).arg(size.height()).arg(int(mode)).arg(int(state));
        if (const auto it = m_cache.constFind(noegle); it != m_cache.cend())
            return *it;
        if (size.isEmpty())
            return QPixmap();
        Ikonlager* lager = Ikonlager::aktiv();
        QImage billede = lager ? lager->hent(noegle) : QImage();
        if (billede.size() != size) {
            billede = QImage(size, QImage::Format_ARGB32_Premultiplied);
            if (billede.isNull())
                return QPixmap();
            billede.fill(Qt::transparent);
            QPainter p(&billede);
            p.setRenderHint(QPainter::Antialiasing);
            if (mode == QIcon::Disabled)
                p.setOpacity(0.35);
            m_tegner(p, QRectF(QPoint(), size));
            p.end();
            if (lager)
                lager->laeg(noegle, billede);
        }
        const QPixmap pm = QPixmap::fromImage(std::move(billede));
        m_cache.insert(noegle, pm);
        return pm;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pm = pixmap(size * scale, mode, state);
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QIconEngine* clone() const override { return new TegneMotor(m_navn, m_tegner); }

private:
    QString m_navn;
    Tegner m_tegner;
    QHash<QString, QPixmap> m_cache;
};

} // namespace

QIcon tegnetIkon(QString navn, Tegner tegner)
{
    return QIcon(new TegneMotor(std::move(navn), std::move(tegner)));
}

} // namespace kv

#include "TPreFelter.h"

#include <QPainter>

namespace kv {

TPreFelter::TPreFelter(QWidget* parent) : QWidget(parent) {}

QRect TPreFelter::indenforYdre() const
{
    const int b = RammeYdre ? RammeYdre->Bredde : 0;
    return rect().adjusted(b, b, -b, -b);
}

QRect TPreFelter::komponentOmraade() const
{
    if (!RammeYdre)
        return rect();
    const auto& y = *RammeYdre;
    return indenforYdre().adjusted(y.AfstandV, y.AfstandO, -y.AfstandH, -y.AfstandN);
}

QRect TPreFelter::indenforIndre() const
{
    const int b = RammeIndre ? RammeIndre->Bredde : 0;
    return komponentOmraade().adjusted(b, b, -b, -b);
}

QRect TPreFelter::feltOmraade() const
{
    if (!RammeIndre)
        return komponentOmraade();
    const auto& i = *RammeIndre;
    return indenforIndre().adjusted(i.AfstandLodret, i.AfstandVandret, -i.AfstandLodret, -i.AfstandVandret);
}

void TPreFelter::beregnOmraader()
{
    setContentsMargins(RammeYdre ? RammeYdre->klientMargener() : QMargins());
}

bool TPreFelter::tilpasAlign() const
{
    return (RammeYdre && RammeYdre->TilpasAlign) || (RammeIndre && RammeIndre->TilpasAlign);
}

void TPreFelter::graaTern(QPainter& p, const QRect& r) const
{
    // Every other pixel grey, counted from the picture's own corner.
    QImage tern(2, 2, QImage::Format_ARGB32);
    tern.fill(Qt::transparent);
    tern.setPixelColor(0, 0, QColor(128, 128, 128));
    tern.setPixelColor(1, 1, QColor(128, 128, 128));
    p.setBrushOrigin(r.topLeft());
    p.fillRect(r, QBrush(tern));
}

void TPreFelter::paintEvent(QPaintEvent*)
{
    if (!m_beregnet || tilpasAlign()) {
        m_beregnet = true;
        beregnOmraader();
    }
    QPainter p(this);
    const int situation = isEnabled() ? 1 : 0;
    const bool graa = BitmapUaGray && !isEnabled();
    if (RammeYdre)
        RammeYdre->MakeRamme(p, rect(), hasFocus(), situation);
    if (!BitmapGrund.isNull()) {
        p.drawImage(indenforYdre(), BitmapGrund);
        if (graa)
            graaTern(p, indenforYdre());
    }
    if (RammeIndre)
        RammeIndre->MakeRamme(p, komponentOmraade(), hasFocus(), situation);
    if (!BitmapIndre.isNull()) {
        p.drawImage(indenforIndre(), BitmapIndre);
        if (graa)
            graaTern(p, indenforIndre());
    }
    tegnFelter(p);
}

void TPreFelter::tegnFelter(QPainter&) {}

} // namespace kv

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

void TPreFelter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int situation = isEnabled() ? 1 : 0;
    if (RammeYdre)
        RammeYdre->MakeRamme(p, rect(), hasFocus(), situation);
    if (!BitmapGrund.isNull())
        p.drawImage(indenforYdre(), BitmapGrund);
    if (RammeIndre)
        RammeIndre->MakeRamme(p, komponentOmraade(), hasFocus(), situation);
    if (!BitmapIndre.isNull())
        p.drawImage(indenforIndre(), BitmapIndre);
    tegnFelter(p);
}

void TPreFelter::tegnFelter(QPainter&) {}

} // namespace kv

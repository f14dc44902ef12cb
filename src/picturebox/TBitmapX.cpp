#include "TBitmapX.h"

#include <QPainter>
#include <cmath>

namespace kv {

int TBitmapX::billedIndeks(int f, int situation) const
{
    const int s = StartIndex, k = FeltAntal;
    const bool nede = situation == 2 || situation == 4;
    const bool over = situation == 3;
    switch (BitType) {
    case btIngen: return -1;
    case btSimpel: return s;
    case btDual: return nede ? s + 1 : s;
    case btTrio: return nede ? s + 2 : over ? s + 1 : s;
    case btUnikSimpel: return s + f;
    case btUnikDual: return (over || situation == 1) ? s + f + k : s + f;
    case btUnikTrio: return nede ? s + f + 2 * k : over ? s + f + k : s + f;
    }
    return -1;
}

QRect TBitmapX::billedRekt(const QRect& r, int situation, QSize billede) const
{
    QRect b = r;
    if (AktivVL && (situation == 2 || situation == 4))
        b.translate(AktivVandret, AktivLodret);
    if (FeltDim)
        return b;
    QSize str = RealDim ? billede : QSize(Bredde, Hojde);
    b.translate(X1, Y1);
    if (!RealDim)
        b.setSize(str);
    if (Scale) {
        auto faktor = [](int plads, int str) { return str > plads && str > 0 ? double(plads) / str : 1.0; };
        const double f = std::min(faktor(r.width(), str.width()), faktor(r.height(), str.height()));
        str = QSize(int(std::lround(str.width() * f)), int(std::lround(str.height() * f)));
    }
    if (Scale || Centrer) {
        const int dx = Centrer && str.width() < r.width() ? (r.width() - str.width()) / 2 : 0;
        const int dy = Centrer && str.height() < r.height() ? (r.height() - str.height()) / 2 : 0;
        return QRect(b.topLeft() + QPoint(dx, dy), str);
    }
    return QRect(b.topLeft(), str);
}

bool TBitmapX::PutBitmap(int feltNr, QPainter& p, int situation, const QRect& r) const
{
    const int i = billedIndeks(feltNr, situation);
    if (i < 0 || i >= int(BitmapListe.size()) || BitmapListe[size_t(i)].isNull())
        return false;
    QImage billede = BitmapListe[size_t(i)];
    const QRect maal = billedRekt(r, situation, billede.size());
    if (Gennemsigtig) {
        if (BgColor.isValid())
            p.fillRect(maal, BgColor);
        billede = billede.convertToFormat(QImage::Format_ARGB32);
        const QRgb trans = TransFarve.rgb() & RGB_MASK;
        for (int y = 0; y < billede.height(); ++y) {
            auto* linje = reinterpret_cast<QRgb*>(billede.scanLine(y));
            for (int x = 0; x < billede.width(); ++x)
                if ((linje[x] & RGB_MASK) == trans)
                    linje[x] = 0;
        }
    }
    p.save();
    if (situation == 0 && !DontBlend)
        p.setOpacity(0.5);
    const bool strakt = Scale || Centrer || !RealDim;
    if (strakt)
        p.drawImage(maal, billede);
    else
        p.drawImage(maal.topLeft(), billede);
    p.restore();
    return true;
}

} // namespace kv

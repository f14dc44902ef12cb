#pragma once
// The picture holder: picks an image of a list by field number and situation
// and places it in a rectangle.
#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

namespace kv {

enum TBitXType { btIngen, btSimpel, btDual, btTrio, btUnikSimpel, btUnikDual, btUnikTrio };

class TBitmapX {
public:
    // The image list; its own size is that of the first image.
    std::vector<QImage> BitmapListe;
    TBitXType BitType = btUnikSimpel;
    int StartIndex = 0;
    int FeltAntal = 1;
    bool RealDim = true;
    bool FeltDim = false;
    int Bredde = 16, Hojde = 16;
    int X1 = 0, Y1 = 0;
    bool Scale = false;
    bool Centrer = false;
    bool AktivVL = true;
    int AktivVandret = 1, AktivLodret = 1;
    bool Gennemsigtig = false;
    QColor TransFarve = Qt::white;
    QColor BgColor;  // invalid: no background
    bool DontBlend = false;

    // The list index for a field and situation; -1 when nothing is drawn.
    int billedIndeks(int feltNr, int situation) const;
    // Where an image of that size goes in the rectangle.
    QRect billedRekt(const QRect& r, int situation, QSize billede) const;
    bool PutBitmap(int feltNr, QPainter& p, int situation, const QRect& r) const;
};

} // namespace kv

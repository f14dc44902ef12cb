#include "TRammeX.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace kv {

TRammeX::TRammeX()
{
    const QPalette pal = QGuiApplication::palette();
    FarveLys = pal.color(QPalette::Light);
    FarveSkygge = pal.color(QPalette::Dark);
    FarveFelt = pal.color(QPalette::Button);
}

std::vector<TRammeX::Ring> TRammeX::ringe(TRammeXType art, int antal, int dybde, int rifler)
{
    std::vector<Ring> r;
    const bool ud = art == rtUd || art == rtRifletUd;
    const Ring forst = ud ? Ring::Haevet : Ring::Saenket;
    const Ring sidst = ud ? Ring::Saenket : Ring::Haevet;
    switch (art) {
    case rtIngen:
        r.assign(std::max(0, antal), Ring::Flad);
        break;
    case rtUd:
    case rtInd:
        for (int i = 1; i <= antal; ++i)
            r.push_back(dybde <= 0 ? forst : i <= dybde ? forst : i > antal - dybde ? sidst : Ring::Flad);
        break;
    case rtRifletUd:
    case rtRifletInd: {
        // A rib: d rings one way, the plain middle, d rings the other way.
        const int flade = (rifler < 1 || dybde < 1) ? antal : std::max(0, rifler - 2 * dybde);
        std::vector<Ring> rib(std::max(0, dybde), forst);
        rib.insert(rib.end(), flade, Ring::Flad);
        rib.insert(rib.end(), std::max(0, dybde), sidst);
        while (!rib.empty() && int(r.size()) < antal)
            for (Ring x : rib)
                if (int(r.size()) < antal)
                    r.push_back(x);
        break;
    }
    }
    return r;
}

QColor TRammeX::fyld(const QColor&) const
{
    return MedFeltFarve ? FarveFelt : QColor();
}

QColor TRammeFeltX::fyld(const QColor& ringFarve) const
{
    return SomListe ? ringFarve : TRammeX::fyld(ringFarve);
}

void TRammeX::tegnRinge(QPainter& p, QRect r, TRammeXType art, int antal, const QColor& farve)
{
    for (Ring ring : ringe(art, antal, BreddeDybde, BreddeRifler)) {
        if (r.width() < 1 || r.height() < 1)
            break;
        const QColor lys = ring == Ring::Flad ? farve : ring == Ring::Haevet ? FarveLys : FarveSkygge;
        const QColor skygge = ring == Ring::Flad ? farve : ring == Ring::Haevet ? FarveSkygge : FarveLys;
        // Left, top, right, bottom, in that order.
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), lys);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), lys);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), skygge);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), skygge);
        r.adjust(1, 1, -1, -1);
    }
}

void TRammeX::MakeRamme(QPainter& p, const QRect& r, bool aktiv, int situation)
{
    TRammeXType art = ArtUaktiv;
    QColor farve = FarveUaktiv;
    if (situation == 1) {
        art = Art;
        farve = FarveRamme;
    } else if (situation == 2 || situation == 4) {
        art = ReaktionNede;
        farve = FarveAktiv;
    } else if (situation == 3) {
        art = ReaktionOver;
        farve = FarveOver;
    }
    m_sidsteFarve = farve;
    const bool fokus = aktiv && FocusRamme;
    if (const QColor f = fyld(farve); f.isValid())
        p.fillRect(r, f);
    tegnRinge(p, r, art, Bredde + (fokus ? 1 : 0), farve);
    if (MedOmrids || fokus) {
        p.setPen(FarveOmrids);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void TRammeX::KunRamme(QPainter& p, const QRect& r)
{
    if (const QColor f = fyld(m_sidsteFarve); f.isValid())
        p.fillRect(r, f);
    tegnRinge(p, r, Art, Bredde, m_sidsteFarve);
    if (MedOmrids) {
        p.setPen(FarveOmrids);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

QMargins TRammeGrundX::klientMargener() const
{
    if (!NytClientRect)
        return {};
    return QMargins(Bredde + ClientLodret, Bredde + ClientVandret, Bredde + ClientLodret, Bredde + ClientVandret);
}

} // namespace kv

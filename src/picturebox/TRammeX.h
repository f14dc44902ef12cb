#pragma once
// Frame painters: rings of one pixel drawn flat, raised, sunken or ribbed,
// chosen by the control's situation (0 disabled, 1 normal, 2 pressed,
// 3 focused or pointed at; 4 counts as 2).
#include <QColor>
#include <QMargins>
#include <QRect>
#include <vector>

class QPainter;

namespace kv {

enum TRammeXType { rtIngen, rtUd, rtInd, rtRifletUd, rtRifletInd };

class TRammeX {
public:
    virtual ~TRammeX() = default;

    TRammeXType Art = rtIngen;
    TRammeXType ArtUaktiv = rtIngen;
    TRammeXType ReaktionNede = rtInd;
    TRammeXType ReaktionOver = rtUd;
    int Bredde = 1;
    int BreddeDybde = 0;
    int BreddeRifler = 0;
    QColor FarveRamme = Qt::black;
    QColor FarveAktiv = Qt::black;
    QColor FarveOver = Qt::black;
    QColor FarveUaktiv = QColor(128, 128, 128);
    QColor FarveLys;
    QColor FarveSkygge;
    QColor FarveFelt;
    bool MedFeltFarve = true;
    bool MedOmrids = false;
    QColor FarveOmrids = Qt::black;
    bool FocusRamme = false;
    // True: the owner works out its areas on every paint, else once.
    bool TilpasAlign = false;

    TRammeX();
    void MakeRamme(QPainter& p, const QRect& r, bool aktiv, int situation);
    void KunRamme(QPainter& p, const QRect& r);

    // What one ring of a frame looks like, from the outside in.
    enum class Ring { Flad, Haevet, Saenket };
    static std::vector<Ring> ringe(TRammeXType art, int antal, int dybde, int rifler);

protected:
    virtual QColor fyld(const QColor& ringFarve) const;

private:
    void tegnRinge(QPainter& p, QRect r, TRammeXType art, int antal, const QColor& farve);
    QColor m_sidsteFarve = Qt::black;
};

// The outer frame of a control, with the distances of its component area.
class TRammeGrundX : public TRammeX {
public:
    int AfstandV = 0, AfstandO = 0, AfstandH = 0, AfstandN = 0;
    // With NytClientRect the owner's child widgets keep inside the frame
    // plus ClientLodret left and right and ClientVandret above and below.
    bool NytClientRect = false;
    int ClientLodret = 0, ClientVandret = 0;

    QMargins klientMargener() const;
};

// An inner frame; for a field frame the gaps between columns and rows.
class TRammeIndreX : public TRammeX {
public:
    int AfstandLodret = 1;
    int AfstandVandret = 1;
};

class TRammeFeltX : public TRammeIndreX {
public:
    bool SomListe = false;
    int Margen = 0;

protected:
    QColor fyld(const QColor& ringFarve) const override;
};

} // namespace kv

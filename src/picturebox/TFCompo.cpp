#include "TFCompo.h"
#include "Billedboksvalg.h"
#include "platform/ProgramPath.h"

#include <QPainter>

namespace kv {

namespace {
constexpr int mindsteFelt = 16;

// How many fields of at least 16 pixels fit in a length with gaps between them.
int derErPladsTil(int laengde, int afstand)
{
    return std::max(1, (laengde + afstand) / (mindsteFelt + afstand));
}
} // namespace

TFCompo::TFCompo(QWidget* parent) : TPreFelter(parent)
{
    beregnFelter();
}

void TFCompo::setAntalVL(int vandret, int lodret)
{
    m_onsketVandret = feltAntalFraIndstilling(vandret);
    m_onsketLodret = feltAntalFraIndstilling(lodret);
    beregnFelter();
}

void TFCompo::setAntalIalt(int antal)
{
    m_antalIalt = std::max(0, antal);
    opdaterAntal();
}

void TFCompo::opdaterAntal()
{
    m_antal = std::min(m_antalIalt, m_vandret * m_lodret);
    m_startNr = std::clamp(m_startNr, 0, std::max(0, m_antalIalt - m_antal));
}

void TFCompo::setStartNr(int nr)
{
    m_startNr = nr;
    opdaterAntal();
    update();
}

void TFCompo::setFeltHojde(int h)
{
    m_feltHojde = std::max(1, h);
    beregnFelter();
}

void TFCompo::beregnFelter()
{
    const QRect a = feltOmraade();
    const int afstandV = RammeFelt ? RammeFelt->AfstandLodret : 0;   // between columns
    const int afstandL = RammeFelt ? RammeFelt->AfstandVandret : 0;  // between rows
    m_vandret = std::min(m_onsketVandret, derErPladsTil(a.width(), afstandV));
    // A fixed row height: as many rows as the height holds, from the top.
    m_lodret = AutoDim ? std::min(m_onsketLodret, derErPladsTil(a.height(), afstandL))
                       : std::max(1, (a.height() - afstandL) / (afstandL + m_feltHojde));
    const int W = std::max(0, a.width() - (m_vandret - 1) * afstandV);
    const int H = std::max(0, a.height() - (m_lodret - 1) * afstandL);
    m_feltBredde = W / m_vandret;
    if (AutoDim)
        m_feltHojde = H / m_lodret;
    const int venstre = a.left() + (W % m_vandret) / 2;
    const int top = a.top() + (AutoDim ? (H % m_lodret) / 2 : 0);
    const int ind = RammeFelt ? RammeFelt->Bredde + RammeFelt->Margen : 0;
    F.resize(size_t(m_vandret * m_lodret));
    for (int n = 0; n < int(F.size()); ++n) {
        const int kolonne = NumLodret ? n / m_lodret : n % m_vandret;
        const int raekke = NumLodret ? n % m_lodret : n / m_vandret;
        TFeltRec& f = F[size_t(n)];
        f.Nummer = n;
        f.YR = QRect(venstre + kolonne * (m_feltBredde + afstandV), top + raekke * (m_feltHojde + afstandL),
                     m_feltBredde, m_feltHojde);
        f.IR = RammeFelt ? f.YR.adjusted(ind, ind, -ind + 1, -ind + 1) : f.YR;
    }
    opdaterAntal();
    emit OnFeltAntal(m_vandret, m_lodret);
}

void TFCompo::beregnOmraader()
{
    TPreFelter::beregnOmraader();
    beregnFelter();
}

bool TFCompo::tilpasAlign() const
{
    return TPreFelter::tilpasAlign() || (RammeFelt && RammeFelt->TilpasAlign);
}

void TFCompo::resizeEvent(QResizeEvent*)
{
    beregnFelter();
}

QString TFCompo::feltTekst(int nr) const
{
    return Tekst.value(nr);
}

QString TFCompo::udskrevetTekst(int nr) const
{
    const QString s = feltTekst(nr);
    if (TekstUdskriv == tuNormal)
        return s;
    const QString navn = nameOf(s);
    if (TekstUdskriv == tuExtractFilename)
        return navn;
    const qsizetype ext = extensionOf(navn).size();
    return ext < navn.size() ? navn.chopped(ext) : navn;
}

QRect TFCompo::tekstRekt(const TFeltRec& f) const
{
    return f.IR;
}

void TFCompo::tegnFelt(QPainter& p, const TFeltRec& f)
{
    if (RammeFelt)
        RammeFelt->MakeRamme(p, f.YR, f.Fokus && (f.Sit == 2 || f.Sit == 3), f.Sit);
    const int nr = m_startNr + f.Nummer;
    tegnIndhold(p, f, nr);
    if (TekstFelt && nr < m_antalIalt)
        TekstFelt->SkrivTekst(p, tekstRekt(f), udskrevetTekst(nr), f.Sit);
}

void TFCompo::tegnFelter(QPainter& p)
{
    for (int i = 0; i < m_antal && i < int(F.size()); ++i)
        tegnFelt(p, F[size_t(i)]);
}

void TFCompo::tegnIndhold(QPainter&, const TFeltRec&, int) {}

} // namespace kv

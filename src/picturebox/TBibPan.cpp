#include "TBibPan.h"
#include "fileops/TKopierPaste.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QDateTime>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace kv {

TBibPan::TBibPan(QWidget* parent, qint64 budget) : TKnapPan(parent), m_pulje(budget)
{
    m_feltFarve = palette().color(QPalette::Button);
    connect(&m_pulje, &TBilledPulje::klar, this, &TBibPan::modtag);
    setAntalIalt(0);
}

bool TBibPan::erBilledNavn(const QString& navn, TFilType type)
{
    const bool bmp = type == ftBmp || type == ftBegge;
    const bool jpg = type == ftJpg || type == ftBegge;
    const bool ico = type == ftIco || type == ftBegge;
    auto slut = [&](const char* ext) { return navn.endsWith(QLatin1String(ext), Qt::CaseInsensitive); };
    return (bmp && slut(".bmp")) || (jpg && (slut(".jpg") || slut(".jpeg"))) || (ico && slut(".ico"))
        || (type == ftBegge && (slut(".png") || slut(".gif")));
}

QRect TBibPan::billedrum(const TFeltRec& f) const
{
    QRect r = f.IR.adjusted(IndreMargen, IndreMargen, -IndreMargen, -IndreMargen);
    if (TekstFelt)
        r.setBottom(r.bottom() - QFontMetrics(TekstFelt->Font).height());
    return r;
}

QSize TBibPan::miniatureplads() const
{
    if (F.empty())
        return {};
    const QSize rum = billedrum(F.front()).size();
    const qreal dpr = devicePixelRatioF();
    return QSize(std::max(1, int(rum.width() * dpr)), std::max(1, int(rum.height() * dpr)));
}

std::vector<TBilRec> TBibPan::listBilleder() const
{
    std::vector<TBilRec> bil;
    if (m_bibliotek.isEmpty())
        return bil;
    // One order for every kind: the listing's, as a person reads names.
    for (const DirEntry& e : listFolder(m_bibliotek).value_or(std::vector<DirEntry>{}))
        if (!e.isDir && erBilledNavn(e.name, m_filType))
            bil.push_back({e.name, 0, 0, e.size, e.modifiedMs});
    return bil;
}

void TBibPan::LoadListe()
{
    glemAktuelt();
    Bil = listBilleder();
    m_stier.clear();
    for (const TBilRec& b : Bil)
        m_stier.append(m_bibliotek + u'\\' + b.Filnavn);
    setAntalIalt(int(Bil.size()));
    m_startNr = 0;
    emit OnAntalIalt(AntalIalt());
    nyeMiniaturer();
}

bool TBibPan::FoelgMappe()
{
    const std::vector<TBilRec> nye = listBilleder();
    // Only pictures gone, the rest unchanged and in order: those are taken
    // out one by one, and no other picture is made again.
    std::vector<int> vaek;
    size_t j = 0;
    for (size_t i = 0; i < Bil.size(); ++i) {
        const TBilRec& b = Bil[i];
        if (j < nye.size() && nye[j].Filnavn == b.Filnavn && nye[j].Storrelse == b.Storrelse
            && nye[j].AendretMs == b.AendretMs)
            ++j;
        else
            vaek.push_back(int(i));
    }
    if (j < nye.size()) {
        LoadListe();
        return false;
    }
    for (auto it = vaek.rbegin(); it != vaek.rend(); ++it)
        FjernBillede(*it);
    return true;
}

void TBibPan::FjernBillede(int nr)
{
    if (nr < 0 || nr >= int(Bil.size()))
        return;
    // The mark stays with its picture; on the removed one it goes to the
    // next, or at the end to the one before.
    const int felt = aktueltFelt();
    int markeret = felt >= 0 ? StartNr() + felt : -1;
    if (markeret > nr || markeret == int(Bil.size()) - 1)
        --markeret;
    const bool ulaeselig = m_pulje.ulaeselig(nr);
    Bil.erase(Bil.begin() + nr);
    m_stier.removeAt(nr);
    m_pulje.fjern(nr);
    setAntalIalt(int(Bil.size()));
    if (felt >= 0)
        flytAktuelt(markeret - StartNr());
    emit OnAntalIalt(AntalIalt());
    if (ulaeselig)
        emit OnUlaeselige(m_pulje.antalUlaeselige());
    visProgress();
    // The page may have moved or gained a picture: asked for at the next paint.
    m_prioriteretFra = -1;
    update();
}

void TBibPan::nyeMiniaturer()
{
    m_progress = -1;
    m_plads = miniatureplads();
    m_pulje.nyGeneration(m_stier, m_plads, m_scale);
    visProgress();
    m_pulje.prioriter(StartNr(), Antal());
    m_prioriteretFra = StartNr();
    update();
}

void TBibPan::visProgress()
{
    // Every picture of the folder counts, so 100 only once the last is made.
    const int ialt = int(Bil.size());
    const int procent = ialt == 0 ? 100 : int(100LL * std::min(m_pulje.antalForsogt(), ialt) / ialt);
    if (procent != m_progress) {
        m_progress = procent;
        emit OnProgress(procent);
    }
}

void TBibPan::NyeFelterVL(int vandret, int lodret)
{
    NytAntalVL(vandret, lodret);
    LoadListe();
}

void TBibPan::NytBibliotek(const QString& bnavn)
{
    m_bibliotek = bnavn;
    LoadListe();
}

void TBibPan::NewDirectory(int antV, int antL, const QString& dir)
{
    m_bibliotek = dir;
    NyeFelterVL(antV, antL);
}

QString TBibPan::GetFilnavn(int nr, bool medSti) const
{
    if (nr < 0 || nr >= int(Bil.size()))
        return {};
    return medSti ? m_stier[nr] : Bil[size_t(nr)].Filnavn;
}

int TBibPan::GetBredde(int nr) const
{
    return nr >= 0 && nr < int(Bil.size()) ? Bil[size_t(nr)].Bredde : 0;
}

int TBibPan::GetHojde(int nr) const
{
    return nr >= 0 && nr < int(Bil.size()) ? Bil[size_t(nr)].Hojde : 0;
}

bool TBibPan::faerdig() const
{
    return m_pulje.antalForsogt() >= int(Bil.size());
}

void TBibPan::setFeltFarve(const QColor& farve)
{
    m_feltFarve = farve;
    update();
}

void TBibPan::setFilType(TFilType type)
{
    if (type == m_filType)
        return;
    m_filType = type;
    if (maletEngang())
        LoadListe();
}

void TBibPan::setCentrer(bool centrer)
{
    m_centrer = centrer;
    update();
}

void TBibPan::setScale(bool scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    if (maletEngang() && !Bil.empty())
        nyeMiniaturer();
}

void TBibPan::resizeEvent(QResizeEvent* e)
{
    TKnapPan::resizeEvent(e);
    // Thumbnails are made for one field size; another size makes them anew.
    if (!Bil.empty() && miniatureplads() != m_plads)
        nyeMiniaturer();
}

bool TBibPan::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return TKnapPan::event(e);
    const auto* hjaelp = static_cast<QHelpEvent*>(e);
    const int felt = feltVed(hjaelp->pos());
    const int nr = StartNr() + felt;
    if (felt < 0 || nr >= int(Bil.size())) {
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    const TBilRec& b = Bil[size_t(nr)];
    QStringList linjer{b.Filnavn};
    if (b.Bredde > 0)
        linjer << u"%1 × %2 pixels"_qs.arg(b.Bredde).arg(b.Hojde);
    else if (m_pulje.ulaeselig(nr))
        linjer << u"Billedet kan ikke læses."_qs;
    linjer << TKopierPaste::sizeText(b.Storrelse)
           << QDateTime::fromMSecsSinceEpoch(b.AendretMs).toString(u"dd-MM-yyyy hh:mm"_qs);
    QToolTip::showText(hjaelp->globalPos(), linjer.join(u'\n'), this, F[size_t(felt)].IR);
    return true;
}

void TBibPan::modtag(int nr)
{
    // A picture that could not be decoded has no size to show.
    if (nr < int(Bil.size()) && !m_pulje.ulaeselig(nr)) {
        const QSize o = m_pulje.original(nr);
        Bil[size_t(nr)].Bredde = o.width();
        Bil[size_t(nr)].Hojde = o.height();
    }
    const int i = nr - StartNr();
    if (i >= 0 && i < Antal())
        update(F[size_t(i)].YR);
    visProgress();
    if (m_pulje.ulaeselig(nr))
        emit OnUlaeselige(m_pulje.antalUlaeselige());
}

void TBibPan::tegnFelter(QPainter& p)
{
    if (m_prioriteretFra != StartNr() && !Bil.empty()) {
        m_prioriteretFra = StartNr();
        m_pulje.prioriter(StartNr(), Antal());
    }
    TKnapPan::tegnFelter(p);
    if (m_bibliotek.isEmpty() && !TomTekst.isEmpty()) {
        const QString linje = fontMetrics().elidedText(TomTekst, Qt::ElideRight, width() - 16);
        QRect r = fontMetrics().boundingRect(linje).adjusted(-6, -4, 6, 4);
        r.moveCenter(rect().center());
        p.fillRect(r, palette().color(QPalette::Base));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(r, Qt::AlignCenter, linje);
    }
}

QString TBibPan::feltTekst(int nr) const
{
    return nr >= 0 && nr < int(Bil.size()) ? Bil[size_t(nr)].Filnavn : QString();
}

QRect TBibPan::tekstRekt(const TFeltRec& f) const
{
    const QRect rum = billedrum(f);
    return QRect(rum.left(), rum.bottom() + 1, rum.width(), f.IR.bottom() - rum.bottom());
}

void TBibPan::tegnIndhold(QPainter& p, const TFeltRec& f, int nr)
{
    p.fillRect(f.IR, m_feltFarve);
    const QRect rum = billedrum(f);
    if (const QImage* b = m_pulje.billede(nr)) {
        const QSize s = (QSizeF(b->size()) / devicePixelRatioF()).toSize();
        // Unscaled, a picture shows its top left corner from the corner.
        const bool midt = m_centrer && m_scale;
        const QPoint ind = midt ? QPoint((rum.width() - s.width()) / 2, (rum.height() - s.height()) / 2) : QPoint();
        p.drawImage(QRect(rum.topLeft() + ind, s), *b);
    } else if (m_pulje.ulaeselig(nr)) {
        // In place of a picture that cannot be read: a struck-out frame and its name.
        p.setPen(QPen(palette().color(QPalette::Dark), 1, Qt::DashLine));
        const QRect r = rum.adjusted(2, 2, -3, -3);
        p.drawRect(r);
        p.drawLine(r.topLeft(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter | Qt::TextWrapAnywhere,
                   fontMetrics().elidedText(Bil[size_t(nr)].Filnavn, Qt::ElideMiddle, r.width() * 2));
    }
}

} // namespace kv

// What the picture box does: loading, paging, the grid, and the actions on
// the chosen picture.
#include "picturebox/TGalForm.h"
#include "ui/UdenAtStandse.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "picturebox/Billedboksvalg.h"
#include "picturebox/TBibPan.h"
#include "picturebox/TProgressCompo.h"
#include "picturebox/TRulskakt.h"
#include "platform/FileSystem.h"
#include "platform/Mappevagt.h"
#include "platform/Papirkurv.h"
#include "platform/Skal.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace kv {

QAction* TGalForm::handling(const QString& navn, const QString& caption, const QString& hint, const char* genvej,
                            void (TGalForm::*udfoer)())
{
    auto* a = new QAction(caption, this);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setShortcut(QKeySequence(QString::fromLatin1(genvej)));
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    // A rule may have changed since it last ran; a disabled action does nothing.
    connect(a, &QAction::triggered, this, [this, a, udfoer] {
        opdaterHandlinger();
        if (a->isEnabled())
            (this->*udfoer)();
        opdaterHandlinger();
    });
    return a;
}

void TGalForm::bindHandlinger()
{
    Amappe = handling(u"Amappe"_qs, u"Indlæs"_qs, u"Indlæs billeder fra filmappen: Ctrl +I"_qs, "Ctrl+I",
                      &TGalForm::AmappeExecute);
    Avis = handling(u"Avis"_qs, u"Vis i filstrukturen"_qs, u"Vis i struktur 2: Ctrl+V eller højreklik"_qs, "Ctrl+V",
                    &TGalForm::AvisExecute);
    AOpenPic = handling(u"AOpenPic"_qs, u"Åben"_qs, u"Åben valgte: Ctrl+K"_qs, "Ctrl+K", &TGalForm::AOpenPicExecute);
    AKopier = handling(u"AKopier"_qs, u"Kopier"_qs, u"Kopier valgte billede: Ctrl+C"_qs, "Ctrl+C",
                       &TGalForm::AKopierExecute);
    AkopierMappe = handling(u"AkopierMappe"_qs, u"Kopier mappe"_qs, u"Kopier aktuelle mappe: Ctrl+M"_qs, "Ctrl+M",
                            &TGalForm::AkopierMappeExecute);
    AopenSF = handling(u"AopenSF"_qs, u"Åben i Stifinder"_qs, u"Åben aktuelle mappe i Stifinder: Ctrl+F"_qs, "Ctrl+F",
                       &TGalForm::AopenSFExecute);
    ADelete = handling(u"ADelete"_qs, u"Slet fil..."_qs, u"Slet valgte: Ctrl+D eller Del"_qs, "Ctrl+D", &TGalForm::ADeleteExecute);
    Amappe->setIcon(handlingsIkon(Handlingsbillede::Opdater));
    Avis->setIcon(handlingsIkon(Handlingsbillede::VisIStruktur2));
    AOpenPic->setIcon(handlingsIkon(Handlingsbillede::Koer));
    AKopier->setIcon(handlingsIkon(Handlingsbillede::Kopier));
    AkopierMappe->setIcon(handlingsIkon(Handlingsbillede::Kopier));
    AopenSF->setIcon(handlingsIkon(Handlingsbillede::Stifinder));
    ADelete->setIcon(handlingsIkon(Handlingsbillede::SletPapirkurv));

    BibKnap->setDefaultAction(Amappe);
    auto* menu = new QMenu(BibKnap);
    menu->addAction(AopenSF);
    menu->addAction(AkopierMappe);
    BibKnap->setMenu(menu);
    for (auto [knap, a] : {std::pair{u"AvisKnap", Avis}, {u"AOpenPicKnap", AOpenPic}, {u"AKopierKnap", AKopier},
                           {u"ADeleteKnap", ADelete}})
        findChild<QToolButton*>(QString::fromUtf16(knap))->setDefaultAction(a);

    connect(BVknapPlus, &QToolButton::clicked, this, [this] { saetAntal(AntalV + 1, AntalL); });
    connect(BVknapMinus, &QToolButton::clicked, this, [this] { saetAntal(AntalV - 1, AntalL); });
    connect(BLknapPlus, &QToolButton::clicked, this, [this] { saetAntal(AntalV, AntalL + 1); });
    connect(BLknapMinus, &QToolButton::clicked, this, [this] { saetAntal(AntalV, AntalL - 1); });
}

void TGalForm::bindPanel()
{
    connect(BibPan, &TFCompo::OnAntalIalt, this, [this](int antal) {
        antalEdit->setText(QString::number(antal));
        nulstilSkakt();
    });
    connect(BibPan, &TBibPan::OnProgress, StepPan, &TProgressCompo::SetPosition);
    connect(StepPan, &TProgressCompo::OnProgress, this,
            [this](int procent) { StepPan->setTekst(QString::number(procent) + u'%'); });
    // A grid that has not room for the fields asked shows fewer; the counts say so.
    connect(BibPan, &TFCompo::OnFeltAntal, this, [this](int vandret, int lodret) {
        if (!isVisible())
            return;
        AntalV = vandret;
        AntalL = lodret;
        visAntal();
    });
    connect(BibPan, &TBibPan::OnUlaeselige, this, [this](int antal) {
        ulaeseligLabel->setText(antal == 0   ? QString()
                                : antal == 1 ? u"1 billede kunne ikke læses."_qs
                                             : u"%1 billeder kunne ikke læses."_qs.arg(antal));
    });
    connect(BibPan, &TKnapPan::OnStartNr, this, [this](int nr) {
        BibRul->setPosition(nr);
        visPosition();
    });
    connect(BibRul, &TRulskakt::OnPosition, this, [this](int pos) {
        BibPan->NytStartNr(pos, false);
        visPosition();
    });
    connect(BibPan, &TKnapPan::OnMus, this, [this](Qt::MouseButton knap, int nr) {
        vaelgBillede(nr);
        if (knap == Qt::RightButton && Avis->isEnabled())
            AvisExecute();
    });
    connect(BibPan, &TKnapPan::OnMusOut, this, &TGalForm::vaelgBillede);
    connect(BibPan, &TKnapPan::OnKey, this, [this](int key, int nr) {
        vaelgBillede(nr);
        opdaterHandlinger();
        if (key == 13 && Avis->isEnabled())
            AvisExecute();
        else if (key == Qt::Key_Delete && ADelete->isEnabled())
            ADeleteExecute();
    });
    connect(m_vagt, &Mappevagt::aendret, this, &TGalForm::mappeAendret);
    // The chosen picture's size is known once it is decoded.
    connect(&BibPan->pulje(), &TBilledPulje::klar, this, [this](int nr) {
        if (nr == m_valgtNr)
            visStoerrelse(nr);
    });
}

bool TGalForm::filhandlingTilladt() const
{
    return !m_hoved->optaget() && m_hoved->klar();
}

void TGalForm::opdaterHandlinger()
{
    const bool valgt = !picFilnavn.isEmpty() && filhandlingTilladt();
    const bool mappe = !BibPan->Bibliotek().isEmpty() && filhandlingTilladt();
    for (QAction* a : {Avis, AOpenPic, AKopier, ADelete})
        a->setEnabled(valgt);
    AkopierMappe->setEnabled(mappe);
    AopenSF->setEnabled(mappe);
}

void TGalForm::vaelgBillede(int nr)
{
    if (nr < 0 || nr >= int(BibPan->Bil.size()))
        return;
    const TBilRec& b = BibPan->Bil[size_t(nr)];
    m_valgtNr = nr;
    m_valgtStoerrelse = b.Storrelse;
    m_valgtAendret = b.AendretMs;
    picFilnavn = BibPan->GetFilnavn(nr, true);
    Navnfelt->setText(b.Filnavn);
    visStoerrelse(nr);
    visPosition();
    opdaterHandlinger();
}

void TGalForm::visStoerrelse(int nr)
{
    // Not decoded (yet, or ever): no size is known, so none is shown.
    const int b = BibPan->GetBredde(nr), h = BibPan->GetHojde(nr);
    Breddefelt->setText(b > 0 ? QString::number(b) : QString());
    Hojdefelt->setText(h > 0 ? QString::number(h) : QString());
}

void TGalForm::visAntal()
{
    BVedit->setText(QString::number(AntalV));
    BLedit->setText(QString::number(AntalL));
}

void TGalForm::glemValg()
{
    m_valgtNr = -1;
    picFilnavn.clear();
    for (QLineEdit* f : {Navnfelt, Breddefelt, Hojdefelt})
        f->clear();
    opdaterHandlinger();
}

void TGalForm::nulstilSkakt()
{
    BibRul->NyePos(BibPan->Antal(), std::max(0, BibPan->AntalIalt() - BibPan->Antal()), BibPan->StartNr());
    visPosition();
}

void TGalForm::visPosition()
{
    const int ialt = BibPan->AntalIalt();
    const int nr = m_valgtNr >= 0 ? m_valgtNr : BibPan->StartNr();
    positionLabel->setText(ialt > 0 ? u"%1 / %2"_qs.arg(nr + 1).arg(ialt) : QString());
}

void TGalForm::AmappeExecute()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    glemValg();
    ulaeseligLabel->clear();
    const QString mappe = m_hoved->struktur2Mappe();
    BibPan->NytBibliotek(mappe);
    m_vagt->vogt(mappe);
    mappeFelt->setText(mappe);
    nulstilSkakt();
    m_hoved->UdskrivInfo(u"Antal billeder: "_qs + QString::number(BibPan->AntalIalt()));
    laasStoerrelse();
    opdaterHandlinger();
    QApplication::restoreOverrideCursor();
}

void TGalForm::saetAntal(int vandret, int lodret)
{
    AntalV = std::clamp(vandret, 1, maxFeltAntal);
    AntalL = std::clamp(lodret, 1, maxFeltAntal);
    visAntal();
    // The box stays empty until it is loaded again at the new counts.
    glemValg();
    ulaeseligLabel->clear();
    BibPan->NewDirectory(AntalV, AntalL, QString());
    if (vandret < 1 || lodret < 1)
        m_hoved->UdskrivInfo(u"Et felt er mindste feltantal"_qs);
    else if (AntalV < vandret || AntalL < lodret)
        m_hoved->UdskrivInfo(u"Der er ikke plads til flere felter"_qs);
    m_vagt->vogt(QString());
    mappeFelt->clear();
    nulstilSkakt();
    StepPan->SetPosition(0);
    laasStoerrelse();
}

void TGalForm::formatKlik(int vandret, int lodret)
{
    BibPan->NytBibliotek(QString());
    tilladResize = true;
    laasStoerrelse();
    resize(549, 753);
    ladHaendelserKoere();
    tilladResize = false;
    saetAntal(vandret, lodret);
    ladHaendelserKoere();
    AmappeExecute();
}

void TGalForm::AvisExecute()
{
    m_hoved->visFilIStruktur2(picFilnavn);
}

void TGalForm::AOpenPicExecute()
{
    m_hoved->koerFil(picFilnavn);
}

void TGalForm::AKopierExecute()
{
    m_hoved->registrerElementer({picFilnavn});
}

void TGalForm::AkopierMappeExecute()
{
    m_hoved->registrerElementer({BibPan->Bibliotek()});
}

void TGalForm::AopenSFExecute()
{
    const int svar = Skal::instance().aabnMappe(BibPan->Bibliotek());
    if (svar <= 32)
        m_hoved->ErrorInfo(svar);
}

void TGalForm::ADeleteExecute()
{
    const QString fil = picFilnavn;
    const int skel = fil.lastIndexOf(u'\\');
    TspmForm spm(this);
    if (!spm.spoerg({u"Skal filen: "_qs + fil.mid(skel + 1), u"i mappen: "_qs + fil.left(skel),
                     u"slettes til papirkurv?"_qs, QString()}))
        return;
    // An operation may have begun while the question was open.
    if (!filhandlingTilladt())
        return;
    // Exactly the picture that was listed: not one changed or put in its place since.
    // A reload while the question was open has already let go of a changed file.
    const std::optional<DirEntry> nu = entryInfo(fil);
    if (fil != picFilnavn || !nu || nu->isDir || nu->size != m_valgtStoerrelse || nu->modifiedMs != m_valgtAendret) {
        visInformation(u"Filen er ændret eller findes ikke længere, siden billederne blev indlæst.\r"
                       "Den er ikke slettet."_qs);
        return;
    }
    QString fejl;
    if (!moveToTrash(fil, &fejl)) {
        visInformation(u"Filen kunne ikke slettes til papirkurv:\r"_qs + fejl);
        return;
    }
    m_hoved->fjernFraStruktur2(fil);
    m_hoved->UdskrivInfo(u"Der blev slettet til papirkurv"_qs);
    // Only its thumbnail goes; the next picture (at the end the one before) is chosen.
    const int nr = m_valgtNr;
    if (BibPan->GetFilnavn(nr, true) != fil) {
        genindlaes();
        return;
    }
    BibPan->FjernBillede(nr);
    if (BibPan->AntalIalt() > 0)
        vaelgBillede(std::min(nr, BibPan->AntalIalt() - 1));
    else
        glemValg();
    laasStoerrelse();
}

void TGalForm::genindlaes()
{
    const int start = BibPan->StartNr();
    const QString valgt = m_valgtNr >= 0 ? BibPan->GetFilnavn(m_valgtNr, false) : QString();
    if (!BibPan->FoelgMappe()) {
        ulaeseligLabel->clear();
        BibPan->NytStartNr(std::min(start, std::max(0, BibPan->AntalIalt() - BibPan->Antal())), true);
    }
    nulstilSkakt();
    const auto nu = std::find_if(BibPan->Bil.begin(), BibPan->Bil.end(), [&](const TBilRec& b) {
        return b.Filnavn == valgt && b.Storrelse == m_valgtStoerrelse && b.AendretMs == m_valgtAendret;
    });
    if (!valgt.isEmpty() && nu != BibPan->Bil.end())
        vaelgBillede(int(nu - BibPan->Bil.begin()));
    else
        glemValg();
    laasStoerrelse();
}

void TGalForm::mappeAendret(const QString& mappe)
{
    // A notice about a folder no longer shown (another is loading) is old news.
    if (isVisible() && mappe == BibPan->Bibliotek())
        genindlaes();
}

bool TGalForm::eventFilter(QObject* obj, QEvent* e)
{
    switch (e->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
        // The count buttons tell what they do on the main window's status bar.
        if (const QVariant t = obj->property("statustekst"); t.isValid())
            m_hoved->UdskrivInfo(e->type() == QEvent::Enter ? t.toString() : QString());
        break;
    case QEvent::Wheel:
        // The wheel over the grid turns the shaft, as the wheel over the shaft does.
        if (obj == BibPan) {
            BibRul->hjul(static_cast<QWheelEvent*>(e)->angleDelta());
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        // Only a double click on the chosen picture opens it; one on a gap or an empty field opens nothing.
        if (obj == BibPan && AOpenPic->isEnabled()) {
            const int felt = BibPan->feltVed(static_cast<QMouseEvent*>(e)->position().toPoint());
            if (felt >= 0 && BibPan->StartNr() + felt == m_valgtNr)
                AOpenPicExecute();
        }
        break;
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::WindowActivate:
        // Whether a file operation of the main window runs can change with any input.
        if (isVisible())
            QTimer::singleShot(0, this, &TGalForm::opdaterHandlinger);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(obj, e);
}

} // namespace kv

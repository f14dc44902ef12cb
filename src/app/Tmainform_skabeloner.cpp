// "Ny fil" with its templates, and the play lists of the selection in Struktur 2.
#include "app/THandlingsliste.h"
#include "ui/UdenAtStandse.h"
#include "app/Tmainform.h"
#include "fileops/Spilleliste.h"
#include "fileops/THandlinger.h"
#include "platform/ProgramPath.h"
#include "ui/Beskeder.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolButton>

namespace kv {

void Tmainform::skabelonTrin(const QString& navn)
{
    funkReady = false;
    funk->SkrivTekstfil(navn, Tekstdokument);
    if (sameTextAZ(funk->FFilMappe, funk->FMappe3))
        funk->makeStruktur3(funk->FMappe3);
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::spillelisteTrin(const QString& navn, int art)
{
    funkReady = false;
    // After a failure nothing is opened: the current file may be anything.
    if (funk->SkrivTekstfil(navn, art))
        OpenFilen(funk->FFilnavn, false);
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::bindSkabeloner()
{
    THandlingsliste& h = *handlinger;
    h.bind("skrivTekstfil", [this] { skabelonTrin(u"Tekstfil.txt"_qs); }, [this] {
        switch (funk->AktiveStruktur()) {
        case 1: return funkReady && funkNo < 5;
        case 2: return funkReady;
        default: return false;
        }
    });
    for (int n = 1; n <= 12; ++n) {
        const QByteArray navn = "fil0" + QByteArray::number(n);
        h.bind(navn.constData(), [this, navn] { skabelonTrin(handling(navn.constData())->text()); },
               [] { return true; });
    }
    const auto harFil = [this] { return !funk->FFilnavn.isEmpty(); };
    h.bind("aHTMLfilmliste", [this] { spillelisteTrin(u"Film_afspilningsliste.html"_qs, Filmliste); }, harFil);
    h.bind("aHTMLmusikliste", [this] { spillelisteTrin(u"Musik_afspilningsliste.html"_qs, Musikliste); }, harFil);
    h.bind("aHTMLbilledliste", [this] { spillelisteTrin(u"Billed_afspilningsliste.html"_qs, Billedliste); },
           harFil);
    // The button itself explains the lists; its arrow opens them.
    if (auto* knap = findChild<QToolButton*>(u"spillelisteKnap"_qs)) {
        knap->setToolTip(u"Musik, film og billeder som hjemmesider"_qs);
        knap->setPopupMode(QToolButton::MenuButtonPopup);
        connect(knap, &QToolButton::clicked, this, [] {
            visInformation(u"Det er op til den enkelte selv at vurdere,\rhvorvidt de valgte filer er egnede til\r"
                           u"Musikliste, Filmliste eller Billedliste."_qs);
        });
    }
}

} // namespace kv

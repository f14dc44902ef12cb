#pragma once
// The pictures of the main window's actions and buttons.
#include <QIcon>

class QAction;
class QToolButton;

namespace kv {

enum class Handlingsbillede {
    Ingen,
    FokusAktiv, FokusInaktiv,
    Tilbage, Frem, Op, Ned,
    Kopier, Klip, SaetInd,
    SletPapirkurv, SletPermanent, ToemPapirkurv,
    Omdoeb, OmdoebFelt, OmdoebExt, NyMappe, NyFil,
    Info, Hjaelp,
    Opdater, VisDrev, UdfoldValgte, UdfoldAlle, SammenfoldAlle,
    VisIStruktur1, VisIStruktur2, HentStruktur,
    Galleri, VaelgAlle, VaelgIngen, InverterValg,
    ProgramKoer, Koer, Rediger,
    LukLister, AfkrydsAlle, AfkrydsIngen, Fjern,
    Favorit, Gem, Hent, SletValgte, SletAlle, Punktstruktur, Niveaustruktur,
    PrivatMed, PrivatUden,
    Strukturfiler, TopBog, Situation, Stifinder,
    Kalender, Web, Soeg, Genveje, Applets, Opret, Indfoer, Google, YouTube,
    Notat, NotatGem, NotatHent, Fortryd, MarkerAlt, SletTekst,
    Spilleliste, Wmi, WmiListe, KopierSti, KopierNavn, Konsol,
    MarkerFiltype, IsolerFiltype,
    Skrivebord, Dokumenter, Musik, Videoer, Billeder, Favoritter,
    AlleBrugere, Overfoersler, Kontakter, OneDrive, Startmenu, AppData,
    KameraBilleder, KameraFilm,
    Luk,
};

// One shared icon per picture; Ingen gives a null icon.
const QIcon& handlingsIkon(Handlingsbillede b);

// A flat button with a picture and a hint, for buttons that are no actions.
QToolButton* billedknap(const QString& navn, Handlingsbillede b, const QString& hint);
// A text button for an action in a window's column of buttons, as wide as the column.
QToolButton* tekstknap(QAction* a);

} // namespace kv

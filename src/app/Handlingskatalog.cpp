#include "app/Handlingskatalog.h"

namespace kv {

const std::vector<Handlingsdef>& handlingskatalog()
{
    using B = Handlingsbillede;
    static const std::vector<Handlingsdef> katalog = {
        // Hjem-værktøjslinjen
        {"aEmptyRB", u"Tøm", u"Tøm papirkurv på valgte drev", "", B::ToemPapirkurv},
        {"Info", u"Info", u"Se valgte elements egenskaber: Ctrl+I", "Ctrl+I", B::Info},
        {"Copy", u"Kopier", u"Indsæt i kopieringslisten: Ctrl+C eller Insert", "Ctrl+C; Ins", B::Kopier},
        {"Cut", u"Klip", u"Klipper til sletning efter Sæt ind: Ctrl+X", "Ctrl+X", B::Klip},
        {"Paste", u"Sæt ind", u"Sæt ind fra kopieringslisten: Ctrl+V", "Ctrl+V", B::SaetInd},
        {"DeleteToPapirkurv", u"Slet", u"Slet til papirkurv: Ctrl+D eller Del", "Ctrl+D", B::SletPapirkurv},
        {"DeletePermanent", u"Slet", u"Slet permanent: Shift+Del", "Shift+Del", B::SletPermanent},
        {"Rename2", u"Omdøb", u"Omdøb valgte: F2", "F2", B::Omdoeb},
        {"Rename", u"Omdøb", u"Indfør det nye navn og omdøb: Ctrl+O", "Ctrl+O", B::OmdoebFelt},
        {"NyMappe", u"Mappe", u"Opret en ny mappe: Ctrl+M", "Ctrl+M", B::NyMappe},
        {"RenameExt", u"Omdøb",
         u"Indfør det nye efternavn og ombøb samtlige filer også i undermapper: Ctrl+U", "Ctrl+U", B::OmdoebExt},
        {"Fortryd", u"Fortryd", u"Fortryd seneste omdøbning, nye mappe eller flytning: Ctrl+Z", "Ctrl+Z", B::Ingen},
        {"skrivTekstfil", u"Ny fil", u"Indfør filnavn og opret en tekstfil eller vælg fra listen", "", B::NyFil},
        {"fil01", u"Tekstfil.txt", u"Almindelig tekstfil", "", B::NyFil},
        {"fil02", u"RichText.rtf", u"Rich Text tekstfil", "", B::NyFil},
        {"fil03", u"Hjemmeside.html", u"Hjemmeside fil", "", B::NyFil},
        {"fil04", u"ASP.asp", u"Active Server Page", "", B::NyFil},
        {"fil05", u"Includefile.inc", u"Include files kan anvendes i forbindelse med asp-sider", "", B::NyFil},
        {"fil06", u"ASA.asa", u"Active Server Application er af filtypen asp", "", B::NyFil},
        {"fil07", u"StyleSheet.css", u"CSS bruges til at definere layoutet på dine HTML-sider", "", B::NyFil},
        {"fil08", u"JavaScript.js",
         u"JavaScript er et programmeringssprog, der kan anvendes til hjemmesider", "", B::NyFil},
        {"fil09", u"VBscript.vbs",
         u"VBScript er et \"script\"-sprog, der fortolkes via Microsofts Windows Script Host", "", B::NyFil},
        {"fil010", u"WindowsScriptFiles.wsf",
         u"En Windows Script File er en filtype, der køres med Microsoft Windows Script Host", "", B::NyFil},
        {"fil011", u"Batch.bat",
         u"En batch fil er en script fil, der kan udføre forskellige kommandoer via en dos-konsol", "", B::NyFil},
        {"fil012", u"PowerShell.ps1", u"Windows PowerShell er en kommandolinjegrænseflade", "", B::NyFil},

        // Værktøjslinjen "Andre funktioner"
        {"progInformation", u"Info", u"Program information: F1", "F1", B::Hjaelp},
        {"opretGenveje", u"Genveje", u"Opret genveje til mapper og programmer: Ctrl+1", "Ctrl+1", B::Genveje},
        {"OpretSmappe", u"Opret", u"Åben boksen til oprettelse af strukturmapper: Ctrl+2", "Ctrl+2", B::Opret},
        {"winApp", u"Applets", u"Åben Window Applets: Ctrl+3", "Ctrl+3", B::Applets},
        {"visKalender", u"Kalender", u"Vis kalender: Ctrl+4", "Ctrl+4", B::Kalender},
        {"progInsert", u"Indfør", u"Indfør, rediger eller fjern program: Ctrl+5", "Ctrl+5", B::Indfoer},
        {"webGrupper", u"Webadresser", u"Administrer webgrupper og adresser: Ctrl+6", "Ctrl+6", B::Web},
        {"findTekst", u"Søg", u"Søg i tekstdokumenter i mapper: Ctrl+7", "Ctrl+7", B::Soeg},
        {"mDos", u"Dos konsollen...", u"Åben en dos-konsol", "", B::Ingen},
        {"mPowerShell", u"PowerShell...", u"Åbner en PowerShell-konsol", "", B::Ingen},

        // Mapper-værktøjslinjen: de kendte og de specielle mapper, og skiftet mellem de to linjer
        {"Adesktopdir", u"Skrivebord", u"Åben skrivebordsmappen", "", B::Skrivebord},
        {"Adokudir", u"Dokumenter", u"Åben dokumentmappen", "", B::Dokumenter},
        {"Amusikdir", u"Musik", u"Åben musikmappe", "", B::Musik},
        {"Avideodir", u"Videoer", u"Åben videomappen", "", B::Videoer},
        {"Apicdir", u"Billeder", u"Åben billedmappe", "", B::Billeder},
        {"AallUsers", u"Alle brugere", u"Hurtig adgang til Alle brugere", "", B::AlleBrugere},
        {"Aalldocu", u"Dokumenter", u"Åben alle brugeres dokumentmappe", "", B::AlleBrugere},
        {"AallMusik", u"Musik", u"Åben alle brugeres musikmappe", "", B::AlleBrugere},
        {"AallPic", u"Billeder", u"Åben alle brugeres billedmappe", "", B::AlleBrugere},
        {"AallVideo", u"Videoer", u"Åben alle brugeres videomappe", "", B::AlleBrugere},
        {"aFavoritmappe", u"Favoritter", u"Åben favoritmappen", "", B::Favoritter},
        {"Aprogdir", u"AppData", u"Åben AppData mappen", "", B::AppData},
        {"aStartMappe", u"Startmenu", u"Åbner startmenumappen", "", B::Startmenu},
        {"aDownload", u"Overførsler", u"Hurtig adgang til Downloads", "", B::Overfoersler},
        {"aKontakter", u"Kontakter", u"Hurtig adgang til Kontakter", "", B::Kontakter},
        {"aOneDrev", u"OneDrive", u"Hurtig adgang til OneDrive mappen på computeren", "", B::OneDrive},
        {"aKamBil", u"Billeder", u"Hurtig adgang til kamera billedmappe, hvis indført i egenskaber", "",
         B::KameraBilleder},
        {"aKamFilm", u"Film", u"Hurtig adgang til kamera filmmappe, hvis indført i egenskaber", "", B::KameraFilm},
        {"aVisMapper", u"Kendte mapper", u"Vis mapper", "", B::Ingen},
        {"aVisSpecielleMapper", u"Specielle mapper", u"", "", B::Ingen},

        // Værktøjslinjen over Struktur 1
        {"Fokus", u"Fokus", u"Angiver aktive struktur", "", B::FokusInaktiv},
        {"KunDrev", u"Vis drev", u"Opdater med aktuelle drev", "", B::VisDrev},
        {"OpdaterStruktur", u"Opdater", u"Opdater strukturen", "", B::Opdater},
        {"UdfoldValgte", u"Udfold valgte", u"Vis/Opdater valgte mappes indhold", "", B::UdfoldValgte},
        {"SammenfoldStruktur", u"Sammenfold strukturen", u"Sammenfold struktur", "", B::SammenfoldAlle},
        {"UdfoldStruktur", u"Udfold strukturen", u"Udfold strukturen", "", B::UdfoldAlle},

        // Værktøjslinjen over Struktur 2, og linjen under den med kør, program og spillelister
        {"Fokus2", u"Fokus2", u"Angiver aktive struktur", "", B::FokusInaktiv},
        {"aMappeRegu", u"Vis i struktur 1", u"Instil mappestrukturen til aktuelle mappe", "", B::VisIStruktur1},
        {"opdater2", u"Opdater", u"Opdater strukturen", "", B::Opdater},
        {"aGalleri", u"Galleri", u"Åben billedgalleriet til bmp, jpg og ico filer: Ctrl+Alt+G", "Ctrl+Alt+G",
         B::Galleri},
        {"selectAlleElementer", u"Vælg alle", u"Vælg alle elementer i aktive struktur(2 eller 3): Ctrl+A", "Ctrl+A",
         B::VaelgAlle},
        {"deselectElementer", u"Vælg ingen", u"Fravælg alle elementer i aktive struktur(2 eller 3): Ctrl+F",
         "Ctrl+F", B::VaelgIngen},
        {"inverterSelection", u"Inverter valg", u"Inverter valgte elementer i aktive struktur (2 eller 3)", "",
         B::InverterValg},
        {"progOpen2", u"Program", u"Åben valgte program eventuelt med valgt/valgte filer: Ctrl+P", "Ctrl+P",
         B::ProgramKoer},
        {"OpenFil2", u"Kør", u"Kør valgte fil, hvis muligt: Ctrl+K eller F9", "Ctrl+K; F9", B::Koer},
        {"OpenFil2Edit", u"Rediger", u"Rediger valgte fil om muligt: Ctrl+R", "Ctrl+R", B::Rediger},
        {"aHTMLmusikliste", u"HTML musikliste", u"Skriver en hjemmeside hvorfra den valgte musik kan afspilles", "",
         B::Spilleliste},
        {"aHTMLfilmliste", u"HTML filmliste", u"Skriver en hjemmeside hvorfra de valgte film kan afspilles", "",
         B::Spilleliste},
        {"aHTMLbilledliste", u"HTML billedliste", u"Skriver en hjemmeside hvorfra de valgte billeder kan vises", "",
         B::Spilleliste},

        // Kopilisternes værktøjslinjer: mappelisten, derefter fillisten
        {"lukKopilister", u"", u"Luk og annuller kopilisterne: Ctrl+L", "Ctrl+L", B::LukLister},
        {"selectAlle", u"Alle", u"Vælg alle mapper til Sæt ind", "", B::AfkrydsAlle},
        {"selectIngen", u"Ingen", u"Fravælg alle mapper til Sæt ind", "", B::AfkrydsIngen},
        {"sletValgteFraListe", u"Fjern", u"Fjern alle afkrydsede mapper fra listen", "", B::Fjern},
        {"selectAlle2", u"Alle", u"Vælg alle filer til Sæt ind", "", B::AfkrydsAlle},
        {"selectIngen2", u"Ingen", u"Fravælg alle filer til Sæt ind", "", B::AfkrydsIngen},
        {"sletValgteFraListe2", u"Fjern", u"Fjern alle afkrydsede filer fra listen", "", B::Fjern},

        // Stilinjen over strukturerne og stifeltets linje under dem
        {"Tilbage", u"", u"Gå til foregående eller første", "Alt+Left", B::Tilbage},
        {"Frem", u"Frem", u"Gå til efterfølgende eller sidste", "Alt+Right", B::Frem},
        {"aOpenMappeSF", u"", u"Åben aktuelle mappe i Stifinder: Ctrl+Alt+S", "Ctrl+Alt+S", B::Stifinder},
        {"aTopBog", u"", u"Vis/Skjul Topbogen: Ctrl+T", "Ctrl+T", B::TopBog},
        {"aInsertFavoritmappe", u"", u"Indsæt aktuelle mappe eller fil i relevante liste: Ctrl+N", "Ctrl+N",
         B::Favorit},
        {"SitInfo", u"", u"Vis eller skjul situations information: Ctrl+S", "Ctrl+S", B::Situation},

        // Højre panel: besøgte mapper
        {"hOp", u"Op", u"Flyt valgte op", "", B::Op},
        {"hNed", u"Ned", u"Flyt valgte ned", "", B::Ned},
        {"hSlet", u"Slet", u"Slet valgte", "", B::SletValgte},
        {"HistoryClear", u"Tøm", u"Tøm listen over besøgte mapper", "", B::SletAlle},
        {"hStruktur", u"Struktur", u"Fremstil en punktstruktur", "", B::Punktstruktur},
        {"hStruktur2", u"Struktur", u"Fremstil en niveaustruktur", "", B::Niveaustruktur},
        // Højre panel: favoritmapper
        {"fOp", u"", u"", "", B::Op},
        {"fNed", u"", u"", "", B::Ned},
        {"fSletValgte", u"Slet valgte", u"Slet valgte element fra listen", "", B::SletValgte},
        {"fSletAlle", u"Slet alle", u"Slet alle elementer fra listen", "", B::SletAlle},
        {"fStruktur", u"Struktur", u"Fremstil en punktstruktur", "", B::Punktstruktur},
        {"fStruktur1", u"Struktur", u"Fremstil en niveaustruktur", "", B::Niveaustruktur},
        // Højre panel: favoritfiler
        {"FLop", u"", u"Flyt valgte op", "", B::Op},
        {"FLned", u"", u"Flyt valgte ned", "", B::Ned},
        {"FLsletValgte", u"", u"Slet valgte element fra listen", "", B::SletValgte},
        {"FLsletAlle", u"", u"Slet alle elementer fra listen", "", B::SletAlle},
        {"FLopenProgram", u"Program", u"Kør aktive program med valgte fil som parameter", "", B::ProgramKoer},
        {"FLopen", u"Kør", u"Forsøg at køre valgte fil i listen", "", B::Koer},
        {"FLopenEdit", u"Rediger", u"Åben valgte fil i listen til redigering, hvis muligt", "", B::Rediger},
        // Højre panel: Struktur 3 og dens filefternavne (programlistens handlinger står under Struktur 2 og
        // "Andre funktioner")
        {"Fokus3", u"", u"Angiver aktive struktur", "", B::FokusInaktiv},
        {"aMappeRegu2", u"Vis i Struktur 1", u"Vis denne mappe i Struktur 1", "", B::VisIStruktur1},
        {"LoadStruktur3", u"Opdater", u"Indlæs mapper og filer fra valgte mappe i struktur 1", "", B::HentStruktur},
        {"aMappeRegu3", u"Vis i Struktur 2", u"Indstil Struktur 2 til denne mappe", "", B::VisIStruktur2},
        {"LoadStruktur32", u"LoadStruktur32", u"Indlæs mapper og filer fra Struktur 2", "", B::HentStruktur},
        {"opdater3", u"Opdater", u"Opdater strukturen", "", B::Opdater},
        {"strukGem3", u"Gem", u"Gem strukturens nuværende mappe", "", B::Gem},
        {"strukHent3", u"Hent", u"Hent strukturens gemte mappe", "", B::Hent},
        {"aExtType1", u"Vis", u"Fremhæv filer med indførte efternavn", "", B::MarkerFiltype},
        {"aExtType2", u"Isoler", u"Fremvis kun filer med indførte efternavn", "", B::IsolerFiltype},
        // Højre panel: noter og notatfeltets redigeringsmenu
        {"aHentNotat", u"Hent", u"Hent valgte notat: Ctrl+H", "Ctrl+H", B::NotatHent},
        {"aGemNotat", u"Gem", u"Gem nuværende notat: Ctrl+G", "Ctrl+G", B::NotatGem},
        {"EditUndo", u"Annuller", u"Annuller handling: Ctrl+Alt+Z", "Ctrl+Alt+Z", B::Fortryd},
        {"EditCut", u"Klip", u"Klip valgte tekst: Ctrl+Alt+X", "Ctrl+Alt+X", B::Klip},
        {"EditCopy", u"Kopier", u"Kopier valgte tekst: Ctrl+Alt+C", "Ctrl+Alt+C", B::Kopier},
        {"EditPaste", u"Sæt ind", u"Indsæt tekst fra klipbord: Ctrl+Alt+V", "Ctrl+Alt+V", B::SaetInd},
        {"EditSelectAll", u"Vælg alt", u"Vælg alt: Ctrl+Alt+A", "Ctrl+Alt+A", B::MarkerAlt},
        {"EditDelete", u"Slet", u"Slet valgte tekst: Del", "Del", B::SletTekst},

        // Topbogen: siden "Internet"
        {"webInsertInList", u"Indsæt", u"Indsæt i listen med kort navn", "", B::Indfoer},
        {"webUrl", u"Besøg", u"Besøg valgte url", "Ctrl+B", B::Web},
        {"googleUrl", u"Google", u"Søg på Google", "", B::Google},
        {"youtubeUrl", u"YouTube", u"Søg på YouTube", "", B::YouTube},
        {"webGrupper2", u"", u"Administrer webgrupper og adresser: Ctrl+6", "", B::Web},
        // Topbogen: siden "WMI"
        {"AloadListe", u"Hent classes",
         u"Hent (opdater) systemets wmi classes til namespace root/CIMV2. Dette kan tage lidt tid!", "", B::Wmi},
        {"Awmi", u"Indlæs classes", u"Indlæs classes til Namespace: root\\CIMV2 ", "", B::WmiListe},
        {"AmakeFile", u"Skriv scriptet", u"Skriver scriptet og åbner det", "", B::NyFil},
        {"AmakeFileHTML", u"Skriv HTML", u"Skriver scriptet og åbner det. Når det køres er output en html fil", "",
         B::Web},
        // Topbogen: siden "Information", henvisningerne til hjemmesiden
        {"tavlonUrlen", u"Forside", u"Tavlon forside", "", B::Web},
        {"kritikUrl", u"Ros kritik og mangler...", u"Hvis du har fundet fejl eller mangler så send en kritik", "",
         B::Web},
        {"TornhavenUrl", u"Tornhaven", u"Hjemmeside: Tornhaven", "", B::Web},

        // Kun genvejstast, intet kontrolelement
        {"LukProgram", u"LukProgram", u"Lukker programmet: Ctrl+Q", "Ctrl+Q", B::Luk},
        {"opdaterBegge", u"Opdater", u"Opdater struktur 1 samt struktur 2: F5", "F5", B::Opdater},
        // Ctrl+K and F9 belong to OpenFil2, which runs the same file: two
        // actions on one key would make the key do nothing.
        {"OpenFil", u"OpenFil", u"Åben valgte fil: Ctrl+K eller F9", "", B::Koer},
    };
    return katalog;
}

} // namespace kv

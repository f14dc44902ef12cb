#include "app/Tmainform.h"
#include "app/Beskeder.h"
#include "app/Programfiler.h"
#include "lists/TReopenFilerX.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "structures/TMapper.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

namespace kv {

Tmainform::Tmainform(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(u"mainform"_qs);
    byggVindue();
    setCursor(Qt::WaitCursor);

    opretStier();

    funk = new TMapper(this);
    funkNo = 100;

    opretListe(favDir, u"favoritmapper.txt"_qs, favoritliste, itBibliotek);
    opretListe(favFiler, u"favoritfiler.txt"_qs, favfilerListe, itFil);
    opretListe(findDir, u"findmapper.txt"_qs, mappeBoxen, itBibliotek);
    opretListe(findFiler, u"findfiler.txt"_qs, filBoxen, itFil);
    opretListe(historieDir, u"historiemapper.txt"_qs, HistorieListe, itBibliotek);

    opstart = true;

    funkReady = true;
    findOpstart = true;
    unsetCursor();
}

Tmainform::~Tmainform() = default;

QString Tmainform::getBrugernavn()
{
    const QString navn = Platform::instance().loginName();
    return navn.isEmpty() ? u"Brugernavn"_qs : navn;
}

void Tmainform::opretStier()
{
    BrugerNavn = getBrugernavn();
    setWindowTitle(u"Kvistlund: "_qs + BrugerNavn);

    QStringList fejl;
    const auto opret = [&](const QString& mappe) {
        QString grund;
        if (!folderExists(mappe) && !createFolder(mappe, &grund))
            fejl << grund;
    };

    hovedmappe = u"C:\\Kvistlund"_qs;
    opret(hovedmappe);
    programmappe = hovedmappe + u"\\Program"_qs;
    opret(programmappe);
    ikonDir = programmappe + u'\\' + programfiler::ikonMappe + u'\\';
    lydfilDir = programmappe + u'\\' + programfiler::lydMappe + u'\\';
    scriptDir = programmappe + u'\\' + programfiler::scriptMappe + u'\\';
    appletsDir = programmappe + u'\\' + programfiler::appletMappe + u'\\';
    infoDir = programmappe + u'\\' + programfiler::infoMappe + u'\\';
    wmidir = programmappe + u'\\' + programfiler::wmiMappe;
    wmiFile = wmidir + u"\\_wmiClasses.wsf"_qs;
    classFile = wmidir + u"\\classes.txt"_qs;
    udskrivFile = wmidir + u"\\_udskrivKode.wsf"_qs;
    udskrivFileHTML = wmidir + u"\\_udskrivKodeHTML.wsf"_qs;
    BrugerMappe = hovedmappe + u'\\' + BrugerNavn;
    opret(BrugerMappe);
    wmiMappe = BrugerMappe + u"\\WMI"_qs;
    opret(wmiMappe);
    NotatMappe = BrugerMappe + u"\\Noter\\"_qs;
    opret(NotatMappe);

    OptMappe = BrugerMappe + u"\\Egenskaber"_qs;
    if (!folderExists(OptMappe)) {
        QString grund;
        if (!createFolder(OptMappe, &grund)) {
            fejl << grund;
        } else {
            // A new user gets the sample web groups, never overwriting anything.
            const QString kilde = programmappe + u'\\' + programfiler::egenskaberMappe + u'\\';
            for (const QString& navn : programfiler::webskabeloner) {
                const CopyResult r = copyFile(kilde + navn, OptMappe + u'\\' + navn);
                if (!r.ok())
                    fejl << u"Filen \"%1\" kunne ikke kopieres:\r%2"_qs.arg(navn, r.error);
            }
        }
    }
    optFilnavn = OptMappe + u"\\MainEgenskaber.txt"_qs;
    webFilename = OptMappe + u"\\webliste.txt"_qs;
    webGruppefil = OptMappe + u"\\webgruppe.txt"_qs;
    webLagerfil = OptMappe + u"\\webLager.txt"_qs;

    mappestrukturDir = BrugerMappe + u"\\Mappestrukturer\\"_qs;
    opret(mappestrukturDir);
    brugerKalenderMappe = BrugerMappe + u"\\Kalender"_qs;
    opret(brugerKalenderMappe);
    brugerNotatMappe = BrugerMappe + u"\\Notater"_qs;
    opret(brugerNotatMappe);
    alarmTekster = BrugerMappe + u"\\Alarmtekster\\"_qs;
    opret(alarmTekster);
    alarmDir = BrugerMappe + u"\\Alarmer\\"_qs;
    opret(alarmDir);

    // Start-up goes on to a usable window; what failed is told once.
    if (!fejl.isEmpty())
        visFejl(fejl.join(u"\r\r"_qs));
}

void Tmainform::opretListe(TReopenFilerX*& liste, const QString& fil, QListWidget* boks, int type)
{
    liste = new TReopenFilerX(this);
    liste->setItemfile(OptMappe + u'\\' + fil);
    liste->setListeBoks(boks);
    liste->setItemtype(TItemtype(type));
}

QString Tmainform::getSpMappe(int nummer) const
{
    const QString profil = Platform::instance().profileFolder();
    const auto findes = [](const QString& sti) { return folderExists(sti) ? sti : QString(); };
    switch (nummer) {
    case 0: return findes(profil + u"\\Contacts"_qs);
    case 1: return findes(profil + u"\\OneDrive"_qs);
    case 2:
    case 3: {
        const QString kamera = findes(profil + u"\\Pictures\\Camera Roll"_qs);
        if (!kamera.isEmpty())
            return kamera;
        return nummer == 2 ? funk->GetMyPictures() : funk->GetMyVideo();
    }
    default: return QString();
    }
}

void Tmainform::UdskrivInfo(const QString& tekst)
{
    infobarPanel[2]->setText(tekst);
}

void Tmainform::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!opstart)
        return;
    try {
        favDir->HentReopenFiler();
        favFiler->HentReopenFiler();
    } catch (const Fejl& f) {
        visFejl(f.tekst());
    }
}

void Tmainform::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && opstart)
        opstart = false;
}

void Tmainform::closeEvent(QCloseEvent* event)
{
    delete funk;
    funk = nullptr;
    for (TReopenFilerX** liste : {&favDir, &favFiler, &findDir, &findFiler}) {
        delete *liste;
        *liste = nullptr;
    }
    event->accept();
}

void Tmainform::LukProgramExecute()
{
    // Ends at once: no close query and no close steps, so nothing is saved.
    QApplication::exit(0);
}

} // namespace kv

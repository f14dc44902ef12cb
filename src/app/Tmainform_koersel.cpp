// Opening, running and editing files through the desktop's shell.
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/Skal.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTabWidget>

namespace kv {

void Tmainform::runFilname(const QString& aFilename)
{
    // A file that vanished meanwhile is passed over.
    if (!fileExists(aFilename))
        return;
    ErrorNumber = Skal::instance().aabn(aFilename, fileRunNumber == 1);
    if (ErrorNumber <= 32)
        ErrorInfo(ErrorNumber);
}

void Tmainform::OpenFilen(const QString& aFilnavn, bool forRedigering)
{
    const int svar = Skal::instance().aabn(aFilnavn, forRedigering);
    if (svar <= 32)
        ErrorInfo(svar);
}

QString Tmainform::fejltekst(int Nr)
{
    switch (Nr) {
    case 0: return u"Operationssystemet er løbet tør for hukommelse eller resourcer."_qs;
    case 2: return u"Den specificerede fil blev ikke fundet."_qs;
    case 3: return u"Stien blev ikke fundet."_qs;
    case 5: return u"Operationssystemet forbød adgang til filen."_qs;
    case 8: return u"Der var ikke hukommelse nok til at fuldføre operationen."_qs;
    case 11: return u"Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image)."_qs;
    case 26: return u"Der opstod en \"sharing violation\"."_qs;
    case 27: return u"Filnavnsassociatonen er ukomplet eller invalid"_qs;
    case 28: return u"\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\"."_qs;
    case 29: return u"\"DDE transaction\" mislykkedes."_qs;
    case 30:
        return u"Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
               u"fordi andre \"DDE transactions\" skulle udføres."_qs;
    case 31:
        return u"Der er ikke associeret noget program til givne filefternavn.\r"
               u"Der er muligvist valgt: For redigering.\rDer skal muligvist vælges: For kørsel."_qs;
    case 32: return u"Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet."_qs;
    default: return u"Meningsløs operation eller ukendt fejl."_qs;
    }
}

void Tmainform::ErrorInfo(int Nr)
{
    if (Nr == 31)
        topBog->setCurrentIndex(1);
    QMessageBox box(QMessageBox::Information, u"Fejlinformation"_qs, fejltekst(Nr).replace(u'\r', u'\n'),
                    QMessageBox::Ok, this);
    box.exec();
}

void Tmainform::koerFil(int nummer, const QString& fil)
{
    fileRunNumber = nummer;
    runFilname(fil);
}

void Tmainform::bindKoersel()
{
    const auto erFil = [this] { return funkReady && funkNo == 1; };
    handlinger->bind("OpenFil2", [this] { koerFil(0, funk->FFilnavn); }, erFil);
    handlinger->bind("OpenFil2Edit", [this] { koerFil(1, funk->FFilnavn); }, erFil);
    handlinger->bind("OpenFil", [this] { koerFil(0, funk->FFilnavn); }, [this] { return !funk->FFilnavn.isEmpty(); });
}

} // namespace kv

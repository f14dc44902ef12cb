#pragma once
// What a function window, a page of the main window or the picture box may
// ask of the program. The main window implements it; tests may give a window
// a small host of their own. Nothing below the main window reaches into it
// any other way.
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QCheckBox;
class QObject;
class QRect;
class QWidget;

namespace kv {

class TAlarmplan;
class TFunktionsform;
class TMenuExeFiler;

// The data folder's paths, fixed when the program starts. A folder path ends
// in a backslash where its name says Dir.
struct Datastier {
    QString BrugerNavn;
    QString hovedmappe, programmappe, ikonDir, lydfilDir, scriptDir, appletsDir, infoDir;
    QString wmidir, wmiFile, classFile, udskrivFile, udskrivFileHTML;
    QString BrugerMappe, wmiMappe, NotatMappe, OptMappe, optFilnavn;
    QString webFilename, webGruppefil, webLagerfil;
    QString mappestrukturDir, brugerNotatMappe, alarmTekster, alarmDir;
    QString standardKalenderMappe;  // the calendar's folder until the user chooses another
};

class Funktionsvaert {
public:
    virtual ~Funktionsvaert() = default;

    virtual const Datastier& stier() const = 0;
    // The calendar's own folder, chosen by the user.
    virtual QString kalenderMappe() const = 0;
    virtual void saetKalenderMappe(const QString& mappe) = 0;

    // The structures: the folder of the active one, Struktur 2's folder, the
    // current element, which structure is active and the path field.
    virtual QString aktuelleMappe() const = 0;
    virtual QString struktur2Mappe() const = 0;
    virtual QString aktueltElement() const = 0;
    virtual int aktivStruktur() const = 0;
    virtual QString stiFelt() const = 0;
    // Calls handling, in modtager's lifetime, when the selection of any structure changes.
    virtual void vedValgSkift(QObject* modtager, std::function<void()> handling) = 0;
    // Struktur 2 shows the folder; aktiver makes it the active structure.
    virtual void visIStruktur2(const QString& mappe, bool aktiver) = 0;
    // Struktur 2 becomes active and shows the folder; historik records it as visited.
    virtual void aabnIStruktur2(const QString& mappe, bool historik) = 0;
    // Struktur 2 shows these elements, as the visited folders do.
    virtual void visListeIStruktur2(const QStringList& elementer) = 0;
    // Struktur 1 becomes active and is expanded to the folder.
    virtual void udfoldIStruktur1(const QString& mappe) = 0;
    // Struktur 1 from a list of folders, as a point or a level structure.
    virtual void fremstilStruktur(const QStringList& mapper, bool punkt) = 0;
    // The menu of structure files is read again; medEditor fills the editor's lists too.
    virtual void loadMappeStruktur(bool medEditor) = 0;
    // Struktur 2 shows the file's folder with the file selected.
    virtual void visFilIStruktur2(const QString& fil) = 0;
    // A file deleted elsewhere leaves Struktur 2.
    virtual void fjernFraStruktur2(const QString& fil) = 0;
    // The elements go into the copy lists.
    virtual void registrerElementer(const QStringList& elementer) = 0;

    // Help, the status line, the shell's answers and the caption above the pages.
    virtual void InfoHelp(const QString& side, const QString& titel) = 0;
    virtual void UdskrivInfo(const QString& tekst) = 0;
    virtual void ErrorInfo(int nummer) = 0;
    virtual void saetBogTekst(const QString& tekst) = 0;

    // True while a paste, a delete or the emptying of a bin runs; the
    // structures must not be changed then.
    virtual bool optaget() const = 0;
    // False while the structures are being built.
    virtual bool klar() const = 0;

    // The main window's actions by name.
    virtual QAction* handling(const char* navn) const = 0;
    virtual void bindHandling(const char* navn, std::function<void()> udfoer, std::function<bool()> aktiv) = 0;
    // The enabling rules run again soon.
    virtual void opdaterHandlinger() = 0;

    virtual TAlarmplan* alarmer() const = 0;
    // The alarm plan reads the alarm files again.
    virtual void hentAlarmer() = 0;

    virtual TMenuExeFiler* programliste() const = 0;
    virtual void loadProgramBox() = 0;
    virtual void tilfoejProgram(const QString& sti, const QString& caption, int showType) = 0;
    // Opens a file with its program, or for editing.
    virtual void OpenFilen(const QString& fil, bool forRedigering) = 0;
    // Runs or opens the file as a double click does.
    virtual void koerFil(const QString& fil) = 0;

    // Docking (used by TFunktionsform): the main window itself, the free
    // area docked windows fill, the box that chooses outside, the tab row and
    // the screen's free area.
    virtual QWidget* vindue() = 0;
    virtual QWidget* dokOmraade() const = 0;
    virtual QCheckBox* funktionsBoks(int nummer) const = 0;
    virtual void funktionAabnet(int nummer, TFunktionsform* form) = 0;
    virtual void funktionLukket(int nummer) = 0;
    virtual void InsertTab(int nummer) = 0;
    // The width a docked window would get, the first one making room as InsertTab does.
    virtual int dokBredde() const = 0;
    virtual void CloseTab(const QString& caption) = 0;
    virtual void fokusTab(const QString& caption) = 0;
    virtual QRect skaermen() const = 0;
};

} // namespace kv

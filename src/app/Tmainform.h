#pragma once
// The main window: three folder structures, two copy lists, the path tabs,
// the right-hand panel with its pages, the top pages with the toolbars and
// options, and every path of the data folder.
#include "app/TEgenskaber.h"
#include "ui/Funktionsvaert.h"

#include <QMainWindow>
#include <QPointer>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QSessionManager;

namespace kv {

class TStiTabs;
class TFaneraekker;
class UgemtArbejde;
class THandlinger;
class Tdeleteform;
class Tkopieringsform;
class Tprogressform;
class THandlingsliste;
class TReopenFilerX;
class Tmappestrukturform;
class TFunktionsform;
class TrenameForm;
class TextForm;
class TAlarmplan;
class Talarmform;
class Tkalenderform;
class TInternetside;
class Tboksform;
class TDatopanel;
class TNotatpanel;
class Tinfoform;
class TGalForm;
class Levendemapper;
class TwmiSide;
class TDovenSide;
class TMenuExeFiler;
class TProgform;
class Tfindform;
struct Billedboksindstillinger;

class Tmainform : public QMainWindow, public Datastier, public Funktionsvaert {
    Q_OBJECT
public:
    // How much the constructor does: the whole start, or all but filling
    // Struktur 2, which the first showing then starts, so that a big folder
    // fills in a window already on the screen (the program's own start).
    enum class Opstart { Hel, Struktur2Bagefter };
    explicit Tmainform(QWidget* parent = nullptr, Opstart start = Opstart::Hel);
    ~Tmainform() override;

    static QString getBrugernavn();

    // The data folder's paths (Datastier) are fixed while the window is
    // created; the calendar folder is the user's choice.
    QString brugerKalenderMappe;

    // What function windows and pages ask of the program.
    const Datastier& stier() const override { return *this; }
    QString kalenderMappe() const override { return brugerKalenderMappe; }
    void saetKalenderMappe(const QString& mappe) override { brugerKalenderMappe = mappe; }
    QString aktuelleMappe() const override { return AktuelleMappe; }
    QString struktur2Mappe() const override;
    QString aktueltElement() const override;
    int aktivStruktur() const override;
    QString stiFelt() const override;
    void vedValgSkift(QObject* modtager, std::function<void()> handling) override;
    void visIStruktur2(const QString& mappe, bool aktiver) override;
    void visListeIStruktur2(const QStringList& elementer) override;
    void udfoldIStruktur1(const QString& mappe) override;
    void visFilIStruktur2(const QString& fil) override { selectFromGal(fil); }
    void registrerElementer(const QStringList& elementer) override;
    void saetBogTekst(const QString& tekst) override;
    bool klar() const override { return funkReady; }
    void bindHandling(const char* navn, std::function<void()> udfoer, std::function<bool()> aktiv) override;
    void opdaterHandlinger() override;
    TAlarmplan* alarmer() const override { return alarmplan; }
    TMenuExeFiler* programliste() const override { return MenuExe; }
    void koerFil(const QString& fil) override;
    QWidget* vindue() override { return this; }
    QWidget* dokOmraade() const override { return fritOmraade; }
    QCheckBox* funktionsBoks(int nummer) const override;
    void funktionAabnet(int nummer, TFunktionsform* form) override;
    void funktionLukket(int nummer) override;
    QRect skaermen() const override;

    THandlinger* funk = nullptr;
    Tkopieringsform* kopieringsform = nullptr;
    Tprogressform* progressform = nullptr;
    Tdeleteform* deleteform = nullptr;
    TReopenFilerX* favDir = nullptr;
    TReopenFilerX* favFiler = nullptr;
    TReopenFilerX* findDir = nullptr;
    TReopenFilerX* findFiler = nullptr;
    TReopenFilerX* historieDir = nullptr;
    THandlingsliste* handlinger = nullptr;

    bool opstart = false;
    bool funkReady = false;
    bool findOpstart = false;
    bool favChanged = false;
    int funkNo = 100;
    int AMfunktionsNumber = 0;
    int idSize = 20;
    QString AktuelleMappe;
    QStringList stiArray;
    QString OldNodeTekst;
    QString gemtMappe3;
    QString gemtFilMappe = u"C:"_qs;

    // Top pages and rows.
    QTabWidget* topBog = nullptr;
    QTabBar* tc = nullptr;
    TStiTabs* stibox = nullptr;
    QLineEdit* EditSti = nullptr;
    // Columns and panels.
    QWidget* BleftPanel = nullptr;
    QWidget* BleftPanel2 = nullptr;
    QWidget* BrightPanel = nullptr;
    QWidget* listePanel = nullptr;
    QWidget* listePanel2 = nullptr;
    QWidget* infoPanel = nullptr;
    QTreeWidget* MappeStruktur = nullptr;  // Struktur 1
    QTreeWidget* FilStruktur = nullptr;    // Struktur 2
    QTreeWidget* FilStruktur2 = nullptr;   // Struktur 3
    QTreeWidget* Mappeliste = nullptr;     // folder copy list
    QTreeWidget* Filliste = nullptr;       // file copy list
    QListWidget* HistorieListe = nullptr;
    QListWidget* favoritliste = nullptr;
    QListWidget* favfilerListe = nullptr;
    QListWidget* mappeBoxen = nullptr;
    QListWidget* filBoxen = nullptr;
    QTabWidget* Bog = nullptr;
    TFaneraekker* bogFaner = nullptr; // Bog's tabs in rows when they sit at its top
    QLabel* bogTekstLabel = nullptr;
    QLineEdit* MappeEdit3 = nullptr;
    QLineEdit* NavnEdit = nullptr;
    QLineEdit* AktiveStrukturEdit = nullptr;
    QLineEdit* AktuelleElementEdit = nullptr;
    QToolButton* tbPrivatMapper = nullptr;
    QToolBar* ToolbarMapper = nullptr;
    // Options of the "Hjem" and "Mapper" pages.
    QButtonGroup* spmBox = nullptr;
    QButtonGroup* resultBox = nullptr;
    QCheckBox* DelAfterPasteCheck = nullptr;
    QCheckBox* papirkurvCheck = nullptr;
    QCheckBox* LukCheck = nullptr;
    QCheckBox* rydCheck = nullptr;
    QCheckBox* DragDropCheck = nullptr;
    QCheckBox* kopiCheck = nullptr;
    QCheckBox* opdaterCheck = nullptr;
    QCheckBox* medtagPrivatCheck = nullptr;
    QCheckBox* placerPrivatCheck = nullptr;
    QRadioButton* mappeBox = nullptr;
    QRadioButton* mappeBox2 = nullptr;
    // The "Design" page.
    QComboBox* designBox = nullptr;
    QButtonGroup* tabBox = nullptr;
    QButtonGroup* progBox = nullptr;
    QButtonGroup* rpBox = nullptr;
    QLineEdit* maxFindEdit = nullptr;
    QCheckBox* hpSynligtBox = nullptr;
    // The host path of the current element beside the program's own path.
    QCheckBox* vaertsstiBox = nullptr;
    QLabel* vaertsstiPanel = nullptr;
    void visVaertssti();
    QListWidget* programBox = nullptr;
    QString designName = u"Sky"_qs;
    int maxElementer = 120;
    // Column layout page.
    QLineEdit* idSizeEdit = nullptr;
    QLineEdit* HojdeMedit = nullptr;
    QLineEdit* HojdeFedit = nullptr;
    // Context and drop-down menus.
    QMenu* PUdirbox = nullptr;
    QMenu* PUdirPrivate = nullptr;
    QMenu* PUdirboxDrev = nullptr;
    QMenu* PUfilbox = nullptr;
    QMenu* PUfilbox2 = nullptr;
    QMenu* PUdrev1 = nullptr;
    QMenu* PUdrev = nullptr;
    // The menu of structure files and its choice of level or point structures.
    QMenu* PuMappeStruk = nullptr;
    QAction* hsMenuNiveau = nullptr;
    QAction* hsMenuPunkt = nullptr;
    QPointer<Tmappestrukturform> mappestrukturform;
    QTimer* Timer = nullptr;
    QTimer* TimerFil = nullptr;

    QAction* handling(const char* navn) const override;
    void UdskrivInfo(const QString& tekst) override;
    // Opens the help page S (a file name in the information folder) titled Inf.
    void InfoHelp(const QString& S, const QString& Inf) override;
    // The page the help window shows, empty while it is closed.
    QString webSide;
    QPointer<Tinfoform> infoform;
    QString getSpMappe(int nummer) const;
    void visSpecielMappe(const QString& sti);
    void DirectoryChange(bool makeSti);
    void makeStiTabs();
    QString getStiTil(int n) const;
    void visHistorieMappe();
    void visMapperBar();
    // The actions of bar 0 ("Kendte mapper") or 1 ("Specielle mapper") of the Folders toolbar.
    static const std::vector<const char*>& mapperBjaelke(int nummer);
    void genskabLayout();
    void makeStartStrukturer();
    // Structure files (Tmainform_strukturfiler.cpp).
    void loadMappeStruktur(bool medEditor) override;
    void addStrukturMenu(const QString& filnavn);
    void strukturMenuKlik(QAction* punkt);
    void makeSpMapper(int art);
    // Struktur 1 from a list of folders, as a point or a level structure; Struktur 1 becomes active.
    void fremstilStruktur(const QStringList& liste, bool punkt) override;
    void aabnMappestrukturform();
    // Removes the ticked rows of both copy lists when "Ryd" is ticked.
    void rydKopilister();
    void PasteExecute();
    void sletExecute(bool tilPapirkurv);
    // Starts editing a node's caption in place, when no other work runs.
    void redigeringStarter(QTreeWidgetItem* node);
    // The main settings (Tmainform_egenskaber.cpp). The values this window
    // has no control for yet are kept as read and written back unchanged.
    TEgenskaber egenskaber;
    bool egenskaberUlaeselige = false;  // the settings file exists but could not be read
    void hentEgenskaber();
    void gemEgenskaber();
    void standardEgenskaber();

    // Function windows in tabs (Tmainform_funktioner.cpp).
    int oldWidth = 0, oldHeight = 0;
    bool VisPanel3 = false;
    void InsertTab(int nummer) override;
    int dokBredde() const override;
    void CloseTab(const QString& caption) override;
    void fokusTab(const QString& caption) override;
    // The function window with this number (1..8); nullptr while it does not exist.
    TFunktionsform* funktionsvindue(int nummer) const;

    // The "Omdøb" and "Omdøb filtype" windows (Tmainform_omdoebning.cpp).
    TrenameForm* renameForm = nullptr;
    TextForm* extForm = nullptr;
    void RenameExecute();
    void RenameExtExecute();
    void NyMappeExecute();
    // Alarms and the calendar (Tmainform_kalender.cpp).
    TAlarmplan* alarmplan = nullptr;
    Talarmform* alarmform = nullptr;
    QPointer<Tkalenderform> kalenderform;
    void hentAlarmer() override;
    Talarmform* nyAlarmform();
    void aabnKalenderform();
    // Web addresses and groups (Tmainform_web.cpp): the page "Internet" and
    // the window "Webadresser". The pages "Internet", "WMI", "Datoer" and
    // "Noter" are made the first time they are shown or used.
    TInternetside* internetside();
    TDovenSide* internetFane = nullptr;
    QPointer<Tboksform> boksform;
    void aabnBoksform();
    // The pages "Datoer" and "Noter" of Bog.
    TDatopanel* datopanel();
    TNotatpanel* notatpanel();
    TDovenSide* datoFane = nullptr;
    TDovenSide* notatFane = nullptr;
    // The picture box (Tmainform_galleri.cpp), made the first time it is opened.
    QPointer<TGalForm> galform;
    void aabnGalform();
    // The picture box's settings, and what an open box has changed of them.
    Billedboksindstillinger billedboksindstillinger() const;
    void gemBilledboks(TEgenskaber& e) const;
    // Struktur 2 shows the file's folder with the file selected.
    void selectFromGal(const QString& fil);
    // A file deleted elsewhere leaves Struktur 2, the rest of it as it was.
    void fjernFraStruktur2(const QString& fil) override;
    // Applets, shortcuts, consoles and the WMI page (Tmainform_launchere.cpp).
    TwmiSide* wmiSide();
    TDovenSide* wmiFane = nullptr;
    // Text search in documents (Tmainform_tekstsoegning.cpp).
    QPointer<Tfindform> findform;
    void aabnFindform();
    // Drag and drop (Tmainform_traek.cpp): the roots of the source and target of the current drop.
    QString DrevSource, DrevDest;
    // What a drag from structure s carries: the selected elements as program
    // paths and as file URLs for other programs; nothing for a drive root.
    QMimeData* traekData(int s);
    // Starts a drag from structure s, as a press that became a drag does.
    void startTraek(int s);
    // Opening and running files (Tmainform_koersel.cpp): fileRunNumber 0 runs
    // or opens, 1 edits; ErrorNumber is the shell's answer to the last run.
    int fileRunNumber = 0;
    int ErrorNumber = 0;
    void runFilname(const QString& aFilename);
    void OpenFilen(const QString& aFilnavn, bool forRedigering) override;
    void ErrorInfo(int Nr) override;
    static QString fejltekst(int Nr);
    // The favourite, visited and found lists (Tmainform_favoritter.cpp).
    // A file's caption: its name after the last backslash.
    static QString filCaption(const QString& sti);
    void aabnIStruktur2(const QString& mappe, bool historik) override;
    void aInsertFavoritmappeExecute();
    // Find by name (Tmainform_soegning.cpp).
    QLineEdit* findTekstEdit = nullptr;
    QPushButton* findStopKnap = nullptr;
    QLabel* mapperOverskrift = nullptr;
    QLabel* filerOverskrift = nullptr;
    void findTekstKnapClick();
    // Information, the extension views of Struktur 3 and the path buttons (Tmainform_filinfo.cpp).
    QLineEdit* extEdit = nullptr;
    QLineEdit* antalExtEdit = nullptr;
    void InfoExecute();
    // New files from templates and play lists (Tmainform_skabeloner.cpp).
    void skabelonTrin(const QString& navn);
    void spillelisteTrin(const QString& navn, int art);
    // The program list (Tmainform_programmer.cpp).
    TMenuExeFiler* MenuExe = nullptr;
    QLabel* programLabel = nullptr;
    QPointer<TProgform> progform;
    void loadProgramBox() override;
    // Program i becomes the active program, shown in the status bar and on its page.
    void vaelgProgram(int i);
    // Starts the active program with these files; a refusal is explained.
    void startAktiveProgram(const QStringList& filer);
    // Appends a program, saves the list and shows it in the box.
    void tilfoejProgram(const QString& sti, const QString& caption, int showType) override;
    // "Check for programmer": shows the suggestions found; their number.
    int checkForProgrammer();
    // A folder or file named when the program was started: a folder opens in
    // Struktur 2 with Struktur 1 expanded to it, a file's folder with the file selected.
    void aabnSti(const QString& sti);
    // Another start of the program owns the settings: nothing is written at close.
    bool skrivebeskyttet = false;
    // The shown folders following the disk (Tmainform_levende.cpp).
    Levendemapper* levende = nullptr;
    // True while a paste, a delete or the emptying of a bin runs.
    bool optaget() const override { return m_optaget; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* obj, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Creation, in Tmainform_layout.cpp and the files named after their concern.
    void byggVindue();
    QWidget* byggTopBog();
    QWidget* byggSpalteside();
    void byggMenuer();
    void opretStier();
    void opretListe(TReopenFilerX*& liste, const QString& fil, QListWidget* boks, int type);
    void bindHandlinger();
    void bindStrukturHandlinger();
    void bindMapperHandlinger();
    void bindNavigation();
    void bindKopiering();
    void bindStrukturfiler();
    // Struktur 1 as the last-structure file says; false when there is none to show.
    bool genskabStruktur1();
    QWidget* byggDesignside();
    std::pair<QGroupBox*, QButtonGroup*> radiogruppe(const QString& navn, const QString& titel, const QString& hint,
                                                     std::initializer_list<const char16_t*> punkter);
    void bindFunktioner();
    void anvendEgenskaber(const TEgenskaber& e);
    void placerHoejrePanel();
    // Moves the window, frame and all, onto its screen's free area.
    void holdPaaSkaermen();
    // Gives the window back the size it had before the first tab, when it still
    // has the size the tabs gave it.
    void givStoerrelseTilbage();
    void bindOmdoebning();
    void bindKoersel();
    void bindFavoritter();
    QWidget* byggSoegeside();
    // Moves the selected row one up or down; gem writes the list at once.
    void flytIListe(TReopenFilerX* liste, bool op, bool gem);
    void bindListeHandlinger(TReopenFilerX* liste, const char* op, const char* ned, const char* slet,
                             const char* sletAlle, bool gemFlytning);
    // Struktur 1 from the list's existing folders, as a point or a level structure.
    void strukturFraListe(const TReopenFilerX* liste, bool punkt);
    void koerFil(int nummer, const QString& fil);
    void bindTraek();
    void bindKalender();
    void bindWeb();
    void bindInternetside(TInternetside* s);
    void bindFilinfo();
    void bindSkabeloner();
    // F1 and the help buttons (Tmainform_info.cpp).
    void bindInfo();
    void bindGalleri();
    void bindLaunchere();
    void bindProgrammer();
    void hentProgrammer();
    void visAktiveProgram();
    QWidget* byggProgramforslag();
    void bindTekstsoegning();
    void bindLevende();
    // Delete, F6 and the other keys of other file managers (Tmainform_taster.cpp).
    void bindTaster();
    // Shows a typed place: a folder in Struktur 2, a file selected in its folder.
    void gaaTilSti(const QString& tekst);
    // A drag entering, moving over or dropped on a structure (1 to 3) or the path tabs (4).
    bool traekHaendelse(int maal, QEvent* event);
    // The folder a drop at the point would go into, or empty.
    QString slipMappe(int maal, QPoint punkt) const;
    bool slip(int maal, QPoint punkt, const QMimeData* data);
    // Pastes exactly these elements, as a copy or a move, into the current
    // destination; rows waiting in the copy lists and "Klip" stay as they were.
    void saetIndKun(const QStringList& stier, bool flyt);

    // Tree events (Tmainform_strukturer.cpp).
    void visValgteMappe();
    void udfoldValgteMappe();
    void struktur2Klik();
    void struktur2DobbeltKlik();
    void struktur3Klik();
    void struktur3DobbeltKlik();
    void struktur1Udfoldet(QTreeWidgetItem* node);
    void redigeringSlutter(bool fortrudt);
    void TimerTimer();
    void TimerFilTimer();
    void visMappe3Felt();
    void privatMapperKlik();
    void saetFokusBilleder(int aktiv);
    int strukturNummer(QObject* obj) const;

    // Column layout (Tmainform_spalter.cpp).
    void saetBredde(QWidget* kolonne, int bredde);
    void saetHoejde(QWidget* panel, QLineEdit* felt, int hoejde);

    // Path tabs and visited folders (Tmainform_navigation.cpp).
    void stiTabSkift(int index);
    void historieTrin(bool tilbage);

    void LukProgramExecute();
    // Asks every open function window and page with unsaved work, in the
    // order they were opened, then saves or lets go as answered; false when
    // the user called it off or a save failed, and then nothing was let go.
    bool spoergOmUgemt();
    QList<UgemtArbejde*> ugemtArbejde() const;
    // The desktop's logout: the same questions, then settings and lists are written.
    void sessionSlutter(QSessionManager& session);
    // Runs a file operation under the busy guard: while it runs, every other
    // file operation, drop and copy-list edit is refused, and a close waits
    // for it. False when another one runs.
    bool underHandling(const std::function<void()>& handling);
    // A close or Ctrl+Q while an operation runs: asks, stops it, and carries
    // out the close when it has ended.
    void lukUnderHandling(bool afslut);
    void aabnForaeldermappe();
    // The bars of the three customisable toolbars, written when the program ends.
    void gemBjaelker() const;

    QLabel* infobarPanel[3] = {};
    QWidget* fritOmraade = nullptr;
    bool m_efterDobbeltKlik = false;
    QTreeWidgetItem* m_redigeret = nullptr;  // the node being edited in place
    bool m_optaget = false;
    const Opstart m_opstart;
    QString m_struktur2Venter;  // the folder Struktur 2 is to be filled with once shown
    QPointer<TFunktionsform> m_funktioner[9];
    // The open function windows in the order they were opened.
    QList<TFunktionsform*> m_aabningsorden;
    QSize m_tabStoerrelse;  // the size the first tab gave the window, if it changed it
    // What the first docked window does to the window: its new size, whether
    // the right-hand panel goes, and the free area's width then.
    struct Dokplads {
        QSize stoerrelse;
        bool skjulPanel = false;
        int bredde = 0;
    };
    Dokplads dokplads() const;
    QPoint m_trykPunkt;  // where the left button went down in a structure
    QTreeWidgetItem* m_svaever = nullptr;  // the Struktur 1 node a drag rests on
    QTimer* m_udfoldTimer = nullptr;
    enum class Efter { Intet, Luk, Afslut } m_efter = Efter::Intet;
};

} // namespace kv

#pragma once
// The main window: three folder structures, two copy lists, the right-hand
// panel with its pages, and every path of the data folder.
#include <QMainWindow>
#include <QString>

class QAction;
class QLabel;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace kv {

class TMapper;
class TReopenFilerX;

class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmainform(QWidget* parent = nullptr);
    ~Tmainform() override;

    static QString getBrugernavn();

    // Path fields, fixed while the window is created.
    QString BrugerNavn;
    QString hovedmappe, programmappe, ikonDir, lydfilDir, scriptDir, appletsDir, infoDir;
    QString wmidir, wmiFile, classFile, udskrivFile, udskrivFileHTML;
    QString BrugerMappe, wmiMappe, NotatMappe, OptMappe, optFilnavn;
    QString webFilename, webGruppefil, webLagerfil;
    QString mappestrukturDir, brugerKalenderMappe, brugerNotatMappe, alarmTekster, alarmDir;

    TMapper* funk = nullptr;
    TReopenFilerX* favDir = nullptr;
    TReopenFilerX* favFiler = nullptr;
    TReopenFilerX* findDir = nullptr;
    TReopenFilerX* findFiler = nullptr;
    TReopenFilerX* historieDir = nullptr;

    bool opstart = false;
    bool funkReady = false;
    bool findOpstart = false;
    int funkNo = 100;

    // Controls named as the rest of the program knows them.
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
    QLabel* bogTekstLabel = nullptr;
    QAction* LukProgram = nullptr;

    void UdskrivInfo(const QString& tekst);
    QString getSpMappe(int nummer) const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void byggVindue();
    void opretStier();
    void opretListe(TReopenFilerX*& liste, const QString& fil, QListWidget* boks, int type);
    void LukProgramExecute();

    QLabel* infobarPanel[3] = {};
};

} // namespace kv

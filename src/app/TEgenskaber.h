#pragma once
// The main settings file "MainEgenskaber.txt": 61 lines, one value a line.
// A value object that reads and writes the file without any window, so that
// what the main window applies and saves can be tested on its own.
#include <QString>
#include <QStringList>

namespace kv {

struct TEgenskaber {
    static constexpr int antalLinjer = 61;

    // The built-in defaults are the initial values below.
    QString designName = u"Sky"_qs;                               // 0
    int vinduesVenstre = 483, vinduesTop = 71;                    // 1, 2
    int vinduesBredde = 971, vinduesHoejde = 902;                 // 3, 4
    int resultBox = 0;                                            // 5
    QString findTekst;                                            // 6
    bool medtagPrivat = false, placerPrivat = true;               // 7, 8
    QString gemtFilMappe = u"C:"_qs;                              // 9
    int LastStrukturNo = 0;                                       // 10
    int bogSide = 0, topBogSide = 0;                              // 11, 12
    bool hsMenuNiveau = true;                                     // 13
    int fileRunNumber = 0;                                        // 14
    int idSize = 20;                                              // 15
    int listeHoejde = 225, spalte1 = 330;                         // 16, 17
    int listeHoejde2 = 225, spalte2 = 330, hoejrePanel = 286;     // 18, 19, 20
    bool visSpalte1 = true, visSpalte2 = true, visHoejre = true;  // 21, 22, 23
    QString kalenderMappe;                                        // 24
    int AMfunktionsNumber = 0;                                    // 25
    int tabBox = 0;                                               // 26
    QString exeProgram;                                           // 27
    int progBox = 0;                                              // 28
    bool mappeBox = false;                                        // 29
    bool visTopBog = false;                                       // 30
    int rpBox = 0;                                                // 31
    QString FDirMappe;                                            // 32
    bool hpSynligt = true;                                        // 33
    bool CheckInfo = false;                                       // 34
    int spmBox = 0;                                               // 35
    bool ryd = true;                                              // 36
    QString gruppenavn;                                           // 37
    bool CheckGenveje = false, CheckOpret = false;                // 38, 39
    bool CheckApplets = false, CheckKalender = false;             // 40, 41
    bool CheckInsert = false, CheckWeb = false;                   // 42, 43
    bool luk = true, papirkurv = true;                            // 44, 45
    bool CheckFind = false;                                       // 46
    bool visInfoPanel = false;                                    // 47
    QString gemtMappe3;                                           // 48
    bool dragDrop = false, kopiLister = true;                     // 49, 50
    // Hits in the find lists; beyond the ceiling no list stays usable.
    static constexpr int maxElementerLoft = 1'000'000;
    int maxElementer = 120;                                       // 51
    int notatHoejde = 200;                                        // 52
    int GBoxV = 4, GBoxL = 1;                                     // 53, 54
    int GBoxW = 549, GBoxH = 753, GBoxLeft = 100, GBoxTop = 100;  // 55 to 58
    int colIndex = 4;                                             // 59
    bool opdater = true;                                          // 60
    // Lines after the 61, from a newer version: written back as they came.
    QStringList ekstra;

    // A bad or missing line keeps its default; the good lines are taken.
    // Returns the numbers of the lines that were bad or missing.
    QList<int> laes(const QStringList& linjer);
    QStringList skriv() const;

    // The file itself; a file that cannot be read gives false, with the reason, and changes nothing.
    bool hent(const QString& sti, QString* fejl = nullptr);
    bool gem(const QString& sti, QString* fejl = nullptr) const;

    // The eight "Åben funktioner externt:" boxes by function number 1..8.
    bool& udenfor(int nummer);
    bool udenfor(int nummer) const { return const_cast<TEgenskaber*>(this)->udenfor(nummer); }
};

} // namespace kv

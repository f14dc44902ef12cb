#pragma once
// Third layer of the file-operations chain: the current element of the
// active structure, opening folders in Struktur 1, expanding nodes, the
// selection of Struktur 2 and 3, and the extension views of Struktur 3.
#include "structures/TMakeStrukturer.h"

#include <QPoint>

namespace kv {

// The context menu a right click chose for a structure.
enum class Kontekstmenu { Ingen, PUdirbox, PUdirPrivate, PUdirboxDrev, PUfilbox, PUfilbox2 };

class TFunktioner : public TMakeStrukturer {
    Q_OBJECT
public:
    explicit TFunktioner(QObject* owner);

    Kontekstmenu FMenu1 = Kontekstmenu::Ingen;  // Struktur 1
    Kontekstmenu FMenu2 = Kontekstmenu::Ingen;  // Struktur 2

    int getID(QString* fil = nullptr);
    QString getNodeInfo();
    bool getDirectory();
    QString getFocusDirectory(QPoint punkt);
    QString getFocusFilDirectory(QPoint punkt);
    bool udfoldFilDirectory();
    bool udfoldStruktur1(QString mappe);
    QString udfoldMappe(QString mappe);
    QString getSelected();
    void getMappe(QString& mappe);
    void SelectMapperFiler(int n);
    int fremvisFiltype(QString ext);
    // Struktur 3 with the files of one extension only; nothing when a newer fill ended it.
    std::optional<int> makeStrukturFil(QString ext);
    QString makeParamString();
    // The existing files among the selected nodes of Struktur 2 or 3, in tree
    // order; none while Struktur 1 is active.
    QStringList valgteFiler();
    bool udfoldNode(QTreeWidgetItem* node);
    QTreeWidgetItem* findDrevNode(int forsteRod, const QString& drev);
};

} // namespace kv

#pragma once
// Keeps the folders the structures show in step with the disk: one watch per
// shown folder (Struktur 2, Struktur 3 and every open, listed node of
// Struktur 1), a changed folder listed again at most once per half second,
// and the drive roots of Struktur 1 following the mount table.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QTreeWidgetItem;

namespace kv {

class Mappevagt;
class Monteringsvagt;
class TFunktioner;

class Levendemapper : public QObject {
    Q_OBJECT
public:
    explicit Levendemapper(TFunktioner& funk, QObject* parent = nullptr);

    // False while a file operation, an edit or a drag runs: changes wait for it.
    std::function<bool()> FLedig;
    // Told after a structure changed; true when the current element went.
    std::function<void(bool aktuelFjernet)> FonAendret;

    // Watches exactly the folders shown now.
    void synk();
    QStringList vogtede() const;
    // How many relistings changes have cost so far.
    int opfriskninger() const { return m_opfriskninger; }
    // A Struktur 1 node whose folder is gone leaves the tree; false when the folder is there.
    bool fjernHvisBorte(QTreeWidgetItem* node);

    // What a change of this folder or of the mount table does; public for tests.
    void opfrisk(const QString& mappe);
    void drevAendret();

private:
    void aendret(const QString& mappe);
    void tagVentende();
    QStringList viste() const;

    TFunktioner& m_funk;
    Mappevagt* m_vagt;
    Monteringsvagt* m_monteringer;
    QStringList m_venter;
    bool m_drevVenter = false;
    QTimer m_igen;
    int m_opfriskninger = 0;
};

} // namespace kv

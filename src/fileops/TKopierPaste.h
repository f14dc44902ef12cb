#pragma once
// Fifth layer of the file-operations chain: counting what a paste or delete
// will handle, the size texts, and the texts of the progress windows.
#include "fileops/TFilMappeInfo.h"
#include "platform/Slettetrae.h"

#include <QElapsedTimer>
#include <QStringList>
#include <vector>

namespace kv {

class Tdeleteform;
class Tprogressform;

class TKopierPaste : public TFilMappeInfo {
    Q_OBJECT
public:
    explicit TKopierPaste(QObject* owner);

    Tprogressform* FProgress = nullptr;
    Tdeleteform* FSlet = nullptr;

    int antalFiler = 0;
    int antalMapper = 0;
    qint64 totalSize = 0;
    qint64 posSize = 0;
    QStringList listeMapper;
    QStringList listeFiler;
    // What prepareDelete counted under each folder of listeMapper, for the delete to work through.
    std::vector<Slettetrae> mappeTraeer;

    // "999 bytes", "0,98 KB", "1,00 GB": the unit by the number of decimal
    // digits, the divisor 1024, the user's separators.
    static QString sizeText(qint64 n);
    // The size of a file; an empty file or a link counts as 1 byte.
    static qint64 fileSize(const QString& fil);

    qint64 prepareCopy(const QString& destination);
    qint64 prepareDelete(const QString& tekst);
    // The delete window reset for listeMapper, before anything is counted.
    void startSletning(const QString& tekst);
    bool countMappe(const QString& mappe);
    // Says so when a folder to count is gone.
    bool mappeFindes(const QString& mappe);
    void showCountInfo(bool kopi);

protected:
    // Lets the windows repaint and take a click on "Stop", a few dozen times
    // a second at most, so that many small files cost no more than a few.
    void behandlBeskeder(bool altid = false);
    // True when the windows are due for new texts: the same few dozen times a
    // second, since every change of a text asks for a repaint.
    bool visningKlar() const;
    void visningGivet();
    // Percent of the whole operation done.
    int procent() const;
    QString resterendeTekst() const;

    QElapsedTimer m_start;

private:
    QElapsedTimer m_sidst;
    bool m_taellerKopi = false;
};

} // namespace kv

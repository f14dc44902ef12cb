#pragma once
// A watch on folders: told once per folder when names in it have come, gone or
// been renamed, so a burst of changes (a paste of many files) gives one notice.
// By default a notice waits until the folder has been quiet for a while; with
// a least spacing set, it comes a short while after the first change and then
// at most once per spacing, so a folder that never rests is still followed.
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QSocketNotifier;

namespace kv {

class Mappevagt : public QObject {
    Q_OBJECT
public:
    explicit Mappevagt(QObject* parent = nullptr, int stilleMs = 300);
    ~Mappevagt() override;

    // Watches this folder (a program path) from now on, and no other; an
    // empty path stops the watch. False when the folder cannot be watched.
    bool vogt(const QString& mappe);
    QString mappe() const { return m_mapper.isEmpty() ? QString() : m_mapper.constBegin()->mappe; }

    // Watches exactly these folders; the watches of the others are released.
    // Gives the folders that could not be watched.
    QStringList vogtAlle(const QStringList& mapper);
    QStringList mapper() const;
    // Notices come at most once per this many milliseconds per folder.
    void setMellemrum(int ms) { m_mellemrumMs = ms; }

signals:
    // Also when the folder itself is gone or moved away.
    void aendret(const QString& mappe);

private:
    struct Vagt {
        QString mappe;
        qint64 forfald = -1;      // when the notice is due, -1 for none
        qint64 sidst = -1000000;  // when the last notice went
        bool doed = false;        // the kernel dropped the watch; gone after the notice
    };
    void laesHaendelser();
    void stop();
    int tilfoej(const QString& mappe);
    void planlaeg();
    void udloeb();

    int m_fd = -1;
    int m_stilleMs;
    int m_mellemrumMs = 0;
    QHash<int, Vagt> m_mapper;  // by watch descriptor
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_stille;
    QElapsedTimer m_ur;
};

} // namespace kv

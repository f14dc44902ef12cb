#pragma once
// A watch on one folder: told once when names in it have come, gone or been
// renamed and the folder has then been quiet for a while, so a burst of
// changes (a paste of many files) gives one notice.
#include <QObject>
#include <QString>
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
    QString mappe() const { return m_mappe; }

signals:
    void aendret(const QString& mappe);

private:
    void laesHaendelser();
    void stop();

    int m_fd = -1;
    int m_wd = -1;
    QString m_mappe;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_stille;
};

} // namespace kv

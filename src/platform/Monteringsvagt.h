#pragma once
// Told when a volume is mounted or unmounted anywhere: the kernel marks the
// mount table with POLLPRI when it changes.
#include <QObject>

class QSocketNotifier;

namespace kv {

class Monteringsvagt : public QObject {
    Q_OBJECT
public:
    explicit Monteringsvagt(QObject* parent = nullptr);
    ~Monteringsvagt() override;
    bool virker() const { return m_fd >= 0; }

signals:
    void aendret();

private:
    void laes();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kv

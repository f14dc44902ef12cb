#pragma once
// SIGTERM, SIGINT and SIGHUP as a Qt signal, so a program told to end by the
// system or a terminal closes its windows the usual way and keeps its settings.
#include <QObject>

class QSocketNotifier;

namespace kv {

class Afslutningssignal : public QObject {
    Q_OBJECT
public:
    explicit Afslutningssignal(QObject* parent = nullptr);
    ~Afslutningssignal() override;

signals:
    void afslut();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kv

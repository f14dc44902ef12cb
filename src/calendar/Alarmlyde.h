#pragma once
// The sounds of alarms that ring together, one after another on the one
// sound device: a new alarm never cuts the sound of one that rings, and an
// alarm window stops only its own sound.
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>

namespace kv {

class Alarmlyde : public QObject {
    Q_OBJECT
public:
    static Alarmlyde& instance();

    // Plays the file gange times for ejer, at once or after the sounds before
    // it; false when there is no sound device.
    bool spil(const QObject* ejer, const QString& fil, int gange);
    // Ends ejer's sound, or takes it out of the queue.
    void stop(const QObject* ejer);
    // True while the sound of someone else than ejer plays or waits.
    bool andenSpiller(const QObject* ejer) const;

private:
    explicit Alarmlyde(QObject* parent);
    void naeste();

    struct Afspilning {
        const QObject* ejer;
        QString fil;
        int gange;
    };
    std::deque<Afspilning> m_koe;
    const QObject* m_spiller = nullptr;  // whose sound plays now
    QTimer m_vagt;                       // looks for the end of the sound that plays
};

} // namespace kv

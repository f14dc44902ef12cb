#pragma once
// Long work (find by name, text search, counts, imports, script checks) on a
// worker thread. The work gets copies of its inputs when it starts, never a
// reference into a tree record or a window member; it hands its results to
// the window's thread in batches; and it stops within 100 ms when asked, when
// its owner goes (closing the window or the program), or when it is started
// again.
#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

namespace kv {

class Baggrundsjob : public QObject {
    Q_OBJECT
public:
    // What the work sees while it runs, on the worker thread.
    class Kontekst {
    public:
        // True once the job is asked to stop; the work checks it in every loop.
        bool stoppet() const { return m_stop->load(std::memory_order_relaxed); }
        // Runs fn on the owner's thread, in order, unless the job was
        // started again or is gone by then; after a stop what was found still comes.
        void lever(std::function<void()> fn) const;
        // True when a batch is due: at most every interval milliseconds.
        bool tidTilLevering();

    private:
        friend class Baggrundsjob;
        Baggrundsjob* m_job = nullptr;
        std::shared_ptr<std::atomic_bool> m_stop;
        qint64 m_sidst = 0;
        int m_interval = 50;
    };

    explicit Baggrundsjob(QObject* ejer);
    // Stops the work and waits for it, so nothing it uses is freed under it.
    ~Baggrundsjob() override;

    // Stops a job that runs, then starts arbejde on a worker thread; faerdig
    // runs on the owner's thread after the last batch, stopped or not.
    void start(std::function<void(Kontekst&)> arbejde, std::function<void(bool stoppet)> faerdig = {});
    // Asks the work to stop and waits for it to end.
    void stop();
    bool koerer() const { return m_traad && m_traad->isRunning(); }
    // How often a batch is delivered (ms).
    void saetInterval(int ms) { m_interval = ms; }

private:
    QThread* m_traad = nullptr;
    std::shared_ptr<std::atomic_bool> m_stop;
    int m_interval = 50;
};

} // namespace kv

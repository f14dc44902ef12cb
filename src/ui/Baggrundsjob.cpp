#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"

#include <QDateTime>
#include <QPointer>

namespace kv {

void Baggrundsjob::Kontekst::lever(std::function<void()> fn) const
{
    // Queued to the job object: Qt drops the call when the job is gone, and
    // a job started again meanwhile has a new flag, so this batch is not its.
    QMetaObject::invokeMethod(
        m_job,
        [job = m_job, stop = m_stop, fn = std::move(fn)] {
            if (job->m_stop == stop)
                fn();
        },
        Qt::QueuedConnection);
}

bool Baggrundsjob::Kontekst::tidTilLevering()
{
    const qint64 nu = QDateTime::currentMSecsSinceEpoch();
    if (nu - m_sidst < m_interval)
        return false;
    m_sidst = nu;
    return true;
}

Baggrundsjob::Baggrundsjob(QObject* ejer) : QObject(ejer) {}

Baggrundsjob::~Baggrundsjob()
{
    stop();
}

void Baggrundsjob::stop()
{
    if (!m_traad)
        return;
    m_stop->store(true);
    m_traad->wait();
    delete m_traad;
    m_traad = nullptr;
}

void Baggrundsjob::start(std::function<void(Kontekst&)> arbejde, std::function<void(bool)> faerdig)
{
    stop();
    m_stop = std::make_shared<std::atomic_bool>(false);
    Kontekst k;
    k.m_job = this;
    k.m_stop = m_stop;
    k.m_interval = m_interval;
    m_traad = QThread::create([k, arbejde = std::move(arbejde), faerdig = std::move(faerdig)]() mutable {
        // Whatever goes wrong outside the work's own checks is told, and the job still ends.
        try {
            arbejde(k);
        } catch (...) {
            k.lever([] { visInformation(u"Der opstod en ukendt fejl."_qs); });
        }
        const bool stoppet = k.stoppet();
        if (faerdig)
            k.lever([faerdig, stoppet] { faerdig(stoppet); });
    });
    m_traad->start();
}

} // namespace kv

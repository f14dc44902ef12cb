#pragma once
// Sound through ALSA on a worker thread, so the window never waits for it.
#include "platform/Lyd.h"

#include <atomic>
#include <thread>

namespace kv {

class AlsaLyd : public Lyd {
public:
    // enhed is an ALSA device name: "default", "null", "file:'/tmp/ud.raw',raw".
    explicit AlsaLyd(const QString& enhed = u"default"_qs) : m_enhed(enhed) {}
    ~AlsaLyd() override { stop(); }

    bool spil(const QString& fil, int gange) override;
    void stop() override;
    bool spiller() const override { return m_spiller; }
    // Waits until what plays has ended by itself.
    void vent();

private:
    QString m_enhed;
    std::thread m_traad;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_spiller{false};
};

} // namespace kv

#include "calendar/Alarmlyde.h"
#include "platform/Lyd.h"

#include <QCoreApplication>
#include <algorithm>

namespace kv {

Alarmlyde& Alarmlyde::instance()
{
    static Alarmlyde* lyde = new Alarmlyde(QCoreApplication::instance());
    return *lyde;
}

Alarmlyde::Alarmlyde(QObject* parent) : QObject(parent)
{
    m_vagt.setInterval(250);
    connect(&m_vagt, &QTimer::timeout, this, [this] {
        if (!Lyd::instance().spiller())
            naeste();
    });
}

bool Alarmlyde::spil(const QObject* ejer, const QString& fil, int gange)
{
    if (m_spiller && Lyd::instance().spiller()) {
        m_koe.push_back({ejer, fil, gange});
        return true;
    }
    m_spiller = ejer;
    const bool lyd = Lyd::instance().spil(fil, gange);
    if (lyd)
        m_vagt.start();
    else
        m_spiller = nullptr;
    return lyd;
}

void Alarmlyde::stop(const QObject* ejer)
{
    std::erase_if(m_koe, [ejer](const Afspilning& a) { return a.ejer == ejer; });
    if (m_spiller != ejer)
        return;
    Lyd::instance().stop();
    naeste();
}

bool Alarmlyde::andenSpiller(const QObject* ejer) const
{
    const bool spiller = m_spiller && m_spiller != ejer && Lyd::instance().spiller();
    return spiller || std::any_of(m_koe.cbegin(), m_koe.cend(), [ejer](const Afspilning& a) { return a.ejer != ejer; });
}

void Alarmlyde::naeste()
{
    m_spiller = nullptr;
    m_vagt.stop();
    while (!m_koe.empty()) {
        const Afspilning a = m_koe.front();
        m_koe.pop_front();
        if (spil(a.ejer, a.fil, a.gange))
            return;
    }
}

} // namespace kv

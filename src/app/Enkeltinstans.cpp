#include "app/Enkeltinstans.h"
#include "app/Tmainform.h"
#include "platform/Argumentsti.h"
#include "platform/FileSystem.h"
#include "platform/HostName.h"
#include "ui/Beskeder.h"

#include <QTimer>
#include <utility>

namespace kv {

Enkeltinstans::Enkeltinstans(QList<QByteArray> maal, QObject* parent)
    : QObject(parent), m_maal(std::move(maal))
{
}

// No argument holds a NUL, so it parts them.
QByteArray Enkeltinstans::pak(const QList<QByteArray>& maal)
{
    return maal.isEmpty() ? QByteArray() : maal.join('\0');
}

QList<QByteArray> Enkeltinstans::udpak(const QByteArray& besked)
{
    return besked.isEmpty() ? QList<QByteArray>() : besked.split('\0');
}

Instanskanal::Udfald Enkeltinstans::start()
{
    // What later starts hand over while the window is still being built waits for it.
    connect(&m_kanal, &Instanskanal::modtaget, this, [this](const QByteArray& besked) {
        if (m_vindue)
            modtag(*m_vindue, besked);
        else
            m_venter << besked;
    });
    return m_kanal.start(pak(m_maal), ventetidMs);
}

void Enkeltinstans::modtag(Tmainform& vindue, const QByteArray& besked)
{
    // A message that came as the window closed opens nothing.
    if (!vindue.isVisible())
        return;
    vindue.setWindowState(vindue.windowState() & ~Qt::WindowMinimized);
    vindue.show();
    vindue.raise();
    vindue.activateWindow();
    aabn(vindue, udpak(besked));
}

void Enkeltinstans::bind(Tmainform& vindue, Instanskanal::Udfald udfald)
{
    vindue.skrivebeskyttet = udfald == Instanskanal::Udfald::SvarerIkke;
    QTimer::singleShot(0, &vindue, [this, &vindue] {
        // Closed already (a SIGTERM at the start): nothing more to show.
        if (!vindue.isVisible())
            return;
        if (vindue.skrivebeskyttet)
            visInformation(u"Kvistlund kører allerede, men svarer ikke.\r"
                           "Dette vindue gemmer derfor ikke indstillingerne, når det lukkes."_qs);
        aabn(vindue, m_maal);
        // Then what later starts handed over meanwhile, the newest last.
        m_vindue = &vindue;
        for (const QByteArray& besked : std::exchange(m_venter, {}))
            modtag(vindue, besked);
    });
}

void Enkeltinstans::aabn(Tmainform& vindue, const QList<QByteArray>& maal)
{
    QStringList fejl;
    bool aabnet = false;
    for (const QByteArray& arg : maal) {
        const auto sti = programPathOfArgument(arg);
        if (!sti) {
            fejl << u"\"%1\" ligger ikke på noget drev og kan ikke åbnes."_qs.arg(decodeHostName(arg));
        } else if (!folderExists(*sti) && !fileExists(*sti)) {
            fejl << u"\"%1\" findes ikke."_qs.arg(*sti);
        } else if (!aabnet) {
            vindue.aabnSti(*sti);
            aabnet = true;
        }
    }
    if (!fejl.isEmpty())
        visInformation(fejl.join(u'\r'));
}

} // namespace kv

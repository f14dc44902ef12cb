#include "app/Enkeltinstans.h"
#include "app/Tmainform.h"
#include "platform/Argumentsti.h"
#include "platform/FileSystem.h"
#include "platform/HostName.h"
#include "ui/Beskeder.h"

#include <QTimer>

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
    return m_kanal.start(pak(m_maal), ventetidMs);
}

void Enkeltinstans::bind(Tmainform& vindue, Instanskanal::Udfald udfald)
{
    vindue.skrivebeskyttet = udfald == Instanskanal::Udfald::SvarerIkke;
    connect(&m_kanal, &Instanskanal::modtaget, &vindue, [&vindue](const QByteArray& besked) {
        vindue.setWindowState(vindue.windowState() & ~Qt::WindowMinimized);
        vindue.show();
        vindue.raise();
        vindue.activateWindow();
        aabn(vindue, udpak(besked));
    });
    QTimer::singleShot(0, &vindue, [&vindue, maal = m_maal] {
        if (vindue.skrivebeskyttet)
            visInformation(u"Kvistlund kører allerede, men svarer ikke.\r"
                           "Dette vindue gemmer derfor ikke indstillingerne, når det lukkes."_qs);
        aabn(vindue, maal);
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

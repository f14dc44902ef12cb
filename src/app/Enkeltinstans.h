#pragma once
// One Kvistlund per user and display. The first start owns the channel; a
// later start hands over the folders and files it was given, brings the
// first window forward and ends. When the first does not answer in time the
// later start runs without writing settings, so two never overwrite each other.
#include "platform/Instanskanal.h"

#include <QByteArray>
#include <QList>

namespace kv {

class Tmainform;

class Enkeltinstans : public QObject {
    Q_OBJECT
public:
    // How long a running start has to answer.
    static constexpr int ventetidMs = 2000;

    // maal: absolute paths and URLs, as absoluteArgument gives them.
    explicit Enkeltinstans(QList<QByteArray> maal, QObject* parent = nullptr);

    // Hands the targets over to a running start, or makes this one the owner.
    Instanskanal::Udfald start();

    // This start's window: it takes what later starts hand over, and is given
    // this start's own targets once the event loop runs.
    void bind(Tmainform& vindue, Instanskanal::Udfald udfald);

    // Opens the first target that exists; the rest are only checked, and
    // what cannot be opened is explained in one message.
    static void aabn(Tmainform& vindue, const QList<QByteArray>& maal);

    static QByteArray pak(const QList<QByteArray>& maal);
    static QList<QByteArray> udpak(const QByteArray& besked);

private:
    // Brings the window forward and opens what a later start handed over.
    static void modtag(Tmainform& vindue, const QByteArray& besked);

    QList<QByteArray> m_maal;
    Instanskanal m_kanal;
    Tmainform* m_vindue = nullptr;  // set once the window takes messages
    QList<QByteArray> m_venter;     // handed over before that
};

} // namespace kv

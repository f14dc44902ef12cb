#include "Stubbe.h"

#include <QDir>
#include <QFile>

namespace kvtest {

QString skrivStub(const QString& mappe, const QString& navn)
{
    QDir().mkpath(mappe);
    const QString sti = mappe + u'/' + navn;
    QFile f(sti);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("#!/bin/sh\necho \"$*\" >> \"$0.log\"\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return sti;
}

QStringList stubKald(const QString& mappe, const QString& navn)
{
    QFile f(mappe + u'/' + navn + u".log"_qs);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void skrivIndgang(const QString& mappe, const QString& id, const QByteArray& linjer)
{
    QDir().mkpath(mappe + u"/applications"_qs);
    QFile f(mappe + u"/applications/"_qs + id);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("[Desktop Entry]\nType=Application\nName=" + id.toUtf8() + "\n" + linjer);
}

Miljoe::~Miljoe()
{
    for (auto it = m_gamle.cbegin(); it != m_gamle.cend(); ++it) {
        if (it.value())
            qputenv(it.key().constData(), *it.value());
        else
            qunsetenv(it.key().constData());
    }
}

void Miljoe::saet(const char* navn, const QString& vaerdi)
{
    if (!m_gamle.contains(navn))
        m_gamle.insert(navn, qEnvironmentVariableIsSet(navn) ? std::optional(qgetenv(navn)) : std::nullopt);
    qputenv(navn, vaerdi.toUtf8());
}

} // namespace kvtest

#include "Ikonlager.h"
#include "RegularFile.h"
#include "Vaert.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace kv {

namespace {

constexpr QByteArrayView maerke = "Kvistlund ikoner 1\n";
// Pictures are small; anything bigger is not from us.
constexpr int maxKant = 1024;

std::unique_ptr<Ikonlager>& lageret()
{
    static std::unique_ptr<Ikonlager> l;
    return l;
}

// The build that draws: pictures from another one may look otherwise.
QByteArray programmetsIdentitet()
{
    struct stat st;
    if (::stat("/proc/self/exe", &st) != 0)
        return QByteArray();
    return QByteArray::number(qulonglong(st.st_ino)) + ' ' + QByteArray::number(qlonglong(st.st_size)) + ' ' +
           QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.' + QByteArray::number(qlonglong(st.st_mtim.tv_nsec)) +
           '\n';
}

template <typename T>
bool tag(const QByteArray& data, qsizetype& pos, T& vaerdi)
{
    if (data.size() - pos < qsizetype(sizeof(T)))
        return false;
    std::memcpy(&vaerdi, data.constData() + pos, sizeof(T));
    pos += sizeof(T);
    return true;
}

template <typename T>
void laegTil(QByteArray& data, T vaerdi)
{
    data.append(reinterpret_cast<const char*>(&vaerdi), sizeof(T));
}

} // namespace

QByteArray Ikonlager::standardFil()
{
    const QByteArray mappe = brugerensCachemappe();
    return mappe.isEmpty() ? mappe : mappe + "/kvistlund/ikoner";
}

Ikonlager* Ikonlager::aktiv()
{
    return lageret().get();
}

void Ikonlager::brug(const QByteArray& fil)
{
    if (auto& l = lageret(); l)
        l->startenErOver();
    lageret() = fil.isEmpty() ? nullptr : std::make_unique<Ikonlager>(fil);
    static int udgave = 0;
    const int denne = ++udgave;
    if (!lageret() || !QCoreApplication::instance())
        return;
    const auto slut = [denne] {
        if (udgave == denne)
            aktiv()->startenErOver();
    };
    QTimer::singleShot(5000, QCoreApplication::instance(), slut);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, QCoreApplication::instance(), slut);
}

Ikonlager::Ikonlager(QByteArray fil) : m_fil(std::move(fil)) {}

void Ikonlager::laesFil()
{
    m_laest = true;
    const auto data = readRegularFile(locateHostFile(m_fil), maxIkonlager);
    const QByteArray hoved = maerke.toByteArray() + programmetsIdentitet();
    if (!data || !data->startsWith(hoved))
        return;
    QHash<QString, QImage> billeder;
    qsizetype pos = hoved.size();
    while (pos < data->size()) {
        quint16 laengde = 0, bredde = 0, hoejde = 0;
        if (!tag(*data, pos, laengde) || data->size() - pos < laengde)
            return;
        const QString noegle = QString::fromUtf8(data->constData() + pos, laengde);
        pos += laengde;
        if (!tag(*data, pos, bredde) || !tag(*data, pos, hoejde) || bredde == 0 || hoejde == 0 || bredde > maxKant ||
            hoejde > maxKant)
            return;
        const qsizetype raekke = qsizetype(bredde) * 4;
        if (data->size() - pos < raekke * hoejde)
            return;
        QImage billede(bredde, hoejde, QImage::Format_ARGB32_Premultiplied);
        if (billede.isNull())
            return;
        for (int y = 0; y < hoejde; ++y, pos += raekke)
            std::memcpy(billede.scanLine(y), data->constData() + pos, raekke);
        billeder.insert(noegle, billede);
    }
    m_billeder = std::move(billeder);
    m_iFilen = QSet<QString>(m_billeder.keyBegin(), m_billeder.keyEnd());
}

QImage Ikonlager::hent(const QString& noegle)
{
    if (!m_laest)
        laesFil();
    const auto it = m_billeder.constFind(noegle);
    if (it == m_billeder.cend())
        return QImage();
    if (m_start)
        m_brugt.insert(noegle);
    return *it;
}

void Ikonlager::laeg(const QString& noegle, const QImage& billede)
{
    if (!m_laest)
        laesFil();
    if (billede.isNull() || billede.width() > maxKant || billede.height() > maxKant || noegle.toUtf8().size() > 0xffff)
        return;
    m_billeder.insert(noegle, billede.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    if (m_start)
        m_brugt.insert(noegle);
}

void Ikonlager::startenErOver()
{
    if (!m_start)
        return;
    skriv();
    m_start = false;
    m_brugt.clear();
}

bool Ikonlager::skriv()
{
    if (!m_laest || !m_start || m_brugt == m_iFilen)
        return true;
    QByteArray data = maerke.toByteArray() + programmetsIdentitet();
    for (const QString& n : std::as_const(m_brugt)) {
        const QByteArray noegle = n.toUtf8();
        const QImage b = m_billeder.value(n);
        laegTil(data, quint16(noegle.size()));
        data += noegle;
        laegTil(data, quint16(b.width()));
        laegTil(data, quint16(b.height()));
        for (int y = 0; y < b.height(); ++y)
            data.append(reinterpret_cast<const char*>(b.constScanLine(y)), qsizetype(b.width()) * 4);
    }
    if (data.size() > maxIkonlager)
        return false;
    const qsizetype skel = m_fil.lastIndexOf('/');
    QByteArray tmp;
    const int fd = skel > 0 && lavPrivatMappe(m_fil.left(skel)) ? openTemporaryBeside(m_fil, tmp) : -1;
    if (fd < 0)
        return false;
    const Fd luk(fd);
    if (!writeAll(fd, data.constData(), data.size()) || ::rename(tmp.constData(), m_fil.constData()) != 0) {
        ::unlink(tmp.constData());
        return false;
    }
    m_iFilen = m_brugt;
    return true;
}

} // namespace kv

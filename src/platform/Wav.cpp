#include "platform/Wav.h"

#include <QtEndian>
#include <cmath>

namespace kv {

std::optional<Wav> laesWav(const QByteArray& fil)
{
    if (fil.size() < 12 || !fil.startsWith("RIFF") || fil.mid(8, 4) != "WAVE")
        return std::nullopt;
    const auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(fil.constData() + i); };
    const auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(fil.constData() + i); };
    Wav wav;
    bool fmt = false, data = false;
    for (qsizetype i = 12; i + 8 <= fil.size();) {
        const QByteArray id = fil.mid(i, 4);
        const qint64 stoerrelse = u32(i + 4);
        const qsizetype start = i + 8;
        // A data chunk cut short by a broken file still plays what is there.
        const qsizetype ende = qMin<qint64>(start + stoerrelse, fil.size());
        if (id == "fmt ") {
            if (ende - start < 16 || u16(start) != 1)  // PCM only
                return std::nullopt;
            wav.kanaler = u16(start + 2);
            wav.rate = int(u32(start + 4));
            wav.bits = u16(start + 14);
            fmt = true;
        } else if (id == "data") {
            wav.data = fil.mid(start, ende - start);
            data = true;
        }
        i = start + stoerrelse + (stoerrelse & 1);
    }
    const bool gyldig = fmt && data && (wav.kanaler == 1 || wav.kanaler == 2) && wav.rate > 0
                        && (wav.bits == 8 || wav.bits == 16 || wav.bits == 24 || wav.bits == 32);
    if (!gyldig)
        return std::nullopt;
    const int ramme = wav.kanaler * wav.bits / 8;
    wav.data.truncate(wav.data.size() - wav.data.size() % ramme);
    return wav;
}

Wav indbygetTone()
{
    Wav wav;
    wav.rate = 22050;
    wav.data.resize(wav.rate);  // half a second of 16-bit mono
    auto* s = reinterpret_cast<qint16*>(wav.data.data());
    for (int i = 0; i < wav.rate / 2; ++i)
        s[i] = qToLittleEndian(qint16(8000 * std::sin(2 * M_PI * 880 * i / wav.rate)));
    return wav;
}

} // namespace kv

#include "platform/AlsaLyd.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"
#include "platform/Wav.h"

#include <alsa/asoundlib.h>

namespace kv {

namespace {

std::unique_ptr<Lyd>& installeret()
{
    static std::unique_ptr<Lyd> lyd = std::make_unique<AlsaLyd>();
    return lyd;
}

snd_pcm_format_t format(int bits)
{
    switch (bits) {
    case 8: return SND_PCM_FORMAT_U8;
    case 24: return SND_PCM_FORMAT_S24_3LE;
    case 32: return SND_PCM_FORMAT_S32_LE;
    default: return SND_PCM_FORMAT_S16_LE;
    }
}

} // namespace

Lyd& Lyd::instance() { return *installeret(); }
void Lyd::install(std::unique_ptr<Lyd> lyd) { installeret() = std::move(lyd); }

bool AlsaLyd::spil(const QString& fil, int gange)
{
    stop();
    const auto bytes = readRegularFile(fil, maxLydfil);
    const Wav wav = (bytes ? laesWav(*bytes) : std::nullopt).value_or(indbygetTone());
    snd_pcm_t* pcm = nullptr;
    // Opened without blocking: a busy or absent device must not hang the window.
    if (snd_pcm_open(&pcm, m_enhed.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    snd_pcm_nonblock(pcm, 0);
    if (snd_pcm_set_params(pcm, format(wav.bits), SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(wav.kanaler),
                           unsigned(wav.rate), 1, 200000) < 0) {
        snd_pcm_close(pcm);
        return false;
    }
    m_stop = false;
    m_spiller = true;
    m_traad = std::thread([this, pcm, wav, gange] {
        const int ramme = wav.kanaler * wav.bits / 8;
        const snd_pcm_uframes_t stykke = 1024;
        for (int g = 0; g < gange && !m_stop; ++g) {
            const char* p = wav.data.constData();
            snd_pcm_uframes_t tilbage = snd_pcm_uframes_t(wav.data.size() / ramme);
            while (tilbage > 0 && !m_stop) {
                const snd_pcm_sframes_t n = snd_pcm_writei(pcm, p, qMin(tilbage, stykke));
                if (n < 0) {
                    if (snd_pcm_recover(pcm, int(n), 1) < 0)
                        m_stop = true;
                    continue;
                }
                p += n * ramme;
                tilbage -= snd_pcm_uframes_t(n);
            }
        }
        m_stop ? snd_pcm_drop(pcm) : snd_pcm_drain(pcm);
        snd_pcm_close(pcm);
        m_spiller = false;
    });
    return true;
}

void AlsaLyd::vent()
{
    if (m_traad.joinable())
        m_traad.join();
}

void AlsaLyd::stop()
{
    m_stop = true;
    vent();
}

} // namespace kv

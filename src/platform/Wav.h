#pragma once
// Our own RIFF/WAVE reader: PCM of 8 to 32 bits, one or two channels, any rate;
// chunks it does not know are skipped, odd sizes padded as RIFF says.
#include <QByteArray>
#include <optional>

namespace kv {

struct Wav {
    int kanaler = 1;
    int rate = 44100;
    int bits = 16;
    QByteArray data;  // the samples as the file holds them
};

std::optional<Wav> laesWav(const QByteArray& fil);
// Half a second of a plain tone, for a sound file that cannot be played.
Wav indbygetTone();

} // namespace kv

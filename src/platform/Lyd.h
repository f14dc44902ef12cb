#pragma once
// Sound: plays a WAV file a number of times in a row, in the background, until
// it has ended or is stopped. Tests install their own.
#include <QString>
#include <memory>

namespace kv {

class Lyd {
public:
    virtual ~Lyd() = default;
    // Stops what plays, then plays the file (a program path) gange times; a
    // missing or bad file plays a built-in tone. False when there is no sound
    // device: nothing plays then.
    virtual bool spil(const QString& fil, int gange) = 0;
    virtual void stop() = 0;
    virtual bool spiller() const = 0;

    static Lyd& instance();
    static void install(std::unique_ptr<Lyd> lyd);
};

} // namespace kv

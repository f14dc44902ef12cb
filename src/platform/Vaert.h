#pragma once
// Host-path helpers shared inside the platform layer only.
#include "FileSystem.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <unistd.h>

namespace kv {

// The host path of a program path; nothing, with a reason, when no drive holds it.
std::optional<QByteArray> hostName(const QString& programPath, QString* error = nullptr);

// An injected failure sets errno and says so.
bool injiceret(FejlPunkt punkt, const QByteArray& vaert, qint64 skrevet = 0);

// The host's reason with the program path it concerns, as messages show it.
QString failure(const QString& path, int err);

struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd() { if (fd >= 0) ::close(fd); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

// Writes everything, going on after interrupted or partial writes.
bool writeAll(int fd, const char* data, qint64 size);

// Makes something under a new temporary name next to the target, for a copy
// that is renamed into place; make gives -1 with errno set when it fails, and
// is tried again with another name while that is EEXIST.
int makeBeside(const QByteArray& target, QByteArray& tempName, const std::function<int(const char*)>& make);
// Creates a unique file next to the target, for a write that is renamed into place.
int openTemporaryBeside(const QByteArray& target, QByteArray& tempName);

// The user's cache folder: $XDG_CACHE_HOME, else ~/.cache; empty without either.
QByteArray brugerensCachemappe();

// The host folder and those above it that are missing, for the user alone.
bool lavPrivatMappe(const QByteArray& mappe);

// Removes a host file, link or folder tree without following links; 0 or the
// first error number met.
int fjernVaertTrae(const QByteArray& vaert);

} // namespace kv

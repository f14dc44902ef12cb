#pragma once
// The clock: the local date and time. Tests install their own to move time.
#include <QDateTime>
#include <memory>

namespace kv {

class Ur {
public:
    virtual ~Ur() = default;
    virtual QDateTime nu() const { return QDateTime::currentDateTime(); }

    static Ur& instance();
    static void install(std::unique_ptr<Ur> ur);
};

inline QDateTime nu() { return Ur::instance().nu().toLocalTime(); }

} // namespace kv

#pragma once
// A window or page that may hold work the user has not saved. Closing the
// program asks each in turn before anything is written or let go, so that
// "Annuller" on any question leaves everything as it was.
#include <QStringList>

namespace kv {

class UgemtArbejde {
public:
    virtual ~UgemtArbejde() = default;
    // The lines of the question about what is unsaved; empty when nothing is.
    virtual QStringList ugemt() const { return {}; }
    // Writes the unsaved work; false when it could not, and then the work
    // stays where it was typed and the user has been told why.
    virtual bool gemUgemt() { return true; }
    // Lets the unsaved work go.
    virtual void kasserUgemt() {}
};

} // namespace kv

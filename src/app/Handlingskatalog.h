#pragma once
// Every action of the main window: name, caption, hint, shortcuts and picture.
// The main window creates one QAction per entry and binds the handlers by name.
#include "ui/Handlingsbilleder.h"

#include <vector>

namespace kv {

struct Handlingsdef {
    const char* navn;          // the action's name, also its objectName
    const char16_t* caption;   // empty when the action has no caption
    const char16_t* hint;      // tool tip and status-bar text, may be empty
    const char* genveje;       // shortcuts separated by "; ", such as "Ctrl+C; Ins"; empty for none
    Handlingsbillede billede;
};

const std::vector<Handlingsdef>& handlingskatalog();

} // namespace kv

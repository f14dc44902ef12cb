#pragma once
// The program's message boxes. A "\r" in a text is a line break.
#include <QString>

namespace kv {

// Information icon and one OK button.
void visInformation(const QString& tekst);
// The general error display for errors no operation handled.
void visFejl(const QString& tekst);

} // namespace kv

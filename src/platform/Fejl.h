#pragma once
// An error that an operation does not handle itself. It travels up to the
// action that caused it, which ends there and shows the text in a message box.
#include <QString>
#include <stdexcept>

namespace kv {

class Fejl : public std::runtime_error {
public:
    explicit Fejl(const QString& tekst) : std::runtime_error(tekst.toStdString()), m_tekst(tekst) {}
    const QString& tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

} // namespace kv

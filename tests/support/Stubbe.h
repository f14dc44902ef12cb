#pragma once
// Small programs and environments for tests of the installed scripts: a
// stub program that records its arguments, desktop entries, and environment
// variables set for one test and put back after it.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace kvtest {

// An executable sh script "navn" in mappe that appends its arguments, one
// line, to "navn.log" beside it.
QString skrivStub(const QString& mappe, const QString& navn);
// The arguments the stub has been started with, one string per start.
QStringList stubKald(const QString& mappe, const QString& navn);
// A desktop entry "id" in mappe/applications with these extra lines.
void skrivIndgang(const QString& mappe, const QString& id, const QByteArray& linjer = {});

// Sets variables until it goes out of scope.
class Miljoe {
public:
    Miljoe() = default;
    ~Miljoe();
    Miljoe(const Miljoe&) = delete;
    Miljoe& operator=(const Miljoe&) = delete;
    void saet(const char* navn, const QString& vaerdi);

private:
    QHash<QByteArray, std::optional<QByteArray>> m_gamle;
};

} // namespace kvtest

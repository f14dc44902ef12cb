#pragma once
// The desktop's shell: opens documents with their programs, runs programs and
// scripts, opens folders in the file manager. Its answers are those of the
// original platform's shell: above 32 is success, 32 or less an error code
// (2 no file, 3 no folder, 5 no access, 11 not a program, 26 busy,
// 27 a broken association, 31 no program associated).
#include <QString>
#include <memory>

namespace kv {

constexpr int skalUdfoert = 42;

class Skal {
public:
    virtual ~Skal() = default;

    static Skal& instance();
    static void install(std::unique_ptr<Skal> skal);

    // Runs a program or opens a document ("open"), or opens it for editing ("edit").
    virtual int aabn(const QString& fil, bool redigering) = 0;
    // Opens a folder in the desktop's file manager.
    virtual int aabnMappe(const QString& mappe) = 0;
};

} // namespace kv

#pragma once
// The desktop's shell: opens documents with their programs, runs programs and
// scripts, opens folders in the file manager. Its answers are those of the
// original platform's shell: above 32 is success, 32 or less an error code
// (2 no file, 3 no folder, 5 no access, 11 not a program, 26 busy,
// 27 a broken association, 31 no program associated).
#include <QString>
#include <QStringList>
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
    // Starts a program detached with an argument list, never through a shell:
    // the first entry is the program (a host path, or a name looked up on PATH),
    // then its arguments; mappe is the child's working folder (a host path, empty
    // to keep ours).
    virtual int startProgram(QStringList kommando, const QString& mappe) = 0;

    // The text that hands a program path to another program as an argument:
    // its host path, or a private link to it when the host name is not UTF-8.
    // Empty when the path has no host form.
    static QString argument(const QString& sti);

    // The installed program folder ("C:\\Kvistlund\\Program"): only inside it
    // do .vbs and .wsf files run, as the sh scripts they are there.
    static void saetProgrammappe(const QString& mappe);
    static QString programmappe();
};

} // namespace kv

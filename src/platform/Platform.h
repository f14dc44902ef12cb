#pragma once
// What the program asks of the operating system that is not a plain file
// operation: who is logged in, the drives, and where the special folders are.
// One platform is installed at a time; tests install their own.
#include "DriveTable.h"

#include <QString>
#include <memory>
#include <optional>

namespace kv {

enum class SpecialFolder {
    Desktop,
    Documents,
    Music,
    Pictures,
    Videos,
    Favorites,
    Downloads,
    LocalAppData,
    StartMenuPrograms,
    CommonDocuments,
    CommonMusic,
    CommonPictures,
    CommonVideos,
};

class Platform {
public:
    virtual ~Platform() = default;

    static Platform& instance();
    static void install(std::unique_ptr<Platform> platform);

    // Empty when the name cannot be read.
    virtual QString loginName() const = 0;
    virtual const DriveTable& drives() const = 0;
    // Reads the mounted volumes again; a drive keeps its letter while mounted.
    virtual void refreshDrives() {}
    // An existing folder as a program path, or nothing when it cannot be found.
    virtual std::optional<QString> specialFolder(SpecialFolder folder) const = 0;
    // The user's profile folder as a program path (the home drive's root on Linux).
    virtual QString profileFolder() const = 0;
    // The folder shared with other users ("Public"), whether or not it exists.
    virtual QString publicFolder() const = 0;
    // The recycle bin (a folder with "files" and "info") that takes a host
    // path, made when missing; empty when no bin can take it.
    virtual QString trashDirFor(const QString& hostPath) const = 0;
    // The recycle bins that may hold what was deleted from a drive, among
    // elements of other drives.
    virtual QStringList trashDirsOfDrive(QChar letter) const = 0;
    // The program folder's content as installed beside the program (as a
    // program path), or nothing when the program runs from its build folder.
    virtual std::optional<QString> installedProgramFolder() const { return std::nullopt; }
};

inline const DriveTable& drives() { return Platform::instance().drives(); }

} // namespace kv

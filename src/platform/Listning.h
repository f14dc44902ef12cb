#pragma once
// A folder listed as a structure shows it: only what tells a folder from a
// file is asked of the host, and the listing may run on another thread.
#include "FileSystem.h"

#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

namespace kv {

// The entries as a structure shows them: name, and whether each is a folder
// (a link to a folder too, as listFolder tells it), sorted. The folder's host
// path is found now; the listing it gives can then run on any thread, and
// gives nothing once a stop is asked for.
std::function<std::optional<std::vector<DirEntry>>(std::stop_token)> folderShownLister(const QString& folder);

// The same listing at once, on the calling thread.
std::optional<std::vector<DirEntry>> listFolderShown(const QString& folder);

// Only its folders, links to folders among them: what a folder tree unfolds.
// A big folder of files costs no look at each file.
std::optional<std::vector<DirEntry>> listSubfolders(const QString& folder);

} // namespace kv

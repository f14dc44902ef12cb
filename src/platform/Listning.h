#pragma once
// A folder listed for a structure, where the listing may run on another thread.
#include "FileSystem.h"

#include <functional>
#include <optional>
#include <vector>

namespace kv {

// The entries as a structure shows them: name, and whether each is a folder
// (a link to a folder too, as listFolder tells it), sorted. The folder's host
// path is found now; the listing it gives can then run on any thread.
std::function<std::optional<std::vector<DirEntry>>()> folderShownLister(const QString& folder);

} // namespace kv

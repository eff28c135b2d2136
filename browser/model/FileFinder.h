#pragma once
#include "browser/model/WildcardMask.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace browser {

// What the walk itself tests: the cheap tests, on the name and on what one stat tells.
struct FinderCriteria {
    std::string base; // the folder to search, as the file system spells it
    WildcardMask mask;
    bool recurse = true;
    bool includeHiddenFolders = false;
    // Inclusive bounds: bytes, and seconds since the epoch of the last change.
    std::optional<std::pair<std::int64_t, std::int64_t>> size;
    std::optional<std::pair<std::int64_t, std::int64_t>> modified;
};

struct FinderFile {
    std::string path;
    std::int64_t size = 0;
    std::int64_t modified = 0; // seconds since the epoch
};

// Walks a folder tree for the files that pass the cheap tests: each folder's sub-folders
// first, depth first, then its own files, as the user sees results come in.
//
// Only regular files are ever found, also behind links: a FIFO or a device would hang the
// reading of its header. Links to folders are not followed and a folder met twice (a bind
// mount of its parent) is searched once, so no tree is endless; /proc, /sys and /dev hold no
// photos and are passed over. The directory entries' own types spare a stat for every name
// the mask turns away.
class FileFinder {
  public:
    struct Events {
        std::function<void(const std::string& folder)> enteringFolder;
        std::function<void(FinderFile&&)> found;
    };

    FileFinder(FinderCriteria criteria, const std::atomic<bool>& stop);

    void run(const Events& events);

  private:
    void searchFolder(const std::string& folder, const Events& events);
    bool passes(const FinderFile& file) const;

    FinderCriteria criteria_;
    const std::atomic<bool>& stop_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> visited_; // device and inode
};

} // namespace browser

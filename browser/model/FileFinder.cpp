#include "browser/model/FileFinder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace browser {

namespace {

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool holdsNoPhotos(const std::string& folder) {
    return folder == "/proc" || folder == "/sys" || folder == "/dev";
}

std::string joined(const std::string& folder, const char* name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    return path += name;
}

// The folder's entries in the file system's order: sub-folders (never through a link) and
// the names that may be files. Entries whose type the file system does not tell are asked.
struct FolderEntries {
    std::vector<std::string> folders;
    std::vector<std::string> files;
    bool opened = false;
    std::uint64_t device = 0, inode = 0;
};

FolderEntries readFolder(const std::string& folder) {
    FolderEntries entries;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return entries;
    struct stat self {};
    if (::fstat(fd, &self) == 0) {
        entries.device = self.st_dev;
        entries.inode = self.st_ino;
    }
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return entries;
    }
    entries.opened = true;
    while (const dirent* entry = ::readdir(dir)) {
        if (isDotOrDotDot(entry->d_name))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(st.st_mode)   ? DT_DIR
                   : S_ISLNK(st.st_mode) ? DT_LNK
                   : S_ISREG(st.st_mode) ? DT_REG
                                         : DT_FIFO;
        }
        if (type == DT_DIR)
            entries.folders.emplace_back(entry->d_name);
        else if (type == DT_REG || type == DT_LNK)
            entries.files.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return entries;
}

} // namespace

FileFinder::FileFinder(FinderCriteria criteria, const std::atomic<bool>& stop)
    : criteria_(std::move(criteria)), stop_(stop) {
}

void FileFinder::run(const Events& events) {
    visited_.clear();
    searchFolder(criteria_.base, events);
}

void FileFinder::searchFolder(const std::string& folder, const Events& events) {
    if (holdsNoPhotos(folder))
        return;
    const FolderEntries entries = readFolder(folder);
    if (!entries.opened || !visited_.insert({entries.device, entries.inode}).second)
        return;
    if (criteria_.recurse)
        for (const std::string& name : entries.folders) {
            if (stop_.load(std::memory_order_relaxed))
                return;
            if (name[0] != '.' || criteria_.includeHiddenFolders)
                searchFolder(joined(folder, name.c_str()), events);
        }
    if (events.enteringFolder)
        events.enteringFolder(folder);
    for (const std::string& name : entries.files) {
        if (stop_.load(std::memory_order_relaxed))
            return;
        if (!criteria_.mask.matches(name))
            continue;
        FinderFile file{joined(folder, name.c_str())};
        // stat, not lstat: a link to a photo is found as the photo, a link to anything else
        // is not found at all.
        struct stat st {};
        if (::stat(file.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        file.size = std::int64_t(st.st_size);
        file.modified = std::int64_t(st.st_mtim.tv_sec);
        if (passes(file))
            events.found(std::move(file));
    }
}

bool FileFinder::passes(const FinderFile& file) const {
    if (criteria_.size && (file.size < criteria_.size->first || file.size > criteria_.size->second))
        return false;
    if (criteria_.modified &&
        (file.modified < criteria_.modified->first || file.modified > criteria_.modified->second))
        return false;
    return true;
}

} // namespace browser

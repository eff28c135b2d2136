#pragma once
#include <string>

namespace imaging {

struct SplitPath {
    std::string folder; // up to and including the last '/'; empty when there is none
    std::string file;
};

SplitPath splitPath(const std::string& path);

// The name an edited photo is stored under: an edit suffix "_1".."_6" advances round-robin
// ("_6" wraps to "_1"), any other name gains "_1"; the extension is always ".bmp". The folder
// part, if any, is kept.
std::string nextEditName(const std::string& name);

// The name without its edit suffix, with ".bmp": the file an edited photo started from.
std::string baseEditName(const std::string& name);

} // namespace imaging

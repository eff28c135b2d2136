#pragma once
#include <string>

namespace imaging {

struct SplitPath {
    std::string folder; // up to and including the last '/'; empty when there is none
    std::string file;
};

SplitPath splitPath(const std::string& path);

// The name an edited photo is stored under. `base` is the layer's own name, its project's
// name and its id ("trip_3"): an edit suffix "_1".."_6" right after it advances round-robin
// ("_6" wraps to "_1"), and any other name gains "_1". Only what follows the base counts, so
// a project named "trip_" never takes another layer's name. The extension is always ".bmp";
// the folder part, if any, is kept.
std::string nextEditName(const std::string& name, const std::string& base);
// The name before any edit: `name` without the edit suffix that nextEditName gave it, or
// `name` itself when it has none.
std::string uneditedName(const std::string& name, const std::string& base);

} // namespace imaging

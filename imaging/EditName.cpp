#include "imaging/EditName.h"

namespace imaging {

SplitPath splitPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {{}, path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

namespace {

std::string stem(const std::string& file) {
    const auto dot = file.find_last_of('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

// The digit of an "_n" suffix at the end of stem, or -1.
int editSuffix(const std::string& s) {
    const size_t n = s.size();
    if (n >= 2 && s[n - 2] == '_' && s[n - 1] >= '0' && s[n - 1] <= '9')
        return s[n - 1] - '0';
    return -1;
}

bool isEdited(const std::string& s, const std::string& base) {
    return s.size() == base.size() + 2 && s.compare(0, base.size(), base) == 0 &&
           editSuffix(s) >= 0;
}

} // namespace

std::string uneditedName(const std::string& name, const std::string& base) {
    const SplitPath parts = splitPath(name);
    const std::string s = stem(parts.file);
    if (!isEdited(s, base))
        return name;
    return parts.folder + s.substr(0, base.size()) + ".bmp";
}

std::string nextEditName(const std::string& name, const std::string& base) {
    const SplitPath parts = splitPath(name);
    std::string s = stem(parts.file);
    if (isEdited(s, base)) {
        const int n = editSuffix(s);
        s.back() = char('0' + (n < 6 ? n + 1 : 1));
    } else {
        s += "_1";
    }
    return parts.folder + s + ".bmp";
}

} // namespace imaging

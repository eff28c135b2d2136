#pragma once
#include "browser/model/FileFinder.h"
#include "browser/model/PixelCriteria.h"

namespace browser {

// Everything one search tests: first what the walk can tell from names and one stat, then, on
// what passed, what the picture's header tells.
struct SearchCriteria {
    FinderCriteria finder;
    PixelCriteria pixels;
};

} // namespace browser

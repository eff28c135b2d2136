#pragma once
#include <QString>

namespace browser {

// The folder a photo is copied or moved to, from what the user typed: "~" and "~/..." are in
// the home folder, a relative path lies in the folder shown, as in a shell.
class DestinationFolder {
  public:
    // The clean absolute path; empty for empty text.
    static QString resolve(const QString& typed, const QString& shownFolder);
};

} // namespace browser

#pragma once
#include <QString>

namespace quillax {

// The suite's read-only settings: the install folder (`Location`, ending in "/") and the
// editor's program name (`MEditor`). Looked up, fresh at every call, in the file named by
// QUILLAX_CONFIG, then $XDG_CONFIG_HOME/Quillax/Quillax.conf (default ~/.config), then
// /etc/xdg/Quillax/Quillax.conf. A missing file or key reads as the empty string. The
// programs never write it; installing does.
class Settings {
  public:
    static QString location();
    // The install folder to work in: `Location`, or, when the suite was never installed, the
    // user's data folder ($XDG_DATA_HOME/Quillax/), so nothing is ever written relative to
    // wherever the program happened to start. Always ends in "/".
    static QString installFolder();
    static QString editorName();
    static QString value(const QString& key);
    // The file the values come from now, or an empty string when there is none.
    static QString configFile();
};

} // namespace quillax

#pragma once
#include <QString>
#include <array>

namespace editor {

struct Paper {
    const char* name;
    int code; // the print system's number for the standard paper
    double widthMm;
    double heightMm;
};

// The papers offered when there is no printer to ask, and the last row after them.
class PaperTable {
  public:
    static const std::array<Paper, 14>& builtIn();
    static constexpr int kDefaultRow = 5; // "A4"
    static QString userDefinedName() { return QStringLiteral("User-defined Size"); }
};

} // namespace editor

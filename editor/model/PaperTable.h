#pragma once
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>

namespace editor {

struct Paper {
    const char* name;
    int code; // the print system's number for the standard paper
    double widthMm;
    double heightMm;
};

// The papers the Paper page offers, and which of them the page starts on.
struct PaperChoice {
    QStringList names;   // the rows of the paper list, "User-defined Size" last
    int paperIndex = -1; // the printer's paper, or -1 when the built-in papers are offered
    int shownRow = 0;    // the row selected at start
};

// The papers offered when there is no printer to ask, and the last row after them.
class PaperTable {
  public:
    static const std::array<Paper, 14>& builtIn();
    static constexpr int kDefaultRow = 5; // "A4"
    static QString userDefinedName() { return QStringLiteral("User-defined Size"); }
    // The size in millimetres of built-in row `row`; empty past the table.
    static QSizeF builtInSize(int row);

    // With a default printer, its forms, on the printer's default form or else the last
    // short "A4" entry; without a printer, on a platform that cannot list forms (kind 2), or
    // when no usable form is found, the built-in papers on A4.
    static PaperChoice choose(bool hasPrinter, int platformKind, const QStringList& forms,
                              int defaultForm);
};

} // namespace editor

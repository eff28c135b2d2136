#pragma once
#include "browser/model/SearchCriteria.h"

#include <QDate>
#include <QString>

namespace browser {

// The search dialog's fields, as the user left them: the next search of the run starts from
// them. Comparisons and depths are the combos' indices.
struct SearchForm {
    QString lookIn;
    QString named = QStringLiteral("*.jpg");
    bool recurse = true;
    bool hiddenFolders = false;
    bool bySize = false;
    int minKilobytes = 0;
    int maxKilobytes = 2900;
    bool byDate = false;
    QDate from;
    QDate to;
    bool byDimensions = false;
    int widthCompare = 0;
    int width = 0;
    int heightCompare = 0;
    int height = 0;
    bool byColours = false;
    int colourCompare = 0;
    int depth = 0;

    // A form for a search under `folder`, both dates today.
    static SearchForm startingAt(const QString& folder);

    // What stands in the way of searching, for the user; empty when the form can be searched.
    QString problem() const;
    // Sizes in KB of 1024 bytes, the dates from the start of the first day to the last second
    // of the last, in local time.
    SearchCriteria criteria() const;
};

} // namespace browser

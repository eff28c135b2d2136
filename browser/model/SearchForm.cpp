#include "browser/model/SearchForm.h"

#include "browser/model/DestinationFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

namespace browser {

SearchForm SearchForm::startingAt(const QString& folder) {
    SearchForm form;
    form.lookIn = folder;
    form.from = form.to = QDate::currentDate();
    return form;
}

QString SearchForm::problem() const {
    if (lookIn.trimmed().isEmpty())
        return QCoreApplication::translate("SearchForm", "Please choose a folder to look in.");
    return {};
}

SearchCriteria SearchForm::criteria() const {
    SearchCriteria criteria;
    FinderCriteria& finder = criteria.finder;
    // Typed as in a shell: "~" is home, and a relative path starts there too.
    finder.base = QFile::encodeName(DestinationFolder::resolve(lookIn.trimmed(), QDir::homePath()))
                      .toStdString();
    finder.mask = WildcardMask::containing(named);
    finder.recurse = recurse;
    finder.includeHiddenFolders = hiddenFolders;
    if (bySize)
        finder.size = {std::int64_t(minKilobytes) * 1024, std::int64_t(maxKilobytes) * 1024};
    if (byDate)
        finder.modified = {from.startOfDay().toSecsSinceEpoch(), to.endOfDay().toSecsSinceEpoch()};
    const auto compare = [](int index) { return PixelCriteria::Compare(qBound(0, index, 2)); };
    if (byDimensions)
        criteria.pixels.dimensions =
            PixelCriteria::Dimensions{compare(widthCompare), width, compare(heightCompare), height};
    if (byColours)
        criteria.pixels.colours = PixelCriteria::Colours{compare(colourCompare), depth};
    return criteria;
}

} // namespace browser

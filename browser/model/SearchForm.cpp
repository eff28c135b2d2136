#include "browser/model/SearchForm.h"

#include <QCoreApplication>
#include <QDateTime>
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
    QString base = lookIn.trimmed();
    while (base.size() > 1 && base.endsWith('/'))
        base.chop(1);
    finder.base = QFile::encodeName(base).toStdString();
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

#include "browser/ui/ThumbnailDelegate.h"

#include "browser/model/ThumbnailLabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>

namespace browser {

ThumbnailDelegate::ThumbnailDelegate(std::function<QString(int)> realName, int labelWidth,
                                     QObject* parent)
    : QStyledItemDelegate(parent), realName_(std::move(realName)), labelWidth_(labelWidth) {
}

void ThumbnailDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // The lines are ours: the style's own wrapping would break them again elsewhere.
    option->features &= ~QStyleOptionViewItem::WrapText;
    const QFontMetrics metrics(option->font);
    option->text =
        ThumbnailLabel::lines(option->text, labelWidth_, [&metrics](const QString& s) {
            return metrics.horizontalAdvance(s);
        }).replace(QLatin1Char('\n'), QChar::LineSeparator); // what text layout breaks at
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const QWidget* view = option.widget;
    const QStyle* style = view != nullptr ? view->style() : QApplication::style();
    // The style draws a label this far in from each side of its cell.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QFontMetrics metrics(option.font);
    return {labelWidth_ + 2 * margin,
            option.decorationSize.height() + 2 * metrics.lineSpacing() + 3 * margin};
}

void ThumbnailDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    const QString name = realName_(index.row());
    if (line == nullptr || name.isEmpty()) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    line->setText(name);
    // The name is selected without its ending, as file managers do.
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    line->setSelection(0, dot > 0 ? dot : int(name.size()));
}

} // namespace browser

#pragma once
#include <QStyledItemDelegate>
#include <functional>

namespace browser {

// Draws a thumbnail's label over up to two lines, elided in the middle, and starts a label
// edit from the file's real spelling: the label is lower-cased, the file on disk is not.
class ThumbnailDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // `realName` gives the file name of a row as spelled on disk.
    ThumbnailDelegate(std::function<QString(int row)> realName, int labelWidth,
                      QObject* parent = nullptr);

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Every cell the same: the picture and two lines of label, whatever its own label needs,
    // so that the list's uniform sizes do not take one short name's for all.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    std::function<QString(int)> realName_;
    int labelWidth_;
};

} // namespace browser

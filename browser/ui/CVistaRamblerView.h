#pragma once
#include "browser/model/ThumbnailWorker.h"

#include <QListWidget>
#include <QPointer>

namespace browser {

class CVistaRamblerDoc;

// The thumbnail list: one 100 x 90 cell and the file name for each catalogue entry, the cells
// filled in by the worker as they are made.
class CVistaRamblerView : public QListWidget {
    Q_OBJECT
  public:
    explicit CVistaRamblerView(CVistaRamblerDoc& doc, QWidget* parent = nullptr);
    ~CVistaRamblerView() override;

    ThumbnailWorker& worker() { return worker_; }
    // Stops the worker, empties the list and the catalogue (Ctrl+N).
    void clearAll();
    // How many cells have their thumbnail.
    int thumbnailsShown() const { return thumbnailsShown_; }
    static QIcon blankCell();

    // Starts editing the current item's label; the file is renamed when it ends.
    void editCurrentLabel();
    bool isEditingLabel() const { return state() == EditingState; }

  signals:
    void allThumbnailsShown();
    // A label was edited to `text`: the item keeps its old text unless the rename works.
    void renameRequested(int row, const QString& text);
    void contextMenuRequested(const QPoint& globalPosition);

  protected:
    void commitData(QWidget* editor) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void rebuild();
    void startWorker();
    // Goes on making the cells still blank after the list lost or renamed an entry; those
    // already made come back from the cache.
    void resumeWorker(bool unfinished);
    void removeItem(int row);
    void relabel(int row);
    void highlight(int row);
    void showThumbnail(int index, const QImage& cell);
    QString toolTipOf(int row) const;

    CVistaRamblerDoc& doc_;
    ThumbnailWorker worker_;
    int thumbnailsShown_ = 0;
    // The label editor whose text was last handed on: Enter and the focus leaving it both
    // commit, and one edit is one rename.
    QPointer<QWidget> committedEditor_;
};

} // namespace browser

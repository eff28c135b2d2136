#pragma once
#include "browser/model/ThumbnailWorker.h"

#include <QListWidget>

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

  signals:
    void allThumbnailsShown();

  private:
    void rebuild();
    void showThumbnail(int index, const QImage& cell);

    CVistaRamblerDoc& doc_;
    ThumbnailWorker worker_;
    int thumbnailsShown_ = 0;
};

} // namespace browser

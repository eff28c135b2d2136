#include "browser/ui/CVistaRamblerView.h"

#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/ThumbnailGeometry.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPainter>
#include <QThread>

namespace browser {

QIcon CVistaRamblerView::blankCell() {
    static const QIcon blank = [] {
        QPixmap cell(ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight);
        cell.fill(Qt::white);
        QPainter painter(&cell);
        painter.setPen(QColor(192, 192, 192));
        painter.drawRect(0, 0, cell.width() - 1, cell.height() - 1);
        return QIcon(cell);
    }();
    return blank;
}

CVistaRamblerView::CVistaRamblerView(CVistaRamblerDoc& doc, QWidget* parent)
    : QListWidget(parent), doc_(doc) {
    setObjectName("ListView");
    setViewMode(QListView::IconMode);
    setIconSize(QSize(ThumbnailGeometry::kCellWidth, ThumbnailGeometry::kCellHeight));
    setGridSize(QSize(ThumbnailGeometry::kCellWidth + 28, ThumbnailGeometry::kCellHeight + 40));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWordWrap(true);
    setTextElideMode(Qt::ElideMiddle);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSpacing(4);
    // Labels are edited by the Rename command (and F2) only, never by a stray click.
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(&doc_, &CVistaRamblerDoc::namesAboutToChange, this, [this] { worker_.stop(); });
    connect(&doc_, &CVistaRamblerDoc::namesReplaced, this, &CVistaRamblerView::rebuild);
    connect(&worker_, &ThumbnailWorker::thumbnailReady, this, &CVistaRamblerView::showThumbnail);
    connect(&worker_, &ThumbnailWorker::finished, this, &CVistaRamblerView::allThumbnailsShown);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) { doc_.select(row); });
}

CVistaRamblerView::~CVistaRamblerView() {
    worker_.stop();
}

void CVistaRamblerView::rebuild() {
    worker_.stop();
    const QSignalBlocker quiet(this); // rebuilding is no selection by the user
    thumbnailsShown_ = 0;
    setUpdatesEnabled(false);
    clear();
    const QIcon blank = blankCell();
    for (int i = 0; i < doc_.names().size(); ++i) {
        auto* item = new QListWidgetItem(blank, doc_.names()[i]);
        item->setToolTip(doc_.fullPath(i));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        addItem(item);
    }
    setUpdatesEnabled(true);
    startWorker();
}

void CVistaRamblerView::startWorker() {
    QStringList paths;
    for (int i = 0; i < doc_.names().size(); ++i)
        paths.append(doc_.fullPath(i));
    // One decoder on each core; cells still arrive in list order.
    worker_.start(paths, std::max(1, QThread::idealThreadCount()));
}

void CVistaRamblerView::removeItem(int row) {
    const bool unfinished = thumbnailsShown_ < count();
    worker_.stop();
    {
        const QSignalBlocker quiet(this); // no other photo becomes current by this
        delete takeItem(row);
        setCurrentRow(-1);
    }
    // The cells still blank are made again; those already made come back from the cache.
    if (unfinished) {
        thumbnailsShown_ = 0;
        startWorker();
    }
}

void CVistaRamblerView::editCurrentLabel() {
    if (QListWidgetItem* item = currentItem())
        editItem(item);
}

void CVistaRamblerView::commitData(QWidget* editor) {
    // The label changes only once the file was renamed; the rename decides, not the edit.
    if (const auto* line = qobject_cast<QLineEdit*>(editor))
        emit renameRequested(currentRow(), line->text());
}

void CVistaRamblerView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
}

void CVistaRamblerView::showThumbnail(int index, const QImage& cell) {
    QListWidgetItem* it = item(index);
    if (it == nullptr || cell.isNull())
        return;
    it->setIcon(QIcon(QPixmap::fromImage(cell)));
    ++thumbnailsShown_;
}

void CVistaRamblerView::clearAll() {
    worker_.stop();
    clear();
    thumbnailsShown_ = 0;
    doc_.clear();
}

} // namespace browser

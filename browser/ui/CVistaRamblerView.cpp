#include "browser/ui/CVistaRamblerView.h"

#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/ThumbnailGeometry.h"
#include "browser/ui/ThumbnailDelegate.h"

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
    constexpr int kLabelWidth = ThumbnailGeometry::kCellWidth + 20;
    // Room for the cell the delegate asks for, and a little between cells.
    setGridSize(QSize(kLabelWidth + 14,
                      ThumbnailGeometry::kCellHeight + 2 * fontMetrics().lineSpacing() + 16));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWordWrap(true);
    setTextElideMode(Qt::ElideMiddle);
    setItemDelegate(
        new ThumbnailDelegate([this](int row) { return doc_.fileName(row); }, kLabelWidth, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSpacing(4);
    // Labels are edited by the Rename command (and F2) only, never by a stray click.
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(&doc_, &CVistaRamblerDoc::namesAboutToChange, this, [this] { worker_.stop(); });
    connect(&doc_, &CVistaRamblerDoc::namesReplaced, this, &CVistaRamblerView::rebuild);
    connect(&worker_, &ThumbnailWorker::thumbnailReady, this, &CVistaRamblerView::showThumbnail);
    connect(&worker_, &ThumbnailWorker::finished, this, &CVistaRamblerView::allThumbnailsShown);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) { doc_.select(row); });
    connect(&doc_, &CVistaRamblerDoc::currentIndexChanged, this, &CVistaRamblerView::highlight);
    connect(&doc_, &CVistaRamblerDoc::entryRemoved, this, &CVistaRamblerView::removeItem);
    connect(&doc_, &CVistaRamblerDoc::entryRenamed, this, &CVistaRamblerView::relabel);
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
        item->setToolTip(toolTipOf(i));
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

QString CVistaRamblerView::toolTipOf(int row) const {
    // The whole name, which the label may elide.
    return doc_.isFullPathMode() ? doc_.fullPath(row) : doc_.fileName(row);
}

void CVistaRamblerView::resumeWorker(bool unfinished) {
    if (unfinished) {
        thumbnailsShown_ = 0;
        startWorker();
    }
}

void CVistaRamblerView::removeItem(int row) {
    const bool unfinished = thumbnailsShown_ < count();
    worker_.stop();
    {
        const QSignalBlocker quiet(this); // the document says what is current next
        delete takeItem(row);
    }
    resumeWorker(unfinished);
}

void CVistaRamblerView::relabel(int row) {
    const bool unfinished = thumbnailsShown_ < count();
    if (QListWidgetItem* it = item(row)) {
        it->setText(doc_.names().value(row));
        it->setToolTip(toolTipOf(row));
    }
    resumeWorker(unfinished);
}

void CVistaRamblerView::highlight(int row) {
    const QSignalBlocker quiet(this); // the document has already made it current
    if (row < 0 || row >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(row);
    scrollToItem(item(row));
}

void CVistaRamblerView::editCurrentLabel() {
    if (QListWidgetItem* it = currentItem(); it != nullptr && it->isSelected())
        editItem(it);
}

void CVistaRamblerView::commitData(QWidget* editor) {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr || editor == committedEditor_)
        return;
    committedEditor_ = editor;
    // The label changes only once the file was renamed; the rename decides, not the edit. It
    // may tell of a failure in a modal box, which must not open while the editor is still
    // being closed under it: the rename runs once the editor has gone.
    const int row = currentRow();
    const QString text = line->text();
    QMetaObject::invokeMethod(
        this, [this, row, text] { emit renameRequested(row, text); }, Qt::QueuedConnection);
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

#include "shared/CBmpDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace quillax {

namespace {

bool showPreviewFlag = true;
QString lastPictureFolder;

} // namespace

// The thumbnail, already fitted by PicturePreview's rule, centred in a thin frame that shows
// where it goes while there is none.
class PreviewArea : public QWidget {
  public:
    explicit PreviewArea(QWidget* parent) : QWidget(parent) {
        setFixedSize(PicturePreview::kAreaSize + QSize(2, 2));
    }
    void setThumbnail(const QImage& thumbnail) {
        thumbnail_ = thumbnail;
        update();
    }
    bool hasThumbnail() const { return !thumbnail_.isNull(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawImage((width() - thumbnail_.width()) / 2, (height() - thumbnail_.height()) / 2,
                          thumbnail_);
    }

  private:
    QImage thumbnail_;
};

CBmpDialog::CBmpDialog(QWidget* parent, const QString& caption, PreviewLoader::Decoder decoder)
    : QFileDialog(parent, caption, startFolder()), loader_(nullptr, std::move(decoder)) {
    // Only Qt's own dialog takes a panel; the desktop's would not show it.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters({QStringLiteral("All Files (*.*)"), QStringLiteral("Bitmaps (*.bmp)"),
                    QStringLiteral("JPEG (*.jpg)"), QStringLiteral("CompuServe GIF(*.gif)")});
    // Cameras write IMG_0001.JPG: the patterns match either case.
    setFilter(filter() & ~QDir::CaseSensitive);
    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath())};
    for (const auto location : {QStandardPaths::DesktopLocation, QStandardPaths::PicturesLocation,
                                QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (QFileInfo(folder).isDir() && folder != QDir::homePath())
            places << QUrl::fromLocalFile(folder);
    }
    places << QUrl::fromLocalFile(QDir::rootPath());
    setSidebarUrls(places);

    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(makePanel(), 0, grid->columnCount(), grid->rowCount(), 1);
    // Room for the list's names and sizes beside the panel.
    resize(std::max(width(), 820), std::max(height(), 460));
    connect(this, &QFileDialog::currentChanged, this, &CBmpDialog::showPreviewOf);
    connect(&loader_, &PreviewLoader::loaded, this,
            [this](const QString&, const QImage& thumbnail) { area_->setThumbnail(thumbnail); });
}

CBmpDialog::~CBmpDialog() = default;

QWidget* CBmpDialog::makePanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(tr("Preview"), panel));
    area_ = new PreviewArea(panel);
    column->addWidget(area_);
    width_ = new QLabel(panel);
    height_ = new QLabel(panel);
    colours_ = new QLabel(panel);
    size_ = new QLabel(panel);
    for (QLabel* label : {width_, height_, colours_, size_})
        column->addWidget(label);
    showPreview_ = new QCheckBox(tr("Show Preview"), panel);
    showPreview_->setChecked(showPreviewFlag);
    column->addWidget(showPreview_);
    column->addStretch();
    // As wide as its longest text can be, so that the list beside it keeps its width from
    // one selection to the next.
    panel->setFixedWidth(std::max(
        area_->width(), panel->fontMetrics().horizontalAdvance("Colors: 2 (monocromatic)  ")));
    connect(showPreview_, &QCheckBox::toggled, this, &CBmpDialog::previewSwitched);
    return panel;
}

bool CBmpDialog::previewShown() {
    return showPreviewFlag;
}

void CBmpDialog::setPreviewShown(bool shown) {
    showPreviewFlag = shown;
}

QString CBmpDialog::startFolder() {
    if (!lastPictureFolder.isEmpty() && QFileInfo(lastPictureFolder).isDir())
        return lastPictureFolder;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

QStringList CBmpDialog::panelTexts() const {
    return {width_->text(), height_->text(), colours_->text(), size_->text()};
}

bool CBmpDialog::hasThumbnail() const {
    return area_->hasThumbnail();
}

void CBmpDialog::emptyPanel() {
    loader_.cancel();
    area_->setThumbnail({});
    setTexts({});
}

void CBmpDialog::setTexts(const PicturePreview::Texts& texts) {
    width_->setText(texts.width);
    height_->setText(texts.height);
    colours_->setText(texts.colours);
    size_->setText(texts.size);
}

void CBmpDialog::showPreviewOf(const QString& path) {
    emptyPanel();
    if (!showPreview_->isChecked())
        return;
    // Folders, and files whose name or header is no picture's, show an empty panel.
    const PicturePreview::Texts texts = PicturePreview::textsOf(path);
    if (texts.width.isEmpty())
        return;
    setTexts(texts);
    loader_.request(path);
}

void CBmpDialog::previewSwitched(bool on) {
    showPreviewFlag = on;
    const QStringList chosen = selectedFiles();
    if (on && !chosen.isEmpty())
        showPreviewOf(chosen.constFirst());
    else
        emptyPanel();
}

void CBmpDialog::accept() {
    loader_.cancel();
    QFileDialog::accept();
    const QStringList chosen = selectedFiles();
    if (result() == QDialog::Accepted && !chosen.isEmpty())
        lastPictureFolder = QFileInfo(chosen.constFirst()).absolutePath();
}

} // namespace quillax

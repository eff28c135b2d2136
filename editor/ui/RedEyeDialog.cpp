#include "editor/ui/RedEyeDialog.h"

#include "editor/model/RedEyeDetail.h"
#include "editor/ui/ClickablePicture.h"
#include "imaging/RedEye.h"
#include "shared/DibConversion.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace editor {

RedEyeDialog::RedEyeDialog(const imaging::DibImage& fullSize, QWidget* parent)
    : QDialog(parent), photo_(fullSize),
      navigatorSize_(RedEyeDetail::navigatorSize(fullSize.width(), fullSize.height())),
      navigator_(new ClickablePicture(this)), detail_(new ClickablePicture(this)),
      zooms_(new QButtonGroup(this)) {
    setWindowTitle(tr("Red Eyes Repair"));
    photo_.toDepth24();
    navigator_->setFixedSize(navigatorSize_);
    detail_->setFixedSize(RedEyeDetail::kDetailSide, RedEyeDetail::kDetailSide);
    detail_->setStyleSheet(QStringLiteral("background: black"));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Navigator:"), this));
    left->addWidget(navigator_);
    for (const char* line :
         {"1. Click in Navigator Window to ", "located red eye;",
          "2. Then click point in red eye in", "Detail Window until red-eye repaired."})
        left->addWidget(new QLabel(tr(line), this));
    auto* zoomRow = new QHBoxLayout;
    int id = 0;
    for (const char* zoom : {"3x", "6x", "9x", "12x"}) {
        auto* radio = new QRadioButton(tr(zoom), this);
        radio->setChecked(id == 0);
        zooms_->addButton(radio, id++);
        zoomRow->addWidget(radio);
    }
    left->addLayout(zoomRow);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Detail:"), this));
    right->addWidget(detail_);
    auto* pictures = new QHBoxLayout;
    pictures->addLayout(left);
    pictures->addLayout(right);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addWidget(buttons);

    connect(navigator_, &ClickablePicture::clicked, this, [this](QPoint at) {
        navigatorClick_ = at;
        showDetail();
    });
    connect(zooms_, &QButtonGroup::idClicked, this, &RedEyeDialog::showDetail);
    connect(detail_, &ClickablePicture::clicked, this, &RedEyeDialog::repairAt);
    showNavigator();
}

void RedEyeDialog::showNavigator() {
    imaging::EffectImage reduced = photo_;
    reduced.resize(navigatorSize_.width(), navigatorSize_.height(),
                   imaging::EffectImage::Shape::KeepAspect, imaging::EffectImage::Scaling::Smooth);
    navigator_->setPixmap(QPixmap::fromImage(quillax::toQImage(reduced)));
}

// The area around the navigator's click at the chosen zoom, stretched over the window;
// what lies beyond a photo smaller than the area stays black.
void RedEyeDialog::showDetail() {
    const double scale = double(navigatorSize_.width()) / std::max(1, photo_.width());
    const double zoom = (zooms_->checkedId() + 1) * scale * 3;
    const imaging::PixelRect area = RedEyeDetail::detailArea(photo_.width(), photo_.height(),
                                                             navigatorSize_, navigatorClick_, zoom);
    detailArea_ = area;
    imaging::DibImage part;
    QImage shown(RedEyeDetail::kDetailSide, RedEyeDetail::kDetailSide, QImage::Format_RGB32);
    shown.fill(Qt::black);
    if (photo_.extract(&part, area)) {
        const double stretch = double(RedEyeDetail::kDetailSide) / area.width();
        QPainter painter(&shown);
        painter.drawImage(QRectF(0, 0, part.width() * stretch, part.height() * stretch),
                          quillax::toQImage(part));
    }
    detail_->setPixmap(QPixmap::fromImage(shown));
}

// A click before any area is shown would repair the photo's corner: it is ignored.
void RedEyeDialog::repairAt(QPoint detailClick) {
    if (!detailArea_)
        return;
    const QPoint point = RedEyeDetail::photoPoint(*detailArea_, detailClick);
    if (point.x() >= photo_.width() || point.y() >= photo_.height())
        return; // the black beyond a small photo
    imaging::repairRedEye(photo_, point.x(), point.y());
    points_.push_back(point.x());
    points_.push_back(point.y());
    showNavigator();
    showDetail();
    detail_->clearMark();
}

} // namespace editor

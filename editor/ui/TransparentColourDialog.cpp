#include "editor/ui/TransparentColourDialog.h"

#include "editor/model/BackgroundPick.h"
#include "editor/ui/ClickablePicture.h"
#include "shared/DibConversion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace editor {

QSize TransparentColourDialog::controlSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return {1, 1};
    const double r = double(width) / height;
    if (270 / r >= 200)
        return {std::max(int(r * 200), 1), 200};
    return {270, std::max(int(270 / r), 1)};
}

TransparentColourDialog::TransparentColourDialog(const imaging::DibImage& fullSize,
                                                 imaging::ColorRef start, QWidget* parent)
    : QDialog(parent), fullSize_(fullSize), colour_(start), picture_(new ClickablePicture(this)),
      swatch_(new QPushButton(this)) {
    setWindowTitle(tr("Transparent color"));
    const QSize size = controlSize(fullSize.width(), fullSize.height());
    picture_->setFixedSize(size);
    picture_->setPixmap(QPixmap::fromImage(
        quillax::toQImage(fullSize).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    swatch_->setFixedSize(27, 23);
    swatch_->setIconSize(QSize(15, 15));
    swatch_->setFocusPolicy(Qt::NoFocus);
    showSwatch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please click to select your transparent color:"), this));
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    auto* current = new QHBoxLayout;
    current->addWidget(new QLabel(tr("Current color:"), this));
    current->addWidget(swatch_);
    current->addStretch();
    layout->addLayout(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(picture_, &ClickablePicture::clicked, this, &TransparentColourDialog::picked);
}

void TransparentColourDialog::picked(QPoint at) {
    colour_ = backgroundColourAt(fullSize_, picture_->width(), picture_->height(), at.x(), at.y());
    showSwatch();
}

void TransparentColourDialog::showSwatch() {
    QPixmap sample(15, 15);
    sample.fill(
        QColor(imaging::redOf(colour_), imaging::greenOf(colour_), imaging::blueOf(colour_)));
    swatch_->setIcon(sample);
}

} // namespace editor

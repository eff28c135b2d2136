#include "editor/ui/EffectDialog.h"

#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

namespace editor {

QSize EffectDialog::previewSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    const double r = double(width) / height;
    if (240 / r >= 180)
        return {int(r * 180), 180};
    return {240, int(240 / r)};
}

EffectDialog::EffectDialog(const EffectSpec& effect, const imaging::DibImage& picture,
                           quillax::Prompts& prompts, QWidget* parent)
    : QDialog(parent), effect_(effect), prompts_(prompts), previewLabel_(new QLabel(this)),
      source_(picture) {
    setWindowTitle(tr(effect.title));
    const QSize size = previewSize(picture.width(), picture.height());
    source_.resize(size.width(), size.height(), imaging::EffectImage::Shape::KeepAspect,
                   imaging::EffectImage::Scaling::Smooth);
    if (effect.previewIn32Bits)
        source_.toDepth32();
    previewLabel_->setFixedSize(size);
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setFrameShape(QFrame::StyledPanel);

    auto* controls = new QGridLayout;
    for (const EffectParameter& p : effect.parameters) {
        const int i = int(sliders_.size());
        values_.push_back(p.defaultValue);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(p.sliderMin, p.sliderMax);
        slider->setValue(p.sliderStart);
        // The preview follows when the slider is let go, not at every step of a drag.
        slider->setTracking(false);
        slider->setMinimumWidth(200);
        auto* edit = new QLineEdit(this);
        edit->setFixedWidth(60);
        controls->addWidget(new QLabel(tr(p.label), this), i, 0);
        controls->addWidget(slider, i, 1);
        controls->addWidget(edit, i, 2);
        sliders_.append(slider);
        edits_.append(edit);
        connect(slider, &QSlider::valueChanged, this, [this, i] { sliderSet(i); });
        connect(edit, &QLineEdit::textEdited, this, [this, i] { editTyped(i); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(previewLabel_, 0, Qt::AlignHCenter);
    layout->addLayout(controls);
    layout->addWidget(buttons);
    showValues();
    showPreview(-1);
}

void EffectDialog::showValues() {
    for (int i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(QString::number(values_[size_t(i)]));
}

void EffectDialog::showPreview(int changed) {
    preview_ = source_;
    effect_.preview(preview_, values_, changed);
    previewLabel_->setPixmap(QPixmap::fromImage(quillax::toQImage(preview_)));
}

void EffectDialog::sliderSet(int i) {
    values_[size_t(i)] = sliders_[i]->value() - effect_.parameters[size_t(i)].sliderOffset;
    showValues();
    showPreview(i);
}

void EffectDialog::editTyped(int i) {
    const QString text = edits_[i]->text().trimmed();
    // Nothing yet, or the sign of a number still being typed.
    if (text.isEmpty() || text == QLatin1String("-"))
        return;
    const EffectParameter& p = effect_.parameters[size_t(i)];
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < p.exchangeMin || v > p.exchangeMax) {
        prompts_.message(
            tr("Please enter an integer between %1 and %2.").arg(p.exchangeMin).arg(p.exchangeMax));
        showValues();
        return;
    }
    if (v < p.acceptMin || v > p.acceptMax) {
        showValues();
        return;
    }
    values_[size_t(i)] = v;
    // The slider shows it without reporting back; the preview follows here.
    const QSignalBlocker quiet(sliders_[i]);
    sliders_[i]->setValue(v + p.sliderOffset);
    showPreview(i);
}

} // namespace editor

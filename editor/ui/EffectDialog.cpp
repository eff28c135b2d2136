#include "editor/ui/EffectDialog.h"

#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace editor {

QSize EffectDialog::previewSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    const double r = double(width) / height;
    // A very wide or very tall photo still gets a preview a pixel high or wide.
    if (240 / r >= 180)
        return {std::max(int(r * 180), 1), 180};
    return {240, std::max(int(240 / r), 1)};
}

EffectDialog::EffectDialog(const EffectSpec& effect, const imaging::DibImage& picture,
                           quillax::Prompts& prompts, imaging::RandomSource* random,
                           QWidget* parent)
    : QDialog(parent), effect_(effect), prompts_(prompts),
      parameters_(effect.parametersFor(picture.width(), picture.height())),
      inputs_{random, picture.width()}, previewLabel_(new QLabel(this)), source_(picture) {
    setWindowTitle(tr(effect.title));
    const QSize size = previewSize(picture.width(), picture.height());
    source_.resize(size.width(), size.height(), imaging::EffectImage::Shape::KeepAspect,
                   imaging::EffectImage::Scaling::Smooth);
    if (effect.previewIn32Bits)
        source_.toDepth32();
    previewLabel_->setFixedSize(size);
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setFrameShape(QFrame::StyledPanel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(previewLabel_, 0, Qt::AlignHCenter);
    const size_t count = parameters_.size();
    sliders_.assign(count, nullptr);
    edits_.assign(count, nullptr);
    choices_.assign(count, nullptr);
    checks_.assign(count, nullptr);
    for (size_t i = 0; i < count; ++i) {
        const EffectParameter& p = parameters_[i];
        values_.push_back(p.defaultValue);
        switch (p.kind) {
        case EffectParameter::Kind::Number:
            layout->addWidget(numberRow(int(i), p));
            break;
        case EffectParameter::Kind::Choice:
            layout->addWidget(choiceGroup(int(i), p));
            break;
        case EffectParameter::Kind::Check:
            layout->addWidget(checkBoxFor(int(i), p));
            break;
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    showValues();
    showPreview(-1);
}

QWidget* EffectDialog::numberRow(int i, const EffectParameter& p) {
    auto* row = new QWidget(this);
    auto* slider = new QSlider(Qt::Horizontal, row);
    slider->setRange(p.sliderMin, p.sliderMax);
    slider->setValue(p.sliderStart);
    // The preview follows when the slider is let go, not at every step of a drag.
    slider->setTracking(false);
    slider->setMinimumWidth(200);
    auto* edit = new QLineEdit(row);
    edit->setFixedWidth(60);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr(p.label), row);
    label->setMinimumWidth(60);
    line->addWidget(label);
    line->addWidget(slider, 1);
    line->addWidget(edit);
    sliders_[size_t(i)] = slider;
    edits_[size_t(i)] = edit;
    connect(slider, &QSlider::valueChanged, this, [this, i] { sliderSet(i); });
    connect(edit, &QLineEdit::textEdited, this, [this, i] { editTyped(i); });
    return row;
}

QWidget* EffectDialog::choiceGroup(int i, const EffectParameter& p) {
    auto* box = new QGroupBox(tr(p.label), this);
    auto* line = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (size_t b = 0; b < p.buttons.size(); ++b) {
        auto* radio = new QRadioButton(tr(p.buttons[b]), box);
        radio->setChecked(int(b) == p.defaultValue);
        group->addButton(radio, int(b));
        line->addWidget(radio);
    }
    choices_[size_t(i)] = group;
    connect(group, &QButtonGroup::idClicked, this, [this, i](int id) { chosen(i, id); });
    return box;
}

QWidget* EffectDialog::checkBoxFor(int i, const EffectParameter& p) {
    auto* check = new QCheckBox(tr(p.label), this);
    check->setChecked(p.defaultValue != 0);
    checks_[size_t(i)] = check;
    connect(check, &QCheckBox::clicked, this, [this, i](bool on) { chosen(i, on ? 1 : 0); });
    return check;
}

QAbstractButton* EffectDialog::button(int i, int choice) const {
    const QButtonGroup* group = choices_.at(size_t(i));
    return group != nullptr ? group->button(choice) : nullptr;
}

void EffectDialog::showValues() {
    for (size_t i = 0; i < edits_.size(); ++i)
        if (edits_[i] != nullptr)
            edits_[i]->setText(QString::number(values_[i]));
}

void EffectDialog::showPreview(int changed) {
    preview_ = source_;
    effect_.preview(preview_, values_, changed, inputs_);
    previewLabel_->setPixmap(QPixmap::fromImage(quillax::toQImage(preview_)));
}

void EffectDialog::sliderSet(int i) {
    values_[size_t(i)] = sliders_[size_t(i)]->value() - parameters_[size_t(i)].sliderOffset;
    showValues();
    showPreview(i);
}

void EffectDialog::chosen(int i, int value) {
    values_[size_t(i)] = value;
    showPreview(i);
}

void EffectDialog::editTyped(int i) {
    QLineEdit* edit = edits_[size_t(i)];
    const QString text = edit->text().trimmed();
    // Nothing yet, or the sign of a number still being typed.
    if (text.isEmpty() || text == QLatin1String("-"))
        return;
    const EffectParameter& p = parameters_[size_t(i)];
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
    const QSignalBlocker quiet(sliders_[size_t(i)]);
    sliders_[size_t(i)]->setValue(v + p.sliderOffset);
    showPreview(i);
}

} // namespace editor

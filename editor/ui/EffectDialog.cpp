#include "editor/ui/EffectDialog.h"

#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace editor {

QSize EffectDialog::previewSize(int width, int height, int boxWidth, int boxHeight) {
    if (width <= 0 || height <= 0)
        return {};
    const double r = double(width) / height;
    // A very wide or very tall photo still gets a preview a pixel high or wide.
    if (boxWidth / r >= boxHeight)
        return {std::max(int(r * boxHeight), 1), boxHeight};
    return {boxWidth, std::max(int(boxWidth / r), 1)};
}

QSize EffectDialog::squarePreviewBox(int width, int height) {
    const double r = height > 0 ? double(width) / height : 1;
    const int side = r <= 1 ? 200 : r <= 1.2 ? 220 : 240;
    return {side, side};
}

EffectDialog::EffectDialog(const EffectSpec& effect, const imaging::DibImage& picture,
                           quillax::Prompts& prompts, imaging::RandomSource* random,
                           QWidget* parent, const QString& photoPath)
    : QDialog(parent), effect_(effect), prompts_(prompts),
      parameters_(effect.parametersFor(picture.width(), picture.height())),
      inputs_{random, picture.width()}, previewLabel_(new QLabel(this)), source_(picture) {
    setWindowTitle(tr(effect.title));
    const QSize box = effect.squarePreview ? squarePreviewBox(picture.width(), picture.height())
                                           : QSize(effect.previewWidth, effect.previewHeight);
    const QSize size = previewSize(picture.width(), picture.height(), box.width(), box.height());
    source_.resize(size.width(), size.height(), imaging::EffectImage::Shape::KeepAspect,
                   imaging::EffectImage::Scaling::Smooth);
    if (effect.previewIn32Bits)
        source_.toDepth32();
    previewLabel_->setFixedSize(effect.squarePreview ? box : size);
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setFrameShape(QFrame::StyledPanel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(previewLabel_, 0, Qt::AlignHCenter);
    if (effect.pictures == EffectSpec::Pictures::One)
        layout->addWidget(pictureRow());
    else if (effect.pictures == EffectSpec::Pictures::OneOrMore)
        layout->addWidget(pictureListBox(photoPath));
    const size_t count = parameters_.size();
    sliders_.assign(count, nullptr);
    edits_.assign(count, nullptr);
    choices_.assign(count, nullptr);
    checks_.assign(count, nullptr);
    lists_.assign(count, nullptr);
    swatches_.assign(count, nullptr);
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
        case EffectParameter::Kind::List:
            layout->addWidget(listRow(int(i), p));
            break;
        case EffectParameter::Kind::Colour:
            layout->addWidget(colourRow(int(i), p));
            break;
        case EffectParameter::Kind::Points: // clicked in a dialog of their own
            break;
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    showValues();
    greyParametersNotTaken();
    showPreview(-1);
}

// A row of controls after their label, the labels of the rows lined up.
QHBoxLayout* EffectDialog::labelledRow(const char* label, QWidget*& row) {
    row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(tr(label), row);
    text->setMinimumWidth(60);
    line->addWidget(text);
    return line;
}

QWidget* EffectDialog::numberRow(int i, const EffectParameter& p) {
    QWidget* row = nullptr;
    QHBoxLayout* line = labelledRow(p.label, row);
    auto* slider = new QSlider(Qt::Horizontal, row);
    slider->setRange(p.sliderMin, p.sliderMax);
    slider->setValue(p.sliderStart);
    // The preview follows when the slider is let go, not at every step of a drag.
    slider->setTracking(false);
    slider->setMinimumWidth(200);
    auto* edit = new QLineEdit(row);
    edit->setFixedWidth(60);
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
    EffectInputs inputs = inputs_;
    inputs.previewPictures = &previewPictures_;
    inputs.photoLeftOut = photoLeftOut_;
    effect_.preview(preview_, values_, changed, inputs);
    QPixmap shown = QPixmap::fromImage(quillax::toQImage(preview_));
    // A turn grows the picture past the preview: it is shown whole, smaller.
    if (shown.width() > previewLabel_->width() || shown.height() > previewLabel_->height())
        shown = shown.scaled(previewLabel_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    previewLabel_->setPixmap(shown);
}

EffectInputs EffectDialog::inputs() const {
    EffectInputs inputs = inputs_;
    inputs.pictures = pictures_;
    inputs.photoLeftOut = photoLeftOut_;
    return inputs;
}

QWidget* EffectDialog::listRow(int i, const EffectParameter& p) {
    QWidget* row = nullptr;
    QHBoxLayout* line = labelledRow(p.label, row);
    auto* combo = new QComboBox(row);
    for (const char* entry : p.buttons)
        combo->addItem(tr(entry));
    combo->setCurrentIndex(p.defaultValue);
    line->addWidget(combo, 1);
    lists_[size_t(i)] = combo;
    connect(combo, &QComboBox::activated, this, [this, i](int index) {
        chosen(i, index);
        greyParametersNotTaken();
    });
    return row;
}

QWidget* EffectDialog::colourRow(int i, const EffectParameter& p) {
    QWidget* row = nullptr;
    QHBoxLayout* line = labelledRow(p.label, row);
    auto* swatch = new QPushButton(row);
    swatch->setFixedSize(27, 23);
    swatch->setIconSize(QSize(15, 15));
    line->addWidget(swatch);
    line->addStretch();
    swatches_[size_t(i)] = swatch;
    showSwatch(i);
    connect(swatch, &QPushButton::clicked, this, [this, i] {
        const int rgb = values_[size_t(i)];
        const QColor chosenColour = prompts_.colour(QColor::fromRgb(QRgb(rgb)));
        if (!chosenColour.isValid())
            return;
        values_[size_t(i)] = int(chosenColour.rgb() & 0xFFFFFF);
        showSwatch(i);
        showPreview(i);
    });
    return row;
}

void EffectDialog::showSwatch(int i) {
    QPixmap sample(15, 15);
    sample.fill(QColor::fromRgb(QRgb(values_[size_t(i)])));
    swatches_[size_t(i)]->setIcon(sample);
}

// The alpha of a mix means nothing to AND, OR and XOR.
void EffectDialog::greyParametersNotTaken() {
    for (size_t i = 0; i < parameters_.size(); ++i) {
        const bool taken = parameters_[i].isTakenWith(values_);
        for (QWidget* control : std::initializer_list<QWidget*>{sliders_[i], edits_[i]})
            if (control != nullptr)
                control->setEnabled(taken);
    }
}

QWidget* EffectDialog::pictureRow() {
    QWidget* row = nullptr;
    QHBoxLayout* line = labelledRow(effect_.pictureLabel, row);
    picturePath_ = new QLineEdit(row);
    picturePath_->setReadOnly(true);
    changeButton_ = new QPushButton(tr("C&hange"), row);
    line->addWidget(picturePath_, 1);
    line->addWidget(changeButton_);
    connect(changeButton_, &QPushButton::clicked, this, &EffectDialog::changePicture);
    return row;
}

bool EffectDialog::readForPreview(const QString& path, imaging::EffectImage& fitted) const {
    fitted = EffectCatalogue::readPicture(path);
    if (fitted.isEmpty())
        return false;
    fitted.resize(source_.width(), source_.height(), imaging::EffectImage::Shape::KeepAspect,
                  imaging::EffectImage::Scaling::Smooth);
    fitted.toDepth32();
    return true;
}

// A picture that cannot be read leaves the dialog as it was, without a word.
void EffectDialog::changePicture() {
    const QString path = prompts_.openPicture(tr("Open"));
    if (path.isEmpty())
        return;
    picturePath_->setText(path);
    imaging::EffectImage fitted;
    if (!readForPreview(path, fitted))
        return;
    pictures_ = {path};
    previewPictures_ = {std::move(fitted)};
    showPreview(-2);
}

QWidget* EffectDialog::pictureListBox(const QString& photoPath) {
    auto* box = new QWidget(this);
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    pictureList_ = new QTreeWidget(box);
    pictureList_->setHeaderLabels({tr("No."), tr("    File")});
    pictureList_->setColumnWidth(0, 30);
    pictureList_->setColumnWidth(1, 390);
    pictureList_->setRootIsDecorated(false);
    pictureList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pictureList_->setMinimumWidth(440);
    pictureList_->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("1"), photoPath}));
    auto* buttons = new QVBoxLayout;
    addButton_ = new QPushButton(tr("&Add"), box);
    deleteButton_ = new QPushButton(tr("&Delete"), box);
    buttons->addWidget(addButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch();
    line->addWidget(pictureList_, 1);
    line->addLayout(buttons);
    connect(addButton_, &QPushButton::clicked, this, &EffectDialog::addPicture);
    connect(deleteButton_, &QPushButton::clicked, this, &EffectDialog::deletePicture);
    return box;
}

void EffectDialog::addPicture() {
    const QString path = prompts_.openPicture(tr("Open"));
    imaging::EffectImage fitted;
    if (path.isEmpty() || !readForPreview(path, fitted))
        return;
    pictures_.append(path);
    previewPictures_.push_back(std::move(fitted));
    const int number = pictureList_->topLevelItemCount() + 1;
    pictureList_->addTopLevelItem(new QTreeWidgetItem({QString::number(number), path}));
    showPreview(-2);
}

void EffectDialog::deletePicture() {
    QTreeWidgetItem* item = pictureList_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        prompts_.message(tr("Please select a file item first!"));
        return;
    }
    const int row = pictureList_->indexOfTopLevelItem(item);
    if (row == 0 && !photoLeftOut_) {
        photoLeftOut_ = true;
    } else {
        const int picture = photoLeftOut_ ? row : row - 1;
        pictures_.removeAt(picture);
        previewPictures_.erase(previewPictures_.begin() + picture);
    }
    delete pictureList_->takeTopLevelItem(row);
    pictureList_->setCurrentItem(nullptr);
    for (int i = 0; i < pictureList_->topLevelItemCount(); ++i)
        pictureList_->topLevelItem(i)->setText(0, QString::number(i + 1));
    showPreview(-2);
}

// OK needs the pictures the effect combines: without them it would save an unchanged photo
// as a new edit and record a step that does nothing.
void EffectDialog::accept() {
    if (effect_.pictures == EffectSpec::Pictures::One && pictures_.isEmpty()) {
        prompts_.message(tr("Please choose a picture with Change first."));
        return;
    }
    if (effect_.pictures == EffectSpec::Pictures::OneOrMore && photoLeftOut_ &&
        pictures_.isEmpty()) {
        prompts_.message(tr("Please add a file first."));
        return;
    }
    QDialog::accept();
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

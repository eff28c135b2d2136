#include "editor/ui/EffectCommands.h"

#include "editor/ui/EffectDialog.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PhotoPage.h"
#include "editor/ui/RedEyeDialog.h"
#include "editor/ui/TransparentColourDialog.h"
#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"
#include "shared/Prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QStandardItemModel>

namespace editor {

EffectCommands::EffectCommands(PageDocument& document, PhotoPage& page, LayoutCanvas& canvas,
                               quillax::Prompts& prompts, QWidget* window)
    : QObject(window), document_(document), page_(page), canvas_(canvas), prompts_(prompts),
      window_(window), random_(uint32_t(QDateTime::currentMSecsSinceEpoch())) {
    // Activated, not changed: choosing the entry already shown applies it again.
    connect(page_.effectCombo, &QComboBox::activated, this, &EffectCommands::effectChosen);
    connect(page_.rotateButton, &QPushButton::clicked, this, &EffectCommands::rotate);
    connect(page_.effectChangeButton, &QPushButton::clicked, this,
            &EffectCommands::changeSecondPicture);
    connect(page_.hideBackgroundCheck, &QCheckBox::clicked, this,
            &EffectCommands::hideBackgroundClicked);
    connect(&document_, &PageDocument::selectionChanged, this,
            &EffectCommands::greyUnusableEffects);
    // An edit may leave the photo another size: a crop, a turn, another source.
    connect(&document_, &PageDocument::historyChanged, this, &EffectCommands::greyUnusableEffects);
}

void EffectCommands::greyUnusableEffects() {
    auto* effects = qobject_cast<QStandardItemModel*>(page_.effectCombo->model());
    if (effects == nullptr)
        return;
    const LayerRecord* layer = document_.selection().selected();
    page_.hideBackgroundCheck->setEnabled(layer != nullptr && layer->isPhoto());
    page_.hideBackgroundCheck->setChecked(layer != nullptr && layer->backgroundHidden);
    for (int row = 0; row < effects->rowCount(); ++row) {
        const EffectSpec* effect = EffectCatalogue::forComboRow(row);
        const bool fits = effect == nullptr || layer == nullptr ||
                          effect->fits(layer->bitmap.width(), layer->bitmap.height());
        effects->item(row)->setEnabled(isBuilt(row) && fits);
    }
}

bool EffectCommands::isBuilt(int row) {
    return row == kOriginalSourceRow || row == kMirrorRow || row == kCropRow ||
           EffectCatalogue::forComboRow(row) != nullptr;
}

void EffectCommands::effectChosen(int row) {
    const LayerRecord* layer = document_.selection().selected();
    if (layer == nullptr || !layer->isPhoto())
        return;
    if (row == kOriginalSourceRow) {
        // A missing unedited file leaves the photo as it is, without a word.
        if (document_.restoreOriginalSource() == PageDocument::EditStatus::Done)
            showChangedLayer();
    } else if (row == kMirrorRow) {
        say(document_.mirrorSelected());
    } else if (const EffectSpec* effect = EffectCatalogue::forComboRow(row)) {
        if (effect->takesPoints())
            repairRedEyes(*effect);
        else if (effect->fits(layer->bitmap.width(), layer->bitmap.height()))
            runDialog(*effect);
    }
}

void EffectCommands::runDialog(const EffectSpec& effect) {
    const LayerRecord* layer = document_.selection().selected();
    EffectDialog dialog(effect, layer->bitmap, prompts_, &random_, window_,
                        document_.project().projectFolder + layer->content);
    if (prompts_.runDialog(dialog) != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PageDocument::EditStatus status =
        document_.applyEffect(effect, dialog.values(), dialog.inputs());
    QApplication::restoreOverrideCursor();
    say(status);
}

// The colour is picked on the full-size photo; Cancel, or a photo that cannot be read or
// written, leaves the box as the page is.
void EffectCommands::hideBackgroundClicked(bool on) {
    const LayerRecord* layer = document_.selection().selected();
    if (layer == nullptr || !layer->isPhoto())
        return;
    if (!on) {
        document_.showBackground();
        return;
    }
    const QSignalBlocker quiet(page_.hideBackgroundCheck);
    page_.hideBackgroundCheck->setChecked(false);
    auto full =
        imaging::readBmp((document_.project().projectFolder + layer->content).toStdString());
    if (!full) {
        prompts_.message(tr("Load image failed!"));
        return;
    }
    full->toDepth32();
    const imaging::ColorRef start =
        layer->color != 0 ? layer->color : imaging::makeColorRef(0x58, 0x12, 0xE7);
    TransparentColourDialog dialog(*full, start, window_);
    if (prompts_.runDialog(dialog) != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PageDocument::EditStatus status = document_.hideBackground(dialog.colour());
    QApplication::restoreOverrideCursor();
    page_.hideBackgroundCheck->setChecked(status == PageDocument::EditStatus::Done);
    say(status);
}

// The repairs are clicked on the full-size photo and applied again to the layer's file at OK,
// so that the file and the command line get the same bytes.
void EffectCommands::repairRedEyes(const EffectSpec& effect) {
    const LayerRecord* layer = document_.selection().selected();
    auto full =
        imaging::readBmp((document_.project().projectFolder + layer->content).toStdString());
    if (!full) {
        prompts_.message(tr("Load image failed!"));
        return;
    }
    RedEyeDialog dialog(*full, window_);
    full.reset();
    if (prompts_.runDialog(dialog) != QDialog::Accepted || dialog.points().empty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PageDocument::EditStatus status = document_.applyEffect(effect, dialog.points());
    QApplication::restoreOverrideCursor();
    say(status);
}

void EffectCommands::rotate() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PageDocument::EditStatus status = document_.rotateSelected();
    QApplication::restoreOverrideCursor();
    say(status);
}

void EffectCommands::say(PageDocument::EditStatus status) {
    switch (status) {
    case PageDocument::EditStatus::Done:
        showChangedLayer();
        break;
    case PageDocument::EditStatus::Unreadable:
        prompts_.message(tr("Load image failed!"));
        break;
    case PageDocument::EditStatus::CannotWrite:
        prompts_.message(tr("The edited photo could not be saved in the project folder; the "
                            "photo was left as it was."));
        break;
    case PageDocument::EditStatus::Unusable:
        prompts_.message(tr("The effect could not be applied: one of its pictures cannot be read, "
                            "or the result would be too large. The photo was left as it was."));
        break;
    case PageDocument::EditStatus::Refused:
        break;
    }
}

// The layer keeps its place in the stack; its new picture, and after a turn its new box and
// sizes, are shown.
void EffectCommands::showChangedLayer() {
    canvas_.refresh();
    canvas_.showLayer(LayoutCanvas::Shown::InPlace);
}

void EffectCommands::changeSecondPicture() {
    const QString path = prompts_.openPicture(tr("Open"));
    if (path.isEmpty())
        return;
    page_.effectParameterEdit->setText(path);
    const QImage picture = quillax::ImageFile::decode(path, quillax::imageTypeFromName(path)).image;
    if (!picture.isNull())
        secondPicture_ = imaging::EffectImage(quillax::fromQImage(picture, 24));
}

} // namespace editor

#pragma once
#include "editor/model/EffectCatalogue.h"

#include <QDialog>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace quillax {
class Prompts;
}

namespace editor {

// The frame every effect dialog shares: a preview of the photo fitted into 240 x 180, a
// slider with an edit for each number, which mirror each other, and the effect's radio
// buttons and check boxes. The preview shows the effect as the controls change; the caller
// applies it at full size when OK is pressed.
class EffectDialog : public QDialog {
    Q_OBJECT
  public:
    // `random` feeds the effects that draw at random; see EffectInputs.
    EffectDialog(const EffectSpec& effect, const imaging::DibImage& picture,
                 quillax::Prompts& prompts, imaging::RandomSource* random = nullptr,
                 QWidget* parent = nullptr);

    const EffectValues& values() const { return values_; }
    // The controls of parameter i; null where it is not of that kind.
    QSlider* slider(int i) const { return sliders_.at(size_t(i)); }
    QLineEdit* edit(int i) const { return edits_.at(size_t(i)); }
    QAbstractButton* button(int i, int choice) const;
    QCheckBox* checkBox(int i) const { return checks_.at(size_t(i)); }
    // What the preview shows now.
    const imaging::EffectImage& preview() const { return preview_; }

    // The preview's size for a picture of width x height: 240 wide, or 180 high when that
    // would be higher, and at least a pixel each way.
    static QSize previewSize(int width, int height);

  private:
    QWidget* numberRow(int i, const EffectParameter& p);
    QWidget* choiceGroup(int i, const EffectParameter& p);
    QWidget* checkBoxFor(int i, const EffectParameter& p);
    void sliderSet(int i);
    void editTyped(int i);
    void chosen(int i, int value);
    void showValues();
    void showPreview(int changed);

    const EffectSpec& effect_;
    quillax::Prompts& prompts_;
    std::vector<EffectParameter> parameters_; // with their limits on this picture
    EffectValues values_;
    EffectInputs inputs_;
    std::vector<QSlider*> sliders_;
    std::vector<QLineEdit*> edits_;
    std::vector<QButtonGroup*> choices_;
    std::vector<QCheckBox*> checks_;
    QLabel* previewLabel_;
    imaging::EffectImage source_;
    imaging::EffectImage preview_;
};

} // namespace editor

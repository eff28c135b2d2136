#pragma once
#include "editor/model/EffectCatalogue.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QSlider;

namespace quillax {
class Prompts;
}

namespace editor {

// The frame every adjustment dialog shares: a preview of the photo fitted into 240 x 180,
// and a slider with an edit for each number, which mirror each other. The preview shows the
// effect as the numbers change; the caller applies it at full size when OK is pressed.
class EffectDialog : public QDialog {
    Q_OBJECT
  public:
    EffectDialog(const EffectSpec& effect, const imaging::DibImage& picture,
                 quillax::Prompts& prompts, QWidget* parent = nullptr);

    const EffectValues& values() const { return values_; }
    QSlider* slider(int i) const { return sliders_.at(i); }
    QLineEdit* edit(int i) const { return edits_.at(i); }
    // What the preview shows now.
    const imaging::EffectImage& preview() const { return preview_; }

    // The preview's size for a picture of width x height: 240 wide, or 180 high when that
    // would be higher.
    static QSize previewSize(int width, int height);

  private:
    void sliderSet(int i);
    void editTyped(int i);
    void showValues();
    void showPreview(int changed);

    const EffectSpec& effect_;
    quillax::Prompts& prompts_;
    EffectValues values_;
    QList<QSlider*> sliders_;
    QList<QLineEdit*> edits_;
    QLabel* previewLabel_;
    imaging::EffectImage source_;
    imaging::EffectImage preview_;
};

} // namespace editor

#pragma once
#include "editor/model/EffectCatalogue.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTreeWidget;

namespace quillax {
class Prompts;
}

namespace editor {

// The frame every effect dialog shares: a preview of the photo fitted into 240 x 180 (or the
// effect's own box), a slider with an edit for each number, which mirror each other, the
// effect's radio buttons, lists, check boxes and colour swatches, and the pictures it
// combines: one chosen with Change, or a numbered list of them with Add and Delete. The
// preview shows the effect as the controls change; the caller applies it at full size when
// OK is pressed, which needs the pictures the effect combines.
class EffectDialog : public QDialog {
    Q_OBJECT
  public:
    // `random` feeds the effects that draw at random; see EffectInputs. `photoPath` is the
    // full-size file of the photo, the first of a list of pictures.
    EffectDialog(const EffectSpec& effect, const imaging::DibImage& picture,
                 quillax::Prompts& prompts, imaging::RandomSource* random = nullptr,
                 QWidget* parent = nullptr, const QString& photoPath = {});

    const EffectValues& values() const { return values_; }
    // What OK applies the effect with besides the values.
    EffectInputs inputs() const;
    // The controls of parameter i; null where it is not of that kind.
    QSlider* slider(int i) const { return sliders_.at(size_t(i)); }
    QLineEdit* edit(int i) const { return edits_.at(size_t(i)); }
    QAbstractButton* button(int i, int choice) const;
    QCheckBox* checkBox(int i) const { return checks_.at(size_t(i)); }
    QComboBox* list(int i) const { return lists_.at(size_t(i)); }
    QPushButton* swatch(int i) const { return swatches_.at(size_t(i)); }
    QPushButton* changeButton() const { return changeButton_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QTreeWidget* pictureList() const { return pictureList_; }
    // What the preview shows now.
    const imaging::EffectImage& preview() const { return preview_; }

    // The preview's size for a picture of width x height: 240 wide, or 180 high when that
    // would be higher, and at least a pixel each way.
    static QSize previewSize(int width, int height, int boxWidth = 240, int boxHeight = 180);
    // The square a turn's preview is fitted into: 200, 220 or 240 a side as the photo is
    // upright, nearly square (up to 1.2 : 1) or wide.
    static QSize squarePreviewBox(int width, int height);

    void accept() override;

  private:
    QHBoxLayout* labelledRow(const char* label, QWidget*& row);
    QWidget* numberRow(int i, const EffectParameter& p);
    QWidget* choiceGroup(int i, const EffectParameter& p);
    QWidget* checkBoxFor(int i, const EffectParameter& p);
    QWidget* listRow(int i, const EffectParameter& p);
    QWidget* colourRow(int i, const EffectParameter& p);
    QWidget* pictureRow();
    QWidget* pictureListBox(const QString& photoPath);
    void changePicture();
    void addPicture();
    void deletePicture();
    // The picture at `path` fitted to the preview; false when it cannot be read.
    bool readForPreview(const QString& path, imaging::EffectImage& fitted) const;
    void showSwatch(int i);
    void greyParametersNotTaken();
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
    std::vector<QComboBox*> lists_;
    std::vector<QPushButton*> swatches_;
    QLineEdit* picturePath_ = nullptr;
    QPushButton* changeButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QTreeWidget* pictureList_ = nullptr;
    // The pictures combined with the photo, as files and fitted to the preview; the photo
    // heads a list until it is deleted from it.
    QStringList pictures_;
    std::vector<imaging::EffectImage> previewPictures_;
    bool photoLeftOut_ = false;
    QLabel* previewLabel_;
    imaging::EffectImage source_;
    imaging::EffectImage preview_;
};

} // namespace editor

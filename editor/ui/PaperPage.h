#pragma once
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace editor {

// The "Paper" tab: paper, canvas size, unit, automatic arrangement and direction.
class PaperPage : public QWidget {
    Q_OBJECT
  public:
    explicit PaperPage(QWidget* parent = nullptr);

    QLabel* banner;
    QLabel* help;
    QGroupBox* canvasSizeGroup;
    QComboBox* paperCombo;
    QLineEdit* canvasWidthEdit;
    QLineEdit* canvasHeightEdit;
    QComboBox* unitCombo;
    QCheckBox* arrangeCheck;
    QGroupBox* layerImagesGroup;
    QLineEdit* layerImagesWidthEdit;
    QLineEdit* layerImagesHeightEdit;
    QGroupBox* directionGroup;
    QRadioButton* portraitRadio;
    QRadioButton* landscapeRadio;
};

} // namespace editor

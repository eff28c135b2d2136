#pragma once
#include "imaging/DibHeader.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;

namespace editor {

// The "Photo" tab: the layer list with the position of the selected layer, and the photo,
// caption and caption-background controls, of which the main window shows what fits the
// selected layer.
class PhotoPage : public QWidget {
    Q_OBJECT
  public:
    explicit PhotoPage(QWidget* parent = nullptr);

    // Layer list and position
    QTreeWidget* layerList;
    QGroupBox* positionGroup;
    QLineEdit* topEdit;
    QLineEdit* leftEdit;

    // Photo
    QWidget* photoGroup;
    QLineEdit* sourceEdit;
    QPushButton* changeSourceButton;
    QLineEdit* layerWidthEdit;
    QLineEdit* layerHeightEdit;
    QCheckBox* constrainCheck;
    QComboBox* effectCombo;
    QCheckBox* hideBackgroundCheck;
    QPushButton* rotateButton;
    QLineEdit* effectParameterEdit;
    QPushButton* effectChangeButton;

    // Caption
    QWidget* textGroup;
    QLineEdit* textEdit;
    QComboBox* fontCombo;
    QComboBox* fontSizeCombo;
    QToolButton* textColourButton;
    QRadioButton* horizontalRadio;
    QRadioButton* verticalRadio;
    QToolButton* boldButton;
    QToolButton* italicButton;
    QToolButton* underlineButton;
    QCheckBox* opaqueCheck;

    // Caption background
    QGroupBox* backgroundGroup;
    QToolButton* backgroundColourButton;
    QLineEdit* backgroundWidthEdit;
    QLineEdit* backgroundHeightEdit;

    // Paints a 15 x 15 colour field in the swatch frame.
    static void showSwatch(QToolButton* field, imaging::ColorRef colour);
    static QStringList effectNames();
};

} // namespace editor

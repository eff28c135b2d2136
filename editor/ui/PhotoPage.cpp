#include "editor/ui/PhotoPage.h"

#include "editor/ui/NumberEdit.h"
#include "shared/DibConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace editor {

namespace {

QToolButton* styleButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setCheckable(true);
    return button;
}

QToolButton* colourField(const char* name, QWidget* parent) {
    auto* field = new QToolButton(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setIconSize(QSize(15, 15));
    field->setAutoRaise(true);
    return field;
}

} // namespace

QStringList PhotoPage::effectNames() {
    return {"Original source", "Brightness&Contrast",
            "Hue&Saturation",  "Adjust RGB",
            "Sharpen",         "Smoothen",
            "Emboss style",    "Wind style",
            "Mirror",          "Alpha blend",
            "Shadow optimize", "Mask",
            "Red eyes repair", "Multiple exposure ",
            "Rotate ",         "Crop"};
}

void PhotoPage::showSwatch(QToolButton* field, imaging::ColorRef colour) {
    QImage swatch = quillax::toQImage(quillax::loadBmp(":/editor/swatch.bmp"));
    if (swatch.isNull()) {
        swatch = QImage(15, 15, QImage::Format_RGB32);
        swatch.fill(Qt::gray);
    }
    QPainter painter(&swatch);
    painter.fillRect(
        QRect(2, 2, swatch.width() - 4, swatch.height() - 4),
        QColor(imaging::redOf(colour), imaging::greenOf(colour), imaging::blueOf(colour)));
    painter.end();
    field->setIcon(QIcon(QPixmap::fromImage(swatch)));
}

PhotoPage::PhotoPage(QWidget* parent) : QWidget(parent) {
    setObjectName("photoPage");
    auto* layout = new QVBoxLayout(this);

    layerList = new QTreeWidget(this);
    layerList->setObjectName("layerList");
    layerList->setColumnCount(2);
    layerList->setHeaderLabels({tr("Item Icon"), tr("File name")});
    layerList->setHeaderHidden(true);
    layerList->setRootIsDecorated(false);
    layerList->setSelectionMode(QAbstractItemView::SingleSelection);
    layerList->setIconSize(QSize(32, 24));
    layerList->setMinimumHeight(150);
    layout->addWidget(layerList, 1);

    positionGroup = new QGroupBox(tr("Position"), this);
    positionGroup->setObjectName("positionGroup");
    auto* position = new QHBoxLayout(positionGroup);
    topEdit = numberEdit("topEdit", positionGroup, 80);
    leftEdit = numberEdit("leftEdit", positionGroup, 80);
    position->addWidget(new QLabel(tr("Top"), positionGroup));
    position->addWidget(topEdit);
    position->addWidget(new QLabel(tr("Left"), positionGroup));
    position->addWidget(leftEdit);
    position->addStretch(1);
    layout->addWidget(positionGroup);

    // Photo controls
    photoGroup = new QWidget(this);
    photoGroup->setObjectName("photoGroup");
    auto* photo = new QVBoxLayout(photoGroup);
    photo->setContentsMargins(0, 0, 0, 0);
    auto* source = new QHBoxLayout;
    source->addWidget(new QLabel(tr("Source file"), photoGroup));
    sourceEdit = new QLineEdit(photoGroup);
    sourceEdit->setObjectName("sourceEdit");
    sourceEdit->setReadOnly(true);
    source->addWidget(sourceEdit, 1);
    changeSourceButton = new QPushButton(tr("Change"), photoGroup);
    changeSourceButton->setObjectName("changeSourceButton");
    source->addWidget(changeSourceButton);
    photo->addLayout(source);

    auto* sizeGroup = new QGroupBox(tr("Size"), photoGroup);
    auto* size = new QGridLayout(sizeGroup);
    layerWidthEdit = numberEdit("layerWidthEdit", sizeGroup, 80);
    layerHeightEdit = numberEdit("layerHeightEdit", sizeGroup, 80);
    size->addWidget(new QLabel(tr("Width"), sizeGroup), 0, 0);
    size->addWidget(layerWidthEdit, 0, 1);
    size->addWidget(new QLabel(tr("Height"), sizeGroup), 0, 2);
    size->addWidget(layerHeightEdit, 0, 3);
    constrainCheck = new QCheckBox(tr("Constrain Proportions"), sizeGroup);
    constrainCheck->setObjectName("constrainCheck");
    size->addWidget(constrainCheck, 1, 0, 1, 4);
    photo->addWidget(sizeGroup);

    auto* effectBox = new QGroupBox(tr("Effect"), photoGroup);
    auto* effect = new QGridLayout(effectBox);
    effectCombo = new QComboBox(effectBox);
    effectCombo->setObjectName("effectCombo");
    effectCombo->addItems(effectNames());
    effectCombo->setCurrentIndex(-1);
    effect->addWidget(effectCombo, 0, 0, 1, 2);
    rotateButton = new QPushButton(tr("Rotate"), effectBox);
    rotateButton->setObjectName("rotateButton");
    effect->addWidget(rotateButton, 0, 2);
    hideBackgroundCheck = new QCheckBox(tr("Hide background"), effectBox);
    hideBackgroundCheck->setObjectName("hideBackgroundCheck");
    effect->addWidget(hideBackgroundCheck, 1, 0, 1, 3);
    effectParameterEdit = new QLineEdit(effectBox);
    effectParameterEdit->setObjectName("effectParameterEdit");
    effectChangeButton = new QPushButton(tr("Change"), effectBox);
    effectChangeButton->setObjectName("effectChangeButton");
    effect->addWidget(effectParameterEdit, 2, 0, 1, 2);
    effect->addWidget(effectChangeButton, 2, 2);
    effectParameterEdit->hide();
    effectChangeButton->hide();
    photo->addWidget(effectBox);
    layout->addWidget(photoGroup);

    // Caption controls
    textGroup = new QWidget(this);
    textGroup->setObjectName("textGroup");
    auto* text = new QGridLayout(textGroup);
    text->setContentsMargins(0, 0, 0, 0);
    text->addWidget(new QLabel(tr("Text content"), textGroup), 0, 0);
    textEdit = new QLineEdit(textGroup);
    textEdit->setObjectName("textEdit");
    text->addWidget(textEdit, 0, 1, 1, 3);
    text->addWidget(new QLabel(tr("Font"), textGroup), 1, 0);
    fontCombo = new QComboBox(textGroup);
    fontCombo->setObjectName("fontCombo");
    fontCombo->setEditable(true);
    fontCombo->setInsertPolicy(QComboBox::NoInsert);
    text->addWidget(fontCombo, 1, 1, 1, 3);
    text->addWidget(new QLabel(tr("Size"), textGroup), 2, 0);
    fontSizeCombo = new QComboBox(textGroup);
    fontSizeCombo->setObjectName("fontSizeCombo");
    fontSizeCombo->setEditable(true);
    fontSizeCombo->setInsertPolicy(QComboBox::NoInsert);
    fontSizeCombo->addItems({"72", "48", "36", "28", "26", "24", "22", "20", "18", "16", "14", "12",
                             "11", "10", "9", "8"});
    text->addWidget(fontSizeCombo, 2, 1);
    text->addWidget(new QLabel(tr("Color"), textGroup), 2, 2);
    textColourButton = colourField("textColourField", textGroup);
    text->addWidget(textColourButton, 2, 3);

    auto* directionBox = new QGroupBox(tr("Direction"), textGroup);
    auto* direction = new QVBoxLayout(directionBox);
    horizontalRadio = new QRadioButton(tr("Horizontal"), directionBox);
    horizontalRadio->setObjectName("horizontalRadio");
    verticalRadio = new QRadioButton(tr("Vertically"), directionBox);
    verticalRadio->setObjectName("verticalRadio");
    direction->addWidget(horizontalRadio);
    direction->addWidget(verticalRadio);
    text->addWidget(directionBox, 3, 0, 1, 2);

    auto* modifyBox = new QGroupBox(tr("Modify"), textGroup);
    auto* modify = new QHBoxLayout(modifyBox);
    boldButton = styleButton("boldButton", tr("Bold"), modifyBox);
    italicButton = styleButton("italicButton", tr("Italic"), modifyBox);
    underlineButton = styleButton("underlineButton", tr("Underline"), modifyBox);
    modify->addWidget(boldButton);
    modify->addWidget(italicButton);
    modify->addWidget(underlineButton);
    text->addWidget(modifyBox, 3, 2, 1, 2);
    opaqueCheck = new QCheckBox(tr("Opaque background"), textGroup);
    opaqueCheck->setObjectName("opaqueCheck");
    text->addWidget(opaqueCheck, 4, 0, 1, 4);
    layout->addWidget(textGroup);

    backgroundGroup = new QGroupBox(tr("Background"), this);
    backgroundGroup->setObjectName("backgroundGroup");
    auto* background = new QGridLayout(backgroundGroup);
    background->addWidget(new QLabel(tr("Color"), backgroundGroup), 0, 0);
    backgroundColourButton = colourField("backgroundColourField", backgroundGroup);
    background->addWidget(backgroundColourButton, 0, 1);
    backgroundWidthEdit = numberEdit("backgroundWidthEdit", backgroundGroup, 80);
    backgroundHeightEdit = numberEdit("backgroundHeightEdit", backgroundGroup, 80);
    background->addWidget(new QLabel(tr("Width"), backgroundGroup), 1, 0);
    background->addWidget(backgroundWidthEdit, 1, 1);
    background->addWidget(new QLabel(tr("Height"), backgroundGroup), 1, 2);
    background->addWidget(backgroundHeightEdit, 1, 3);
    layout->addWidget(backgroundGroup);
    layout->addStretch(0);
}

} // namespace editor

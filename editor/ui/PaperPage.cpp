#include "editor/ui/PaperPage.h"

#include "editor/ui/NumberEdit.h"
#include "shared/DibConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace editor {

PaperPage::PaperPage(QWidget* parent) : QWidget(parent) {
    setObjectName("paperPage");
    auto* layout = new QVBoxLayout(this);

    banner = new QLabel(this);
    banner->setObjectName("bannerPicture");
    banner->setPixmap(
        QPixmap::fromImage(quillax::toQImage(quillax::loadBmp(":/editor/banner.bmp"))));
    layout->addWidget(banner);

    help = new QLabel(
        tr("Choose the paper and the direction of the page. With \"Arrange automatically\" "
           "the photos are laid out in a grid of equal cells."),
        this);
    help->setObjectName("paperHelpText");
    help->setWordWrap(true);
    layout->addWidget(help);

    canvasSizeGroup = new QGroupBox(tr("Canvas size"), this);
    canvasSizeGroup->setObjectName("canvasSizeGroup");
    auto* size = new QGridLayout(canvasSizeGroup);
    paperCombo = new QComboBox(canvasSizeGroup);
    paperCombo->setObjectName("paperCombo");
    size->addWidget(paperCombo, 0, 0, 1, 4);
    canvasWidthEdit = numberEdit("canvasWidthEdit", canvasSizeGroup);
    canvasHeightEdit = numberEdit("canvasHeightEdit", canvasSizeGroup);
    size->addWidget(new QLabel(tr("Width"), canvasSizeGroup), 1, 0);
    size->addWidget(canvasWidthEdit, 1, 1);
    size->addWidget(new QLabel(tr("Height"), canvasSizeGroup), 1, 2);
    size->addWidget(canvasHeightEdit, 1, 3);
    auto* unitLabel = new QLabel(tr("Unit"), canvasSizeGroup);
    unitCombo = new QComboBox(canvasSizeGroup);
    unitCombo->setObjectName("unitCombo");
    unitCombo->addItems({"mm", "inch", "pixel"});
    size->addWidget(unitLabel, 2, 0);
    size->addWidget(unitCombo, 2, 1);
    layout->addWidget(canvasSizeGroup);

    arrangeCheck = new QCheckBox(tr("Arrange automatically"), this);
    arrangeCheck->setObjectName("arrangeCheck");
    layout->addWidget(arrangeCheck);

    layerImagesGroup = new QGroupBox(tr("Layer Images Size"), this);
    layerImagesGroup->setObjectName("layerImagesGroup");
    auto* cells = new QGridLayout(layerImagesGroup);
    layerImagesWidthEdit = numberEdit("layerImagesWidthEdit", layerImagesGroup);
    layerImagesHeightEdit = numberEdit("layerImagesHeightEdit", layerImagesGroup);
    cells->addWidget(new QLabel(tr("Width"), layerImagesGroup), 0, 0);
    cells->addWidget(layerImagesWidthEdit, 0, 1);
    cells->addWidget(new QLabel(tr("Height"), layerImagesGroup), 0, 2);
    cells->addWidget(layerImagesHeightEdit, 0, 3);
    layerImagesWidthEdit->setEnabled(false);
    layerImagesHeightEdit->setEnabled(false);
    layout->addWidget(layerImagesGroup);

    directionGroup = new QGroupBox(tr("Direction"), this);
    directionGroup->setObjectName("directionGroup");
    auto* direction = new QHBoxLayout(directionGroup);
    portraitRadio = new QRadioButton(tr("P&ortrait"), directionGroup);
    portraitRadio->setObjectName("portraitRadio");
    landscapeRadio = new QRadioButton(tr("L&andscape"), directionGroup);
    landscapeRadio->setObjectName("landscapeRadio");
    direction->addWidget(portraitRadio);
    direction->addWidget(landscapeRadio);
    layout->addWidget(directionGroup);
    layout->addStretch(1);
}

} // namespace editor

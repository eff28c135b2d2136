#include "editor/ui/LayerCommands.h"

#include "editor/model/ArrangeGrid.h"
#include "editor/model/LayerLabel.h"
#include "editor/model/PhotoImporter.h"
#include "editor/model/PhotoPlacement.h"
#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "shared/DibConversion.h"
#include "shared/ImageFormat.h"
#include "shared/Prompts.h"

#include <QBitmap>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeWidget>

namespace editor {

LayerCommands::LayerCommands(EditorMainDialog& window) : QObject(&window), window_(window) {
}

QString LayerCommands::askForPicture() {
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return window_.prompts().openFile(tr("Add Photo"), start, quillax::imageFileFilter());
}

void LayerCommands::addPhotoFromDialog() {
    const QString path = askForPicture();
    if (!path.isEmpty())
        addPhoto(path);
}

bool LayerCommands::addPhoto(const QString& path) {
    ProjectState& project = window_.project();
    PhotoPage& page = window_.photoPage();
    LayoutCanvas& canvas = window_.canvas();
    page.sourceEdit->setText(path);

    const int id = project.nextLayerId;
    const QString fileName = project.projectName + QString::number(id) + ".bmp";
    PhotoImporter::Result imported = PhotoImporter::import(path, project.projectFolder, fileName);
    switch (imported.status) {
    case PhotoImporter::Status::Ok:
        break;
    case PhotoImporter::Status::UnknownFormat:
        window_.prompts().message(tr("%1 is not a kind of picture this program can open.")
                                      .arg(QFileInfo(path).fileName()));
        return false;
    case PhotoImporter::Status::Unreadable:
        window_.prompts().message(
            tr("%1 could not be read as a picture.").arg(QFileInfo(path).fileName()));
        return false;
    case PhotoImporter::Status::CannotWrite:
        // A layer without its full-size copy could never be printed or saved: add none.
        window_.prompts().message(tr("The photo could not be copied into the project folder %1. "
                                     "Check that the disk has room and the folder can be written.")
                                      .arg(project.projectFolder));
        return false;
    }

    LayerRecord record;
    record.id = id;
    record.content = fileName;
    record.setBitmap(imported.working);
    record.hasRegion = true;

    // Placement: the next grid cell while arranging automatically, else the default place.
    const auto grid =
        ArrangeGrid::make(project.canvasWidth, project.canvasHeight,
                          window_.paperPage().layerImagesWidthEdit->text().toDouble(),
                          window_.paperPage().layerImagesHeightEdit->text().toDouble());
    if (window_.paperPage().arrangeCheck->isChecked() && grid &&
        project.photoLayers < grid->capacity())
        record.region = grid->cellRegion(project.photoLayers + 1, record.bitmapWidth,
                                         record.bitmapHeight, window_.canvasUnitFactor());
    else
        record.region = defaultPhotoRegion(id, record.bitmapWidth, record.bitmapHeight,
                                           project.pageWidth, project.pageHeight);
    record.x = record.region.left;
    record.y = record.region.top;

    // The list's thumbnail; its index in the picture list marks the record as a photo.
    QList<QPixmap>& pictures = window_.layerPictures();
    // As in the list's picture list, black is its thumbnails' mask colour.
    QPixmap thumbnail = QPixmap::fromImage(quillax::toQImage(imported.thumbnail));
    thumbnail.setMask(thumbnail.createMaskFromColor(Qt::black));
    pictures.append(thumbnail);
    record.thumbIndex = int(pictures.size() - 1);

    const int row = project.layerRows;
    auto* item = new QTreeWidgetItem(QStringList{photoLabel(path)});
    item->setIcon(0, QIcon(pictures.last()));
    item->setToolTip(0, path);
    page.layerList->insertTopLevelItem(row, item);
    window_.selectRow(row);

    canvas.stack().add(record);
    canvas.stack().setVisible(id, true);
    canvas.refresh();

    canvas.selection().setCurrentId(canvas.stack().idAtRow(row));
    window_.tabs().setCurrentIndex(EditorMainDialog::kPhotoTab);
    canvas.showLayer(true);

    project.layerRows += 1;
    project.photoLayers += 1;
    project.nextLayerId += 1;

    window_.history().record(HistoryKind::Add, canvas.selection().selectedCopy());
    window_.history().record(HistoryKind::Modify, canvas.selection().selectedCopy());
    return true;
}

bool LayerCommands::removeSelectedRow() {
    LayoutCanvas& canvas = window_.canvas();
    const LayerRecord* selected = canvas.selection().selected();
    if (selected == nullptr)
        return false;
    QTreeWidget* list = window_.photoPage().layerList;
    if (selected->listRow < 0 || selected->listRow >= list->topLevelItemCount())
        return false;
    delete list->takeTopLevelItem(selected->listRow);
    return true;
}

void LayerCommands::removeSelectedLayer() {
    LayoutCanvas& canvas = window_.canvas();
    const LayerRecord* selected = canvas.selection().selected();
    ProjectState& project = window_.project();
    if (selected->isPhoto())
        project.photoLayers -= 1;
    canvas.stack().remove(selected->id);
    project.layerRows -= 1;
    canvas.showBackground();
}

void LayerCommands::changeSource() {
    const QString path = askForPicture();
    if (path.isEmpty())
        return;
    LayoutCanvas& canvas = window_.canvas();
    const LayerRecord* selected = canvas.selection().selected();
    if (selected == nullptr || !removeSelectedRow())
        return;
    removeSelectedLayer();
    addPhoto(path);
}

void LayerCommands::deleteLayer() {
    LayoutCanvas& canvas = window_.canvas();
    const LayerRecord* selected = canvas.selection().selected();
    if (selected == nullptr)
        return;
    if (!window_.prompts().askYesNo(tr("Delete current layer?")))
        return;
    if (!removeSelectedRow())
        return;
    window_.history().record(HistoryKind::Delete, canvas.selection().selectedCopy());
    removeSelectedLayer();
    // The current id keeps naming the deleted layer, so nothing is selected until a pick.
    window_.tabs().setCurrentIndex(EditorMainDialog::kPhotoTab);
    window_.showControlsForTab(EditorMainDialog::kPhotoTab);
}

void LayerCommands::listClicked(int row) {
    LayoutCanvas& canvas = window_.canvas();
    canvas.selection().setCurrentId(row < 0 ? -1 : canvas.stack().idAtRow(row));
    if (canvas.showLayer(true) && canvas.selection().selected()->isPhoto())
        window_.endArrangement();
}

} // namespace editor

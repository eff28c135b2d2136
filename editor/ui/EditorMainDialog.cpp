#include "editor/ui/EditorMainDialog.h"

#include "editor/model/LayerLabel.h"
#include "editor/model/PageMetrics.h"
#include "editor/model/PhotoPageGroups.h"
#include "editor/ui/BrowserHandOff.h"
#include "editor/ui/CaptionView.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/EffectCommands.h"
#include "editor/ui/FullScreenPreview.h"
#include "editor/ui/LayerCommands.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PageExporter.h"
#include "editor/ui/PageSetupView.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "editor/ui/PrintCommands.h"
#include "editor/ui/PrintService.h"
#include "editor/ui/ProjectCommands.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/Launcher.h"
#include "shared/Prompts.h"
#include "shared/Settings.h"
#include "shared/ToolbarStrip.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

// The pictures live in a static library; naming its resources here keeps the linker from
// dropping them.
static void initEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace editor {

namespace {

// The page box of the window: 461 x 494 screen pixels whose top-left corner lies 45 pixels
// below the window's top edge, where the toolbar used to sit. Our toolbar lives above the
// central widget, so the box starts that much higher inside it.
constexpr int kToolbarHeight = 35;
constexpr int kPageBoxLeft = 10;
constexpr int kPageBoxTop = 45;

} // namespace

EditorMainDialog::EditorMainDialog(EditorServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName("editorMainDialog");
    initEditorResources();
    startUp();
}

EditorMainDialog::~EditorMainDialog() = default;

void EditorMainDialog::startUp() {
    setUpIcon();
    setUpProjectFolder();
    setUpMenuAndToolbar();
    setUpLayout();
    setUpTabs();
    setUpLayerList();
    paperPage_->portraitRadio->setChecked(true);
    setUpCanvas();
    paperPage_->unitCombo->setCurrentIndex(0);
    showPageBackground();
    connectDocument();
    connectCommands();
    connectHistory();
    connectKeys();
    showControlsForTab(tabs_->currentIndex());
    document_.tidyTemporaryFolder();
}

void EditorMainDialog::setUpIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/editor/pagemontager-%1.png").arg(size));
    setWindowIcon(icon);
}

// The temporary project lives beside the program; it is made if it went missing, so the first
// photo's full-size copy has somewhere to go.
void EditorMainDialog::setUpProjectFolder() {
    document_.setUpFolders(quillax::Settings::installFolder());
    updateCaption();
}

void EditorMainDialog::setUpMenuAndToolbar() {
    actions_ = new EditorActions(this);
    actions_->fillMenuBar(menuBar());
    auto* toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName("mainToolBar");
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setMovable(false);
    actions_->fillToolBar(toolbar);
    connect(actions_->exit, &QAction::triggered, this, &QWidget::close);
}

// The page box on the left, the tabs on the right.
void EditorMainDialog::setUpLayout() {
    auto* central = new QWidget(this);
    central->setObjectName("centralArea");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 8, 8);
    canvasArea_ = new QWidget(central);
    canvasArea_->setObjectName("canvasArea");
    canvasArea_->setFixedSize(kPageBoxLeft + kPageBoxWidth + 10,
                              kPageBoxTop - kToolbarHeight + kPageBoxHeight + 10);
    row->addWidget(canvasArea_, 0, Qt::AlignTop);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("tabs");
    paperPage_ = new PaperPage;
    photoPage_ = new PhotoPage;
    row->addWidget(tabs_, 1);
    setCentralWidget(central);
    statusBar()->setSizeGripEnabled(true);
}

void EditorMainDialog::setUpTabs() {
    tabs_->addTab(paperPage_, tr("Paper"));
    tabs_->addTab(photoPage_, tr("Photo"));
    connect(tabs_, &QTabWidget::currentChanged, this, &EditorMainDialog::showControlsForTab);
}

// The list's fixed pictures: eight 32-wide pictures keyed on magenta, of which the list shows
// the top 32 x 24. One visible column holds picture and label; the second stays a sliver.
void EditorMainDialog::setUpLayerList() {
    QList<QImage> pictures;
    for (const QImage& picture :
         quillax::ToolbarStrip::cut(quillax::loadBmp(":/editor/layer-pictures.bmp"), 32))
        pictures.append(picture.copy(0, 0, 32, 24));
    document_.setFixedListPictures(pictures);
    QHeaderView* header = photoPage_->layerList->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->resizeSection(1, 2);
}

void EditorMainDialog::setUpCanvas() {
    canvas_ = new LayoutCanvas(document_, canvasArea_);
    canvas_->setDisplayScale(kA4DisplayScale);
    canvas_->setPrompts(&services_.prompts);
    connectCanvas();
    setCanvasGeometry(60, kPageBoxTop, int(document_.project().pageWidth * kA4DisplayScale),
                      kPageBoxHeight);
}

// The page's changes reach the views here: the list, the canvas and the Paper page.
void EditorMainDialog::connectDocument() {
    connect(&document_, &PageDocument::layerAdded, this, &EditorMainDialog::onLayerAdded);
    connect(&document_, &PageDocument::layerRemoved, this, &EditorMainDialog::onLayerRemoved);
    connect(&document_, &PageDocument::arrangementEnded, this,
            [this] { paperPage_->arrangeCheck->setChecked(false); });
    connect(paperPage_->arrangeCheck, &QCheckBox::toggled, this, [this](bool on) {
        paperPage_->layerImagesWidthEdit->setEnabled(on);
        paperPage_->layerImagesHeightEdit->setEnabled(on);
    });
    connect(&document_, &PageDocument::pageApplied, this, &EditorMainDialog::placeCanvas);
    connect(&document_, &PageDocument::pageNote, this,
            [this](const QString& note) { statusBar()->showMessage(note); });
    connect(&document_, &PageDocument::layersArranged, canvas_, &LayoutCanvas::refresh);
}

// The page fills the box beside the tabs along the side that limits it; nothing stays
// selected on a new page.
void EditorMainDialog::placeCanvas() {
    const CanvasWindow window = document_.canvasWindow();
    setCanvasGeometry(window.left, window.top, window.width, window.height);
    canvas_->setDisplayScale(double(window.width) / document_.project().pageWidth);
    canvas_->clearLayerHit();
    canvas_->refresh();
    photoPage_->layerList->setCurrentItem(nullptr);
    showControlsForTab(tabs_->currentIndex());
}

void EditorMainDialog::connectCommands() {
    layerCommands_ = new LayerCommands(document_, services_.prompts, this);
    new PageSetupView(document_, *paperPage_, *photoPage_, *canvas_, services_.printer,
                      services_.prompts, this);
    captionView_ = new CaptionView(document_, *photoPage_, *canvas_, services_.prompts, this);
    projectCommands_ = new ProjectCommands(document_, services_.prompts, services_.printer, this);
    if (QMenu* file = menuBar()->findChild<QMenu*>("menuFile"))
        projectCommands_->addRecentMenu(*file, actions_->saveProject);
    connect(actions_->newProject, &QAction::triggered, projectCommands_,
            &ProjectCommands::newProject);
    connect(actions_->openProject, &QAction::triggered, projectCommands_,
            &ProjectCommands::openProject);
    connect(actions_->saveProject, &QAction::triggered, projectCommands_,
            &ProjectCommands::saveProject);
    connect(actions_->saveProjectAs, &QAction::triggered, projectCommands_,
            &ProjectCommands::saveProjectAs);
    connect(&document_, &PageDocument::projectCleared, this, &EditorMainDialog::onProjectCleared);
    // F11 and Escape, as in other viewers: F11 opens, any key (Escape too) closes.
    actions_->fullScreenPreview->setShortcut(Qt::Key_F11);
    connect(actions_->fullScreenPreview, &QAction::triggered, this,
            &EditorMainDialog::showFullScreenPreview);
    connect(&document_, &PageDocument::projectRenamed, this, &EditorMainDialog::updateCaption);
    connect(&document_, &PageDocument::modifiedChanged, this, &QWidget::setWindowModified);
    document_.setCaptionDrawer(&captionDrawer_);
    connect(actions_->addText, &QAction::triggered, captionView_, &CaptionView::addText);
    connect(actions_->addPhoto, &QAction::triggered, layerCommands_,
            &LayerCommands::addPhotoFromDialog);
    connect(actions_->deleteLayer, &QAction::triggered, layerCommands_,
            &LayerCommands::deleteLayer);
    connect(photoPage_->changeSourceButton, &QPushButton::clicked, layerCommands_,
            &LayerCommands::changeSource);
    connect(photoPage_->layerList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        listClicked(photoPage_->layerList->indexOfTopLevelItem(item));
    });
    connect(actions_->exportPhotos, &QAction::triggered, this,
            [this] { PageExporter::run(document_, services_.prompts); });
    auto* effects = new EffectCommands(document_, *photoPage_, *canvas_, services_.prompts, this);
    effects->greyUnusableEffects();
    handOff_ = new BrowserHandOff(*this, *layerCommands_, this);
    if (services_.launcher != nullptr)
        handOff_->setLauncher(services_.launcher);
    connect(actions_->howTo, &QAction::triggered, this, &EditorMainDialog::openHelp);
    connect(actions_->browse, &QAction::triggered, handOff_, &BrowserHandOff::browse);
    // Asked as for a recent project: unsaved changes are offered for saving first.
    connect(handOff_, &BrowserHandOff::projectOpenRequested, projectCommands_,
            &ProjectCommands::openRecent);
    printCommands_ = new PrintCommands(document_, services_.printer, services_.prompts, this,
                                       [this] { showFullScreenPreview(); });
    connect(actions_->printPhotos, &QAction::triggered, printCommands_, &PrintCommands::print);
    connect(actions_->printPreview, &QAction::triggered, printCommands_,
            &PrintCommands::printPreview);
    for (QAction* built :
         {actions_->addPhoto, actions_->addText, actions_->deleteLayer, actions_->exportPhotos,
          actions_->newProject, actions_->openProject, actions_->saveProject,
          actions_->saveProjectAs, actions_->fullScreenPreview, actions_->printPhotos,
          actions_->printPreview, actions_->browse})
        actions_->markBuilt(built);
    actions_->updateEnabled(services_.printer.hasDefaultPrinter());
}

// Undo and Redo: the document steps through its history and says what changed; the list,
// the canvas and the tabs follow.
void EditorMainDialog::connectHistory() {
    connect(actions_->undo, &QAction::triggered, this,
            [this] { showStepOutcome(document_.undo()); });
    connect(actions_->redo, &QAction::triggered, this,
            [this] { showStepOutcome(document_.redo()); });
    connect(&document_, &PageDocument::historyChanged, this,
            &EditorMainDialog::updateHistoryActions);
    connect(&document_, &PageDocument::layerRestored, this, &EditorMainDialog::onLayerRestored);
    connect(&document_, &PageDocument::pageRestored, this, &EditorMainDialog::onPageRestored);
    updateHistoryActions();
}

void EditorMainDialog::updateHistoryActions() {
    actions_->undo->setEnabled(document_.history().canUndo());
    actions_->redo->setEnabled(document_.history().canRedo());
}

void EditorMainDialog::showStepOutcome(PageDocument::StepOutcome outcome) {
    if (outcome == PageDocument::StepOutcome::ArrangementNotRestorable)
        services_.prompts.message(tr("Could not restore AutoArrange operation!"));
}

void EditorMainDialog::onLayerRestored(int id) {
    const LayerRecord* layer = document_.stack().find(id);
    if (layer == nullptr)
        return;
    selectRow(layer->listRow);
    canvas_->refresh();
    tabs_->setCurrentIndex(kPhotoTab);
    // Shown where it lies in the stack: an undo does not bring a layer to the top.
    canvas_->showLayer(LayoutCanvas::Shown::InPlace);
}

// The page tab shows what undo or redo changed.
void EditorMainDialog::onPageRestored() {
    tabs_->setCurrentIndex(kPaperTab);
    showControlsForTab(kPaperTab);
}

void EditorMainDialog::onLayerAdded(int id) {
    const LayerRecord* layer = document_.stack().find(id);
    if (layer == nullptr)
        return;
    // As in the list's picture list, black is its thumbnails' mask colour.
    QPixmap thumbnail = QPixmap::fromImage(document_.listPictures().value(layer->thumbIndex));
    if (!thumbnail.isNull())
        thumbnail.setMask(thumbnail.createMaskFromColor(Qt::black));
    const QString label = layer->isPhoto() ? photoLabel(layer->sourcePath) : tr("TEXT: ...");
    auto* item = new QTreeWidgetItem(QStringList{label});
    item->setIcon(0, QIcon(thumbnail));
    if (layer->isPhoto())
        item->setToolTip(0, layer->sourcePath);
    photoPage_->layerList->insertTopLevelItem(layer->listRow, item);
    selectRow(layer->listRow);
    canvas_->refresh();
    tabs_->setCurrentIndex(kPhotoTab);
    // A new photo is on top already; one an undo brought back keeps its place in the stack.
    canvas_->showLayer(LayoutCanvas::Shown::InPlace);
}

void EditorMainDialog::onLayerRemoved(int row) {
    QTreeWidget* list = photoPage_->layerList;
    if (row >= 0 && row < list->topLevelItemCount())
        delete list->takeTopLevelItem(row);
    canvas_->showBackground();
    tabs_->setCurrentIndex(kPhotoTab);
    showControlsForTab(kPhotoTab);
}

void EditorMainDialog::listClicked(int row) {
    document_.select(row < 0 ? -1 : document_.stack().idAtRow(row));
    if (canvas_->showLayer(LayoutCanvas::Shown::BroughtToTop) &&
        document_.selection().selected()->isPhoto())
        endArrangement();
}

void EditorMainDialog::setCanvasGeometry(int left, int top, int width, int height) {
    canvas_->setGeometry(left, top - kToolbarHeight, width, height);
}

void EditorMainDialog::showPageBackground() {
    imaging::DibImage page;
    if (!page.create(kPageBoxWidth, kPageBoxHeight, 24))
        return;
    imaging::fill(page, 0x00A5FFFF);
    canvas_->setPagePicture(page);
}

void EditorMainDialog::updateCaption() {
    // "[*]" is where the desktop's mark of unsaved work goes.
    setWindowTitle(document_.project().projectName + "[*]-Pagemontager (V1.1)");
    setWindowModified(document_.isModified());
}

void EditorMainDialog::showControlsForTab(int index) {
    PhotoPage& p = *photoPage_;
    const auto tab = index == kPaperTab ? PhotoPageGroups::Tab::Paper : PhotoPageGroups::Tab::Photo;
    const PhotoPageGroups shown = PhotoPageGroups::shownFor(tab, document_.selection().selected(),
                                                            p.opaqueCheck->isChecked());
    if (tab == PhotoPageGroups::Tab::Paper)
        paperPage_->show();
    p.layerList->setVisible(shown.list);
    p.positionGroup->setVisible(shown.position);
    p.photoGroup->setVisible(shown.photo);
    p.textGroup->setVisible(shown.text);
    p.backgroundGroup->setVisible(shown.background);
}

void EditorMainDialog::connectCanvas() {
    connect(canvas_, &LayoutCanvas::layerPicked, this, &EditorMainDialog::onLayerPicked);
    connect(canvas_, &LayoutCanvas::layerShown, this, &EditorMainDialog::onLayerShown);
    connect(canvas_, &LayoutCanvas::cropFinished, this,
            [this] { photoPage_->effectCombo->setCurrentIndex(-1); });
    connect(photoPage_->effectCombo, &QComboBox::currentIndexChanged, this,
            [this](int row) { canvas_->setCropMode(row == EffectCommands::kCropRow); });
}

void EditorMainDialog::endArrangement() {
    document_.endArrangement();
}

void EditorMainDialog::onLayerPicked() {
    tabs_->setCurrentIndex(kPhotoTab);
    paperPage_->hide();
}

void EditorMainDialog::onLayerShown(int id, bool pickedOnCanvas) {
    const LayerRecord* record = document_.stack().find(id);
    if (record == nullptr)
        return;
    if (record->isPhoto()) {
        photoPage_->sourceEdit->setText(record->sourcePath);
        photoPage_->hideBackgroundCheck->setChecked(record->backgroundHidden);
        // Picking a photo by hand ends automatic arrangement, as moving it does; a photo
        // that was just added and arranged leaves it on for the next one.
        if (pickedOnCanvas)
            endArrangement();
    } else {
        captionView_->fill(*record);
    }
    if (pickedOnCanvas)
        selectRow(record->listRow);
    showControlsForTab(tabs_->currentIndex());
}

void EditorMainDialog::selectRow(int row) {
    QTreeWidget* list = photoPage_->layerList;
    if (row < 0 || row >= list->topLevelItemCount())
        return;
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item);
    list->scrollToItem(item);
}

void EditorMainDialog::mouseReleaseEvent(QMouseEvent* event) {
    // A release over the window on the "Paper" page takes the selection frame off the page.
    if (tabs_->currentIndex() == kPaperTab && canvas_->lastPressHitLayer()) {
        canvas_->clearLayerHit();
        canvas_->refresh();
    }
    QMainWindow::mouseReleaseEvent(event);
}

// Delete on the canvas or the list, and the arrow keys while the pointer is over the canvas.
// An edit keeps its own arrow keys: it claims them before any shortcut. Elsewhere, while a
// layer is selected, they do nothing, so they never shift a combo box or a tab by surprise.
void EditorMainDialog::connectKeys() {
    canvas_->setFocusPolicy(Qt::ClickFocus);
    auto* deleteKey = new QAction(tr("Delete Layer"), this);
    deleteKey->setObjectName("deleteKey");
    deleteKey->setShortcut(Qt::Key_Delete);
    deleteKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    canvas_->addAction(deleteKey);
    photoPage_->layerList->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, layerCommands_, &LayerCommands::deleteLayer);

    const struct {
        Qt::Key key;
        int dx, dy;
    } arrows[] = {
        {Qt::Key_Left, -2, 0}, {Qt::Key_Right, 2, 0}, {Qt::Key_Up, 0, -2}, {Qt::Key_Down, 0, 2}};
    for (const auto& arrow : arrows) {
        auto* nudge = new QAction(this);
        nudge->setShortcut(arrow.key);
        nudge->setShortcutContext(Qt::WindowShortcut);
        addAction(nudge);
        connect(nudge, &QAction::triggered, this, [this, dx = arrow.dx, dy = arrow.dy] {
            if (QApplication::widgetAt(QCursor::pos()) == canvas_)
                canvas_->nudge(dx, dy);
        });
        nudgeKeys_.append(nudge);
    }
    // Without a selected layer the arrow keys are ordinary keys everywhere.
    auto followSelection = [this] {
        for (QAction* nudge : nudgeKeys_)
            nudge->setEnabled(document_.selection().selected() != nullptr);
    };
    connect(canvas_, &LayoutCanvas::layerShown, this, followSelection);
    connect(canvas_, &LayoutCanvas::selectionCleared, this, followSelection);
    connect(&document_, &PageDocument::layerRemoved, this, followSelection);
    followSelection();

    photoPage_->layerList->viewport()->installEventFilter(this);
}

void EditorMainDialog::addPhotosLater(const QStringList& paths) {
    QTimer::singleShot(0, this, [this, paths] { layerCommands_->addPhotos(paths); });
}

bool EditorMainDialog::eventFilter(QObject* watched, QEvent* event) {
    // A click on the list below its rows selects no layer.
    if (watched == photoPage_->layerList->viewport() &&
        event->type() == QEvent::MouseButtonRelease &&
        photoPage_->layerList->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()) ==
            nullptr)
        listClicked(-1);
    return QMainWindow::eventFilter(watched, event);
}

// Whenever the window is activated or left, and not minimised, the browser's queue is taken.
void EditorMainDialog::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && handOff_ != nullptr)
        handOff_->importQueue();
}

void EditorMainDialog::closeEvent(QCloseEvent* event) {
    // Yes saves; a save that is cancelled or fails keeps the window and the work.
    if (projectCommands_->mayDiscard())
        event->accept();
    else
        event->ignore();
}

void EditorMainDialog::showFullScreenPreview() {
    if (photoPage_->layerList->topLevelItemCount() == 0) {
        services_.prompts.message(tr("Please add your photo first!"));
        return;
    }
    const auto page = document_.composePage(PageDocument::PageTurn::AsShown);
    if (!page) {
        services_.prompts.message(tr("Could not combine image!"));
        return;
    }
    FullScreenPreview preview(*page, screen(), this);
    preview.setWindowState(Qt::WindowFullScreen);
    services_.prompts.runDialog(preview);
}

// A new or opened project starts on the Paper page with an empty list and a white page.
void EditorMainDialog::onProjectCleared() {
    photoPage_->layerList->clear();
    tabs_->setCurrentIndex(kPaperTab);
    canvas_->refresh();
    canvas_->showBackground();
    showControlsForTab(kPaperTab);
}

// Readme.rtf of the install folder, in the desktop's program for it; a missing file is the
// desktop's to report, as the browser leaves it.
void EditorMainDialog::openHelp() {
    quillax::Launcher& launcher =
        services_.launcher ? *services_.launcher : quillax::DesktopLauncher::instance();
    launcher.openDocument(QUrl::fromLocalFile(quillax::Settings::installFolder() + "Readme.rtf"));
}

QString EditorMainDialog::openProjectFile(const QString& path) {
    return projectCommands_->openProjectFile(path);
}

} // namespace editor

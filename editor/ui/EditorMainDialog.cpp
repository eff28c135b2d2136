#include "editor/ui/EditorMainDialog.h"

#include "editor/model/PaperTable.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "editor/ui/PrintService.h"
#include "imaging/Resampling.h"
#include "shared/DibConversion.h"
#include "shared/Prompts.h"
#include "shared/Settings.h"
#include "shared/ToolbarStrip.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

// The pictures live in a static library; naming its resources here keeps the linker from
// dropping them.
static void initEditorResources() { Q_INIT_RESOURCE(editor); }

namespace editor {

namespace {

// The page box of the window: 461 x 494 screen pixels whose top-left corner lies 45 pixels
// below the window's top edge, where the toolbar used to sit. Our toolbar lives above the
// central widget, so the box starts that much higher inside it.
constexpr int kToolbarHeight = 35;
constexpr int kPageBoxWidth = 461;
constexpr int kPageBoxHeight = 494;
constexpr int kPageBoxLeft = 10;
constexpr int kPageBoxTop = 45;

QString numberText(double value, int digits) { return QString::number(value, 'g', digits); }

} // namespace

EditorMainDialog::EditorMainDialog(EditorServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName("editorMainDialog");
    initEditorResources();
    startUp();
}

EditorMainDialog::~EditorMainDialog() = default;

void EditorMainDialog::startUp() {
    // 1. Icons.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/editor/pagemontager-%1.png").arg(size));
    setWindowIcon(icon);

    // 2. Folders. The temporary project lives beside the program; make it if it went missing,
    // so the first photo's full-size copy has somewhere to go.
    installFolder_ = quillax::Settings::installFolder();
    projectFolder_ = installFolder_ + projectName_ + "/";
    QDir().mkpath(projectFolder_);
    updateCaption();

    // 3. Menu and toolbar.
    actions_ = new EditorActions(this);
    actions_->fillMenuBar(menuBar());
    auto* toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName("mainToolBar");
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setMovable(false);
    actions_->fillToolBar(toolbar);
    connect(actions_->exit, &QAction::triggered, this, &QWidget::close);

    // The window: page box on the left, tabs on the right.
    auto* central = new QWidget(this);
    central->setObjectName("centralArea");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 8, 8);
    canvasArea_ = new QWidget(central);
    canvasArea_->setObjectName("canvasArea");
    canvasArea_->setFixedSize(kPageBoxLeft + kPageBoxWidth + 10, kPageBoxTop - kToolbarHeight + kPageBoxHeight + 10);
    row->addWidget(canvasArea_, 0, Qt::AlignTop);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("tabs");
    paperPage_ = new PaperPage;
    photoPage_ = new PhotoPage;
    row->addWidget(tabs_, 1);
    setCentralWidget(central);
    statusBar()->setSizeGripEnabled(true);

    // 4, 5. Fonts, caption defaults, swatches.
    fillFontCombo();
    photoPage_->horizontalRadio->setChecked(true);
    photoPage_->fontCombo->setEditText("Arial");
    photoPage_->fontSizeCombo->setCurrentIndex(-1);
    photoPage_->fontSizeCombo->setEditText("36");
    photoPage_->constrainCheck->setChecked(true);
    PhotoPage::showSwatch(photoPage_->textColourButton, textColour_);
    PhotoPage::showSwatch(photoPage_->backgroundColourButton, backgroundColour_);
    photoPage_->layerWidthEdit->setText(numberText(0, 6));
    photoPage_->layerHeightEdit->setText(numberText(0, 6));
    photoPage_->topEdit->setText(numberText(0, 6));
    photoPage_->leftEdit->setText(numberText(0, 6));
    photoPage_->backgroundWidthEdit->setText(numberText(0, 6));
    photoPage_->backgroundHeightEdit->setText(numberText(0, 6));
    paperPage_->layerImagesWidthEdit->setText(numberText(0, 6));
    paperPage_->layerImagesHeightEdit->setText(numberText(0, 6));

    // 6. Tab pages.
    tabs_->addTab(paperPage_, tr("Paper"));
    tabs_->addTab(photoPage_, tr("Photo"));
    connect(tabs_, &QTabWidget::currentChanged, this, &EditorMainDialog::showControlsForTab);

    // 7. Layer list columns and its pictures: eight 32-wide pictures keyed on magenta, of which
    // the list shows the top 32 x 24.
    for (const QImage& picture : quillax::ToolbarStrip::cut(quillax::loadBmp(":/editor/layer-pictures.bmp"), 32))
        layerPictures_.append(QPixmap::fromImage(picture.copy(0, 0, 32, 24)));
    photoPage_->layerList->header()->resizeSection(1, 2);

    // 8. Portrait.
    paperPage_->portraitRadio->setChecked(true);

    // 9. The canvas in its place.
    canvas_ = new LayoutCanvas(canvasArea_);
    canvas_->setDisplayScale(494.0 / 1403);
    setCanvasGeometry(60, kPageBoxTop, int(pageWidth_ * 494.0 / 1403), kPageBoxHeight);

    // 10. Unit.
    paperPage_->unitCombo->setCurrentIndex(0);

    // 11, 12. Printer and papers.
    platformKind_ = services_.printer.platformKind();
    fillPaperCombo();
    paperPage_->canvasWidthEdit->setText(numberText(canvasWidth_, 15));
    paperPage_->canvasHeightEdit->setText(numberText(canvasHeight_, 15));

    // 13. The empty page.
    showPageBackground();

    actions_->updateEnabled(services_.printer.hasDefaultPrinter());
    // Page setup and caption editing are not in this build yet; their controls stay greyed
    // rather than pretend to change anything.
    for (QWidget* w : std::initializer_list<QWidget*>{
             paperPage_->paperCombo, paperPage_->canvasWidthEdit, paperPage_->canvasHeightEdit,
             paperPage_->unitCombo, paperPage_->arrangeCheck, paperPage_->directionGroup})
        w->setEnabled(false);
    showControlsForTab(tabs_->currentIndex());
}

void EditorMainDialog::setCanvasGeometry(int left, int top, int width, int height) {
    canvas_->setGeometry(left, top - kToolbarHeight, width, height);
}

void EditorMainDialog::fillFontCombo() {
    fontNames_.clear();
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            fontNames_.append(family);
    }
    QStringList sorted = fontNames_;
    sorted.sort(Qt::CaseInsensitive);
    photoPage_->fontCombo->addItems(sorted);
}

void EditorMainDialog::fillPaperCombo() {
    QComboBox* combo = paperPage_->paperCombo;
    combo->clear();
    paperIndex_ = -1;
    if (services_.printer.hasDefaultPrinter() && platformKind_ != 2) {
        const QStringList forms = services_.printer.formNames();
        combo->addItems(forms);
        combo->addItem(PaperTable::userDefinedName());
        paperIndex_ = services_.printer.defaultFormIndex();
        if (paperIndex_ < 0) {
            // No default paper given: the last short "A4" entry, as the forms are searched.
            for (int i = 0; i < forms.size(); ++i) {
                if (forms[i].contains("A4") && forms[i].size() < 4)
                    paperIndex_ = i;
            }
        }
        if (paperIndex_ >= 0)
            combo->setCurrentIndex(paperIndex_);
    } else if (services_.printer.hasDefaultPrinter()) {
        paperIndex_ = PaperTable::kDefaultRow;
    }
    if (paperIndex_ < 0 || platformKind_ == 2) {
        combo->clear();
        for (const Paper& paper : PaperTable::builtIn())
            combo->addItem(QString::fromLatin1(paper.name));
        combo->addItem(PaperTable::userDefinedName());
        combo->setCurrentIndex(PaperTable::kDefaultRow);
    }
}

void EditorMainDialog::showPageBackground() {
    imaging::DibImage page;
    if (!page.create(kPageBoxWidth, kPageBoxHeight, 24))
        return;
    imaging::fill(page, 0x00A5FFFF);
    canvas_->setPagePicture(page);
}

void EditorMainDialog::updateCaption() { setWindowTitle(projectName_ + "-Pagemontager (V1.1)"); }

void EditorMainDialog::showControlsForTab(int index) {
    const bool layerSelected = canvas_->selection().currentId() >= 0 && canvas_->selection().selected();
    const bool isPhoto = layerSelected && canvas_->selection().selected()->isPhoto();
    PhotoPage& p = *photoPage_;
    auto showPhotoGroups = [&](bool list, bool position, bool photo, bool text, bool background) {
        p.layerList->setVisible(list);
        p.positionGroup->setVisible(position);
        p.photoGroup->setVisible(photo);
        p.textGroup->setVisible(text);
        p.backgroundGroup->setVisible(background);
    };
    if (index == kPaperTab) {
        paperPage_->show();
        showPhotoGroups(false, false, false, false, false);
        return;
    }
    if (!layerSelected)
        showPhotoGroups(true, false, false, false, false);
    else if (isPhoto)
        showPhotoGroups(true, true, true, false, false);
    else
        showPhotoGroups(true, true, false, true, p.opaqueCheck->isChecked());
}

bool EditorMainDialog::saveProject() {
    // Projects cannot be written by this build; a failed save keeps the window open.
    return false;
}

void EditorMainDialog::closeEvent(QCloseEvent* event) {
    if (modified_) {
        switch (services_.prompts.askYesNoCancel(tr("Save current project?"))) {
        case quillax::Prompts::Answer::Yes:
            if (!saveProject()) {
                event->ignore();
                return;
            }
            break;
        case quillax::Prompts::Answer::No:
            break;
        case quillax::Prompts::Answer::Cancel:
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace editor

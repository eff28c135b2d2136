#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/Layers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

using editor::EditorMainDialog;
using testsupport::EditorWindowTest;

TEST_F(EditorWindowTest, StartsWithTheNewProjectOnAnA4Page) {
    start();
    EXPECT_EQ(window->windowTitle(), "newPrj1-Pagemontager (V1.1)");
    EXPECT_EQ(window->document().project().installFolder, box.folder());
    EXPECT_EQ(window->document().project().projectFolder, box.folder() + "newPrj1/");
    EXPECT_TRUE(QDir(box.path("newPrj1")).exists())
        << "the temporary project folder is made when missing";
    EXPECT_EQ(window->document().project().pageWidth, 992);
    EXPECT_EQ(window->document().project().pageHeight, 1403);
    EXPECT_FALSE(window->windowIcon().isNull());

    editor::PaperPage& paper = window->paperPage();
    EXPECT_EQ(paper.canvasWidthEdit->text(), "210");
    EXPECT_EQ(paper.canvasHeightEdit->text(), "297");
    EXPECT_EQ(paper.unitCombo->currentText(), "mm");
    EXPECT_TRUE(paper.portraitRadio->isChecked());
    EXPECT_FALSE(paper.arrangeCheck->isChecked());
    EXPECT_FALSE(paper.layerImagesWidthEdit->isEnabled());

    editor::LayoutCanvas& canvas = window->canvas();
    EXPECT_EQ(canvas.height(), 494);
    EXPECT_EQ(canvas.width(), 349);
    EXPECT_EQ(canvas.shownPicture().pixel(10, 10), qRgb(0xFF, 0xFF, 0xA5))
        << "the empty page is light yellow";
}

TEST_F(EditorWindowTest, ToolbarAndMenuCarryEveryCommand) {
    start();
    EXPECT_EQ(toolbarTips(), (QStringList{"Browse", "New Project", "Open Project", "Save Project",
                                          "Add Photo", "Add Caption Layer", "Delete Layer", "Undo",
                                          "Redo", "Print", "Preview"}));
    for (QAction* a : window->findChild<QToolBar*>("mainToolBar")->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        }
    }

    QStringList menuTexts;
    for (QAction* top : window->menuBar()->actions())
        for (QAction* a : top->menu()->actions())
            if (!a->isSeparator())
                menuTexts.append(a->text());
    EXPECT_EQ(menuTexts, (QStringList{"&New Project", "&Open Project...", "&Save Project",
                                      "Save Project &As...", "Export P&hotos...", "P&rint Photos",
                                      "&Exit", "&Undo", "&Redo", "Add &Photo", "Add &Text",
                                      "&Delete Layer", "&Full screen preview", "&Print preview",
                                      "&Browse", "Quick Start...", "How To...", "&About..."}));
    EXPECT_TRUE(window->menuBar()->actions().first()->menu()->actions().contains(
        window->actions().printPhotos))
        << "printing sits in the first menu";
}

TEST_F(EditorWindowTest, ThePapersAreThePrintersFormsOrTheBuiltInList) {
    start();
    EXPECT_FALSE(window->actions().printPhotos->isEnabled()) << "no printer: printing is off";
    EXPECT_EQ(window->document().project().paperIndex, -1);
    EXPECT_EQ(comboItems(window->paperPage().paperCombo),
              (QStringList{"Letter", "Legal", "Statement", "Executive", "A3", "A4", "A5", "B4",
                           "B5", "Folio", "Quarto", "Note", "German Std Fanfold",
                           "German Legal Fanfold", "User-defined Size"}));
    EXPECT_EQ(window->paperPage().paperCombo->currentIndex(), 5);

    printer.present = true;
    printer.forms = {"Letter", "A5", "A4", "Photo 10x15"};
    printer.defaultForm = 2;
    start();
    EXPECT_EQ(comboItems(window->paperPage().paperCombo),
              (QStringList{"Letter", "A5", "A4", "Photo 10x15", "User-defined Size"}));
    EXPECT_EQ(window->paperPage().paperCombo->currentIndex(), 2);
    EXPECT_EQ(window->document().project().paperIndex, 2);

    printer.forms = {"A4", "Letter", "A4", "A4 Extra"};
    printer.defaultForm = -1;
    start();
    EXPECT_EQ(window->document().project().paperIndex, 2) << "no default: the last short A4 entry";
    printer.forms = {"Letter"};
    start();
    EXPECT_EQ(window->document().project().paperIndex, -1);
    EXPECT_EQ(window->paperPage().paperCombo->count(), 15) << "no usable form: the built-in papers";
}

TEST_F(EditorWindowTest, CaptionControlsStartWithTheirDefaults) {
    start();
    editor::PhotoPage& photo = window->photoPage();
    EXPECT_FALSE(window->fontNames().isEmpty()) << "scalable fonts are listed";
    QStringList fonts = comboItems(photo.fontCombo);
    QStringList sorted = fonts;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(fonts, sorted);
    EXPECT_EQ(photo.fontCombo->currentText(), "Arial");
    EXPECT_EQ(photo.fontSizeCombo->currentText(), "36");
    EXPECT_EQ(photo.fontSizeCombo->count(), 16);
    EXPECT_TRUE(photo.horizontalRadio->isChecked());
    EXPECT_TRUE(photo.constrainCheck->isChecked());
    EXPECT_EQ(window->textColour(), 0x000000FFu);
    EXPECT_EQ(window->backgroundColour(), 0x00E71258u);
    const QImage swatch = photo.textColourButton->icon().pixmap(15, 15).toImage();
    EXPECT_EQ(swatch.pixel(7, 7), qRgb(0xFF, 0, 0));
    EXPECT_EQ(photo.effectCombo->count(), 16);
    EXPECT_EQ(photo.effectCombo->itemText(15), "Crop");
    EXPECT_EQ(photo.effectCombo->itemText(13), "Multiple exposure ");

    EXPECT_EQ(photo.layerList->columnCount(), 2);
    EXPECT_EQ(photo.layerList->headerItem()->text(0), "Item Icon");
    EXPECT_EQ(photo.layerList->headerItem()->text(1), "File name");
    ASSERT_EQ(window->document().listPictures().size(), 8);
    EXPECT_EQ(window->document().listPictures()[0].size(), QSize(32, 24));
}

TEST_F(EditorWindowTest, TabsShowTheControlsThatFitTheSelection) {
    start();
    QTabWidget& tabs = window->tabs();
    editor::PhotoPage& photo = window->photoPage();
    EXPECT_EQ(tabs.tabText(0), "Paper");
    EXPECT_EQ(tabs.tabText(1), "Photo");
    EXPECT_EQ(tabs.currentIndex(), EditorMainDialog::kPaperTab);

    tabs.setCurrentIndex(EditorMainDialog::kPhotoTab);
    EXPECT_TRUE(photo.layerList->isVisible()) << "no layer: only the empty list";
    EXPECT_FALSE(photo.positionGroup->isVisible());
    EXPECT_FALSE(photo.photoGroup->isVisible());
    EXPECT_FALSE(photo.textGroup->isVisible());
    EXPECT_FALSE(photo.backgroundGroup->isVisible());

    // A caption with an opaque background: text controls and the background group.
    editor::LayoutCanvas& canvas = window->canvas();
    editor::LayerRecord caption = testsupport::captionLayer(0, 12, 12, 100, 20);
    canvas.stack().add(caption);
    canvas.selection().setCurrentId(0);
    photo.opaqueCheck->setChecked(true);
    tabs.setCurrentIndex(EditorMainDialog::kPaperTab);
    EXPECT_FALSE(photo.backgroundGroup->isVisibleTo(&photo)) << "hidden with the Paper page";
    tabs.setCurrentIndex(EditorMainDialog::kPhotoTab);
    EXPECT_TRUE(photo.textGroup->isVisible());
    EXPECT_TRUE(photo.backgroundGroup->isVisible());
    EXPECT_TRUE(photo.positionGroup->isVisible());
    EXPECT_FALSE(photo.photoGroup->isVisible());

    canvas.stack().add(testsupport::photoLayer(1, 0, 0, 10, 10));
    canvas.selection().setCurrentId(1);
    tabs.setCurrentIndex(EditorMainDialog::kPaperTab);
    tabs.setCurrentIndex(EditorMainDialog::kPhotoTab);
    EXPECT_TRUE(photo.photoGroup->isVisible());
    EXPECT_FALSE(photo.textGroup->isVisible());
    EXPECT_FALSE(photo.backgroundGroup->isVisible());
}

TEST_F(EditorWindowTest, EnterAndEscapeNeverCloseTheEditor) {
    start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window->photoPage().textEdit, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EditorWindowTest, ClosingAsksFirstOnlyWhenWorkIsUnsaved) {
    start();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.shown.isEmpty()) << "nothing changed: nothing asked";

    window->show();
    window->document().setModified(true);
    prompts.answers = {quillax::Prompts::Answer::Cancel};
    window->actions().exit->trigger();
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the window open";
    EXPECT_EQ(prompts.shown, QStringList{"Save current project?"});

    prompts.answers = {quillax::Prompts::Answer::No};
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EditorWindowTest, WithoutAnInstallFolderTheUsersDataFolderServes) {
    testsupport::ScopedEnv data("XDG_DATA_HOME", QFile::encodeName(box.path("data")));
    box.writeSettings("");
    EditorMainDialog other({prompts, printer});
    EXPECT_EQ(other.document().project().projectFolder, box.path("data/Quillax/newPrj1/"));
    EXPECT_TRUE(QDir(other.document().project().projectFolder).exists());
    EXPECT_FALSE(QDir("newPrj1").exists()) << "nothing is made relative to wherever we run";
}

TEST_F(EditorWindowTest, ADraggedPhotoComesBackWithCtrlZAndMovesAgainWithCtrlY) {
    start();
    QAction* undo = window->findChild<QAction*>("actionUndo");
    QAction* redo = window->findChild<QAction*>("actionRedo");
    EXPECT_FALSE(undo->isEnabled()) << "nothing to undo yet";
    EXPECT_FALSE(redo->isEnabled());
    ASSERT_EQ(window->document().addPhoto(box.writePicture("a.png", 400, 300)).status,
              editor::PageDocument::AddStatus::Added);
    const editor::LayerRecord& photo = *window->document().stack().find(0);
    const int addedX = photo.x;
    EXPECT_TRUE(undo->isEnabled());

    editor::LayoutCanvas& canvas = window->canvas();
    const editor::ScreenFrame frame = window->document().selection().frame();
    const QPoint from(frame.left + frame.width / 2, frame.top + frame.height / 2);
    const QPoint to = from + QPoint(60, 50);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas, (from + to) / 2);
    QTest::mouseMove(&canvas, to);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, to);
    const int movedX = photo.x;
    ASSERT_GT(movedX, addedX);

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->document().stack().find(0)->x, addedX);
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 1);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->document().stack().find(0)->x, movedX);
    EXPECT_FALSE(redo->isEnabled());

    // Back past the addition: the photo leaves the page and the list, and Undo is greyed.
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->document().stack().count(), 0);
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 0);
    EXPECT_FALSE(undo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 1) << "Ctrl+Shift+Z redoes";
    EXPECT_EQ(window->document().stack().find(0)->x, addedX);
}

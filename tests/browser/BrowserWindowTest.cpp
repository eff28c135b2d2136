#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/ThumbnailWorker.h"
#include "browser/ui/CMainFrame.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/FolderTree.h"
#include "browser/ui/PreviewBar.h"
#include "shared/Launcher.h"
#include "tests/browser/BrowserWindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using testsupport::BrowserWindowTest;

TEST_F(BrowserWindowTest, StartsWithItsBarsStackedOnTheLeftAndNothingToActOn) {
    start();
    EXPECT_EQ(frame->dockWidgetArea(&frame->directoryBar()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame->dockWidgetArea(&frame->photoPreviewBar()), Qt::LeftDockWidgetArea);
    EXPECT_LT(frame->directoryBar().y(), frame->photoPreviewBar().y())
        << "the preview stacks below";
    EXPECT_EQ(frame->view().count(), 0);
}

TEST_F(BrowserWindowTest, BarTogglesKeepTheirCheckMarks) {
    start();
    QAction* toggle = frame->action("actionDirectoryBar");
    ASSERT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(frame->directoryBar().isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(frame->directoryBar().isVisible());
    EXPECT_TRUE(toggle->isChecked());

    // Floating, then toggled twice: back docked on the left.
    frame->photoPreviewBar().setFloating(true);
    frame->action("actionPreviewBar")->trigger();
    frame->action("actionPreviewBar")->trigger();
    EXPECT_FALSE(frame->photoPreviewBar().isFloating());
    EXPECT_EQ(frame->dockWidgetArea(&frame->photoPreviewBar()), Qt::LeftDockWidgetArea);

    // The bar's own close button goes through the same toggle.
    frame->directoryBar().close();
    EXPECT_FALSE(frame->directoryBar().isVisible());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(frame->isDirectoryBarShown());
}

TEST_F(BrowserWindowTest, HowToOpensTheHelpFile) {
    start();
    frame->action("actionHowTo")->trigger();
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_EQ(launcher.opened[0], QUrl::fromLocalFile(box.path("Readme.rtf")));
}

TEST_F(BrowserWindowTest, ChoosingAFolderFillsTheGridAndThePreview) {
    start();
    ASSERT_TRUE(openAndWait(photoFolder(9)));
    EXPECT_EQ(frame->view().count(), 9);
    EXPECT_EQ(frame->view().thumbnailsShown(), 9);
    EXPECT_EQ(frame->view().item(0)->text(), "img_000.jpg");

    // The first image is current and shown in the preview.
    EXPECT_EQ(frame->document().currentIndex(), 0);
    EXPECT_TRUE(frame->previewBar().canvas()->isVisible());

    // Picking another thumbnail makes it current.
    frame->view().setCurrentRow(3);
    EXPECT_EQ(frame->document().currentIndex(), 3);
}

TEST_F(BrowserWindowTest, BackForwardAndUpFollowTheTree) {
    start();
    QDir(box.folder()).mkpath("A/B");
    browser::FolderTree& tree = frame->folderTree();
    ASSERT_TRUE(tree.openFolder(box.path("A")));
    ASSERT_TRUE(tree.openFolder(box.path("A/B")));
    EXPECT_EQ(frame->document().folder(), box.path("A/B"));
    frame->action("actionBack")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("A"));
    EXPECT_TRUE(frame->action("actionForward")->isEnabled());
    frame->action("actionForward")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("A/B"));
    EXPECT_FALSE(frame->action("actionForward")->isEnabled());
    frame->action("actionUp")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("A"));

    tree.setCurrentItem(tree.rootItem());
    EXPECT_FALSE(frame->action("actionUp")->isEnabled()) << "Up is greyed on the Desktop";
}

TEST_F(BrowserWindowTest, ExpandButtonsGoWhereAFolderHoldsNoFolder) {
    start();
    QDir(box.folder()).mkpath("A/full/inner");
    QDir(box.folder()).mkpath("A/empty");
    browser::FolderTree& tree = frame->folderTree();
    ASSERT_TRUE(tree.openFolder(box.path("A")));
    tree.currentItem()->setExpanded(true);
    QTreeWidgetItem* empty = tree.currentItem()->child(0);
    QTreeWidgetItem* full = tree.currentItem()->child(1);
    ASSERT_EQ(tree.entryOf(empty)->path, box.path("A/empty"));
    // The look inside, away from the window, answers for each folder on its own.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return empty->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicatorWhenChildless;
        },
        10000));
    EXPECT_EQ(full->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
}

TEST_F(BrowserWindowTest, ClickingTheDesktopAtStartLoadsItsPictures) {
    start();
    browser::FolderTree& tree = frame->folderTree();
    ASSERT_EQ(tree.currentItem(), tree.rootItem());
    EXPECT_TRUE(frame->document().folder().isEmpty());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                      tree.visualItemRect(tree.rootItem()).center());
    EXPECT_EQ(frame->document().folder(), tree.entryOf(tree.rootItem())->path);
    EXPECT_EQ(tree.history().entries().size(), 1) << "the Desktop once";
}

TEST_F(BrowserWindowTest, AClickAfterBackKeepsTheClickedFolder) {
    start();
    for (const char* name : {"A", "B", "C", "X"})
        QDir(box.folder()).mkpath(name);
    browser::FolderTree& tree = frame->folderTree();
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(tree.openFolder(box.path(name)));
    frame->action("actionBack")->trigger();
    frame->action("actionBack")->trigger();
    ASSERT_EQ(frame->document().folder(), box.path("A"));
    QTreeWidgetItem* x = tree.currentItem()->parent()->child(3);
    ASSERT_EQ(x->text(0), "X");
    tree.scrollToItem(x);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(x).center());
    EXPECT_EQ(frame->document().folder(), box.path("X"));
    ASSERT_EQ(tree.history().entries().size(), 2) << "the Desktop, then X";
    EXPECT_EQ(tree.history().index(), 1);
}

TEST_F(BrowserWindowTest, NoCellOfTheOldFolderArrivesAfterAChange) {
    start();
    const QString big = photoFolder(30, 3000, 2000);
    QDir(box.folder()).mkpath("other");
    frame->folderTree().openFolder(big);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->view().thumbnailsShown() > 0; }, 20000));
    frame->folderTree().openFolder(box.path("other"));
    EXPECT_EQ(frame->view().count(), 0);
    browser::ThumbnailWorker::waitForAllThreads();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(frame->view().thumbnailsShown(), 0);
}

TEST_F(BrowserWindowTest, CtrlNEmptiesTheListAndThePreview) {
    start();
    ASSERT_TRUE(openAndWait(photoFolder(3)));
    frame->action("actionClearList")->trigger();
    EXPECT_EQ(frame->view().count(), 0);
    EXPECT_TRUE(frame->document().names().isEmpty());
    EXPECT_FALSE(frame->previewBar().canvas()->isVisible());
}

TEST_F(BrowserWindowTest, TheDocumentSavesItsCurrentPath) {
    start();
    frame->folderTree().openFolder(photoFolder(1));
    prompts.files.push_back(box.path("saved.vr"));
    frame->action("actionSaveDocument")->trigger();
    EXPECT_TRUE(QFile::exists(box.path("saved.vr")));
    prompts.files.push_back(box.path("saved.vr"));
    frame->action("actionOpenDocument")->trigger();
    EXPECT_EQ(frame->document().names().size(), 1) << "opening leaves the catalogue";
}

TEST_F(BrowserWindowTest, ClosingWhileThumbnailsAreMadeStopsThem) {
    start();
    frame->folderTree().openFolder(photoFolder(20, 3000, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->view().thumbnailsShown() > 0; }, 20000));
    frame->close();
    const int shown = frame->view().thumbnailsShown();
    browser::ThumbnailWorker::waitForAllThreads();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(frame->view().thumbnailsShown(), shown) << "no cell arrives after closing";
    frame.reset();
}

TEST_F(BrowserWindowTest, TheCommandLineOpensAFolderOrAPhotoAndSaysWhatIsNotThere) {
    start();
    const QString folder = photoFolder(3, 40, 30);
    frame->openAtStart(folder + "/IMG_002.JPG");
    EXPECT_EQ(frame->document().folder(), folder);
    EXPECT_EQ(frame->view().currentRow(), 2) << "the photo named is highlighted";
    EXPECT_EQ(frame->document().currentPath(), folder + "/IMG_002.JPG");

    frame->openAtStart("/no/such");
    EXPECT_EQ(frame->statusBar()->currentMessage(), "/no/such is not there.");
    EXPECT_EQ(frame->document().folder(), folder) << "nothing else changes";
}

// Entering a folder highlights its first photo, so the commands have a photo the user sees.
TEST_F(BrowserWindowTest, OtherProgramsChangesReachTheListAndTheTreeByThemselves) {
    start();
    const QString folder = photoFolder(2, 40, 30);
    ASSERT_TRUE(frame->folderTree().openFolder(folder));
    EXPECT_EQ(frame->view().currentRow(), 0);
    EXPECT_TRUE(frame->action("actionDelete")->isEnabled());
    QTreeWidgetItem* shown = frame->folderTree().currentItem();
    shown->setExpanded(true); // an open branch, with no folder in it yet

    box.writePicture("photos/IMG_000a.JPG", 40, 30);
    QFile::remove(folder + "/IMG_001.JPG");
    QDir(folder).mkdir("new album");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return labels() == QStringList{"img_000.jpg", "img_000a.jpg"};
        },
        3000));
    EXPECT_EQ(frame->view().currentRow(), 0) << "the highlighted photo stays";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown->childCount() == 1; }, 3000));
    EXPECT_EQ(shown->child(0)->text(0), "new album");

    // F5 reads it all again, also what no watch tells: a photo written over in place.
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(folder + "/IMG_000.JPG");
    frame->action("actionRefresh")->trigger();
    ASSERT_TRUE(frame->document().currentImage());
    EXPECT_GT(qRed(frame->document().currentImage()->image.pixel(5, 5)), 200);
}

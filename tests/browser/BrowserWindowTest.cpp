// Window wiring only: that the actions, the tree and the grid reach the document and back.
// What the document, the history and the watch do on their own is told by their model tests.
#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/ThumbnailWorker.h"
#include "browser/ui/CMainFrame.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/FolderTree.h"
#include "browser/ui/PreviewBar.h"
#include "tests/browser/BrowserWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::BrowserWindowTest;

TEST_F(BrowserWindowTest, BarTogglesAndTheBarsOwnCloseButtonKeepTheCheckMarks) {
    start();
    QAction* toggle = frame->action("actionDirectoryBar");
    ASSERT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(frame->directoryBar().isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(frame->directoryBar().isVisible());
    frame->directoryBar().close();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(frame->isDirectoryBarShown());

    // Floating, then toggled twice: back docked on the left.
    frame->photoPreviewBar().setFloating(true);
    frame->action("actionPreviewBar")->trigger();
    frame->action("actionPreviewBar")->trigger();
    EXPECT_FALSE(frame->photoPreviewBar().isFloating());
    EXPECT_EQ(frame->dockWidgetArea(&frame->photoPreviewBar()), Qt::LeftDockWidgetArea);
}

TEST_F(BrowserWindowTest, HowToOpensTheHelpFile) {
    start();
    frame->action("actionHowTo")->trigger();
    EXPECT_EQ(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(box.path("Readme.rtf"))});
}

TEST_F(BrowserWindowTest, AFolderFillsTheGridAndThePreviewAndCtrlNEmptiesBoth) {
    start();
    ASSERT_TRUE(openAndWait(photoFolder(9)));
    EXPECT_EQ(frame->view().thumbnailsShown(), 9);
    EXPECT_EQ(frame->view().item(0)->text(), "img_000.jpg");
    EXPECT_EQ(frame->document().currentIndex(), 0);
    EXPECT_TRUE(frame->previewBar().canvas()->isVisible());
    frame->view().setCurrentRow(3);
    EXPECT_EQ(frame->document().currentIndex(), 3);

    frame->action("actionClearList")->trigger();
    EXPECT_EQ(frame->view().count(), 0);
    EXPECT_TRUE(frame->document().names().isEmpty());
    EXPECT_FALSE(frame->previewBar().canvas()->isVisible());
}

TEST_F(BrowserWindowTest, BackForwardAndUpFollowTheTree) {
    start();
    QDir(box.folder()).mkpath("A/B");
    browser::FolderTree& tree = frame->folderTree();
    ASSERT_TRUE(tree.openFolder(box.path("A")));
    ASSERT_TRUE(tree.openFolder(box.path("A/B")));
    frame->action("actionBack")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("A"));
    EXPECT_TRUE(frame->action("actionForward")->isEnabled());
    frame->action("actionForward")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("A/B"));
    frame->action("actionUp")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("A"));
    tree.setCurrentItem(tree.rootItem());
    EXPECT_FALSE(frame->action("actionUp")->isEnabled()) << "Up is greyed on the Desktop";
}

// SubFolderProbe finds which folders hold one; here its answers reach the tree's buttons.
TEST_F(BrowserWindowTest, ExpandButtonsGoWhereAFolderHoldsNoFolder) {
    start();
    QDir(box.folder()).mkpath("A/full/inner");
    QDir(box.folder()).mkpath("A/empty");
    browser::FolderTree& tree = frame->folderTree();
    ASSERT_TRUE(tree.openFolder(box.path("A")));
    tree.currentItem()->setExpanded(true);
    QTreeWidgetItem* empty = tree.currentItem()->child(0);
    ASSERT_EQ(tree.entryOf(empty)->path, box.path("A/empty"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return empty->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicatorWhenChildless;
        },
        10000));
    EXPECT_EQ(tree.currentItem()->child(1)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
}

// FolderHistory keeps the clicked folder after Back; here the tree's clicks reach it, also a
// click on the Desktop already current at the start.
TEST_F(BrowserWindowTest, TreeClicksReachTheHistory) {
    start();
    browser::FolderTree& tree = frame->folderTree();
    const auto click = [&](QTreeWidgetItem* item) {
        tree.scrollToItem(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    };
    ASSERT_EQ(tree.currentItem(), tree.rootItem());
    click(tree.rootItem());
    EXPECT_EQ(frame->document().folder(), tree.entryOf(tree.rootItem())->path);
    EXPECT_EQ(tree.history().entries().size(), 1) << "the Desktop once";

    for (const char* name : {"A", "B", "C", "X"})
        QDir(box.folder()).mkpath(name);
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(tree.openFolder(box.path(name)));
    frame->action("actionBack")->trigger();
    frame->action("actionBack")->trigger();
    QTreeWidgetItem* x = tree.currentItem()->parent()->child(3);
    ASSERT_EQ(x->text(0), "X");
    click(x);
    EXPECT_EQ(frame->document().folder(), box.path("X"));
    EXPECT_EQ(tree.history().entries().size(), 2) << "the Desktop, then X";
    EXPECT_FALSE(frame->action("actionForward")->isEnabled());
}

// Cells still being made for a folder must not land in the next one's grid, nor in a window
// being closed.
TEST_F(BrowserWindowTest, NoCellArrivesAfterAFolderChangeOrTheClose) {
    start();
    const QString big = photoFolder(30, 3000, 2000);
    QDir(box.folder()).mkpath("other");
    const auto openBig = [&] {
        frame->folderTree().openFolder(big);
        return QTest::qWaitFor([&] { return frame->view().thumbnailsShown() > 0; }, 20000);
    };
    const auto settle = [] {
        browser::ThumbnailWorker::waitForAllThreads();
        QCoreApplication::sendPostedEvents();
    };
    ASSERT_TRUE(openBig());
    frame->folderTree().openFolder(box.path("other"));
    EXPECT_EQ(frame->view().count(), 0);
    settle();
    EXPECT_EQ(frame->view().thumbnailsShown(), 0);

    ASSERT_TRUE(openBig());
    frame->close();
    const int shown = frame->view().thumbnailsShown();
    settle();
    EXPECT_EQ(frame->view().thumbnailsShown(), shown);
}

// The archive's bytes are Catalogue's; here Save and Open reach the document.
TEST_F(BrowserWindowTest, TheDocumentSavesItsCurrentPath) {
    start();
    frame->folderTree().openFolder(photoFolder(1));
    prompts.files = {box.path("saved.vr"), box.path("saved.vr")};
    frame->action("actionSaveDocument")->trigger();
    EXPECT_TRUE(QFile::exists(box.path("saved.vr")));
    frame->action("actionOpenDocument")->trigger();
    EXPECT_EQ(frame->document().names().size(), 1) << "opening leaves the catalogue";
}

TEST_F(BrowserWindowTest, TheCommandLineOpensAFolderOrAPhotoAndSaysWhatIsNotThere) {
    start();
    const QString folder = photoFolder(3, 40, 30);
    frame->openAtStart(folder + "/IMG_002.JPG");
    EXPECT_EQ(frame->view().currentRow(), 2) << "the photo named is highlighted";
    EXPECT_EQ(frame->document().currentPath(), folder + "/IMG_002.JPG");
    frame->openAtStart("/no/such");
    EXPECT_EQ(frame->statusBar()->currentMessage(), "/no/such is not there.");
    EXPECT_EQ(frame->document().folder(), folder) << "nothing else changes";
}

// FolderWatcher and Catalogue's refresh follow the changes; here they reach the grid and the
// tree, and F5 reaches the document.
TEST_F(BrowserWindowTest, OtherProgramsChangesReachTheListAndTheTreeByThemselves) {
    start();
    const QString folder = photoFolder(2, 40, 30);
    ASSERT_TRUE(frame->folderTree().openFolder(folder));
    EXPECT_TRUE(frame->action("actionDelete")->isEnabled()) << "the first photo is highlighted";
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

    // F5 reads it all again, also what no watch tells: a photo written over in place.
    box.writePicture("photos/IMG_000.JPG", 40, 30, qRgb(255, 0, 0));
    frame->action("actionRefresh")->trigger();
    ASSERT_TRUE(frame->document().currentImage());
    EXPECT_GT(qRed(frame->document().currentImage()->image.pixel(5, 5)), 200);
}

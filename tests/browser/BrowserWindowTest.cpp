// Window wiring only: that the actions, the tree and the grid reach the document and back.
// What the document, the history, the probe and the watch do on their own is told by their
// model tests.
#include "browser/model/CVistaRamblerDoc.h"
#include "browser/ui/PreviewBar.h"
#include "tests/browser/BrowserWindowFixture.h"

#include <QDockWidget>

using testsupport::BrowserWindowTest;

// Qt tells a tree's selection before its click, so a folder clicked after Back was once dropped
// from the history with the rest; and the Desktop, current from the start, did not load when
// clicked.
TEST_F(BrowserWindowTest, TheTreeTheGridTheCommandLineAndTheMenusReachTheDocument) {
    start();
    browser::FolderTree& tree = frame->folderTree();
    const auto click = [&](QTreeWidgetItem* item) {
        tree.scrollToItem(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    };
    ASSERT_EQ(tree.currentItem(), tree.rootItem());
    click(tree.rootItem());
    EXPECT_EQ(frame->document().folder(), tree.entryOf(tree.rootItem())->path);

    for (const char* name : {"A", "B", "C", "X"})
        QDir(box.folder()).mkpath(name);
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(tree.openFolder(box.path(name)));
    frame->action("actionBack")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("B"));
    frame->action("actionForward")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("C"));
    frame->action("actionBack")->trigger();
    frame->action("actionBack")->trigger();
    click(tree.currentItem()->parent()->child(3)); // X, after A, B and C
    EXPECT_EQ(frame->document().folder(), box.path("X"));
    EXPECT_EQ(tree.history().entries().size(), 2) << "the Desktop, then X";
    EXPECT_FALSE(frame->action("actionForward")->isEnabled());
    frame->action("actionUp")->trigger();
    EXPECT_EQ(frame->document().folder(), box.path("").chopped(1));

    // A photo named on the command line opens its folder with the photo highlighted.
    const QString folder = photoFolder(3, 40, 30);
    frame->openAtStart(folder + "/IMG_002.JPG");
    EXPECT_EQ(labels(), (QStringList{"img_000.jpg", "img_001.jpg", "img_002.jpg"}));
    EXPECT_EQ(frame->view().currentRow(), 2);
    EXPECT_TRUE(frame->previewBar().canvas()->isVisible());
    frame->openAtStart("/no/such");
    EXPECT_EQ(frame->document().folder(), folder) << "a path that is not there changes nothing";

    // Save writes the current path, in the form the document's tests tell.
    prompts.files = {box.path("saved.vr")};
    frame->action("actionSaveDocument")->trigger();
    EXPECT_EQ(browser::CVistaRamblerDoc::readArchive(testsupport::readFile(box.path("saved.vr"))),
              "\n" + folder + "/IMG_002.JPG\n");
    frame->action("actionHowTo")->trigger();
    EXPECT_EQ(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(box.path("Readme.rtf"))});

    frame->action("actionClearList")->trigger(); // Ctrl+N
    EXPECT_EQ(frame->view().count(), 0);
    EXPECT_TRUE(frame->document().names().isEmpty());
    EXPECT_FALSE(frame->previewBar().canvas()->isVisible());
    tree.setCurrentItem(tree.rootItem());
    EXPECT_FALSE(frame->action("actionUp")->isEnabled()) << "Up is greyed on the Desktop";

    // The bars' check marks follow the bars, also when closed by their own button; a floating
    // bar toggled twice comes back docked on the left.
    frame->action("actionDirectoryBar")->trigger();
    EXPECT_FALSE(frame->directoryBar().isVisible());
    frame->action("actionDirectoryBar")->trigger();
    frame->directoryBar().close();
    EXPECT_FALSE(frame->action("actionDirectoryBar")->isChecked());
    frame->photoPreviewBar().setFloating(true);
    frame->action("actionPreviewBar")->trigger();
    frame->action("actionPreviewBar")->trigger();
    EXPECT_EQ(frame->dockWidgetArea(&frame->photoPreviewBar()), Qt::LeftDockWidgetArea);
    EXPECT_FALSE(frame->photoPreviewBar().isFloating());
}

// The probe's answers reach the tree's expand buttons; other programs' changes reach the grid
// and the tree by themselves, and F5 reaches the document.
TEST_F(BrowserWindowTest, TheProbesAndTheWatchsAnswersReachTheTreeAndTheGrid) {
    start();
    const QString folder = photoFolder(2, 40, 30);
    ASSERT_TRUE(QDir(folder).mkpath("full/inner") && QDir(folder).mkpath("empty"));
    ASSERT_TRUE(frame->folderTree().openFolder(folder));
    EXPECT_EQ(frame->view().currentRow(), 0) << "entering a folder highlights its first photo";
    QTreeWidgetItem* shown = frame->folderTree().currentItem();
    shown->setExpanded(true); // "empty", then "full"
    const auto policy = [&](int row) { return shown->child(row)->childIndicatorPolicy(); };
    const auto childless = QTreeWidgetItem::DontShowIndicatorWhenChildless;
    EXPECT_TRUE(QTest::qWaitFor([&] { return policy(0) == childless; }, 10000));
    EXPECT_EQ(policy(1), QTreeWidgetItem::ShowIndicator);

    box.writePicture("photos/IMG_000a.JPG", 40, 30);
    QFile::remove(folder + "/IMG_001.JPG");
    QDir(folder).mkdir("new album");
    const QStringList nowListed{"img_000.jpg", "img_000a.jpg"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return labels() == nowListed; }, 3000));
    EXPECT_EQ(frame->view().currentRow(), 0) << "the highlighted photo stays";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown->childCount() == 3; }, 3000));

    // F5 reads it all again, also what no watch tells: a photo written over in place.
    box.writePicture("photos/IMG_000.JPG", 40, 30, qRgb(255, 0, 0));
    frame->action("actionRefresh")->trigger();
    ASSERT_TRUE(frame->document().currentImage());
    EXPECT_GT(qRed(frame->document().currentImage()->image.pixel(5, 5)), 200);
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

// The search dialog's wiring: its fields reach the search, the search's rows reach the list,
// and only "View result" hands anything to the browser.
#include "browser/ui/FindImagesDialog.h"
#include "browser/model/CVistaRamblerDoc.h"
#include "tests/browser/BrowserWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using browser::FindImagesDialog;
using testsupport::BrowserWindowTest;

namespace {

template <typename T> T* part(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(name);
}

// Clicks Search and waits for the end of the search.
bool searchAndWait(FindImagesDialog& dialog) {
    QTest::mouseClick(part<QPushButton>(dialog, "search"), Qt::LeftButton);
    return QTest::qWaitFor([&] { return !dialog.isSearching(); }, 10000);
}

} // namespace

TEST_F(BrowserWindowTest, FindStartsInTheShownFolderAndHandsTheResultsSpelledAsOnDisk) {
    start();
    const QString folder = photoFolder(3);
    ASSERT_TRUE(openAndWait(folder));
    prompts.dialogResults = {QDialog::Accepted};
    prompts.whileInDialog = [&](QDialog& d) {
        auto& dialog = dynamic_cast<FindImagesDialog&>(d);
        EXPECT_EQ(part<QLineEdit>(dialog, "lookIn")->text(), folder);
        part<QLineEdit>(dialog, "named")->setText("img_001");
        ASSERT_TRUE(searchAndWait(dialog));
        EXPECT_EQ(part<QLabel>(dialog, "status")->text(), "1 items found");
        auto* results = part<QTreeWidget>(dialog, "results");
        ASSERT_EQ(results->topLevelItemCount(), 1);
        EXPECT_EQ(results->topLevelItem(0)->text(0), "IMG_001.JPG");
        QTest::mouseClick(part<QPushButton>(dialog, "viewResult"), Qt::LeftButton);
    };
    frame->action("actionFind")->trigger();
    EXPECT_EQ(frame->document().fullPath(0), folder + "/IMG_001.JPG") << "the list is the results";

    // The fields are remembered for the run.
    prompts.whileInDialog = [&](QDialog& d) {
        EXPECT_EQ(part<QLineEdit>(d, "named")->text(), "img_001");
    };
    frame->action("actionFind")->trigger();
}

// A row opens on a double click; closing hands nothing over. The folder stays when the chooser
// is cancelled, and an empty one is refused.
TEST_F(BrowserWindowTest, FindOpensARowClosesEmptyHandedAndRefusesAnEmptyFolder) {
    const QString photo = box.writePicture("Photos/Wide One.jpg", 120, 80);
    FindImagesDialog dialog(browser::SearchForm::startingAt(box.folder()), prompts, launcher);
    part<QLineEdit>(dialog, "named")->setText("");
    ASSERT_TRUE(searchAndWait(dialog));
    auto* results = part<QTreeWidget>(dialog, "results");
    ASSERT_EQ(results->topLevelItemCount(), 1);
    emit results->itemDoubleClicked(results->topLevelItem(0), 0);
    EXPECT_EQ(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(photo)});

    QTest::mouseClick(part<QPushButton>(dialog, "search"), Qt::LeftButton);
    dialog.reject(); // Escape in the middle of a search
    EXPECT_FALSE(dialog.isSearching());
    EXPECT_TRUE(dialog.viewedResults().isEmpty());

    QTest::mouseClick(part<QPushButton>(dialog, "change"), Qt::LeftButton);
    EXPECT_EQ(part<QLineEdit>(dialog, "lookIn")->text(), box.folder());
    part<QLineEdit>(dialog, "lookIn")->clear();
    QTest::mouseClick(part<QPushButton>(dialog, "search"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isSearching());
    EXPECT_EQ(prompts.shown.last(), "Please choose a folder to look in.");
}

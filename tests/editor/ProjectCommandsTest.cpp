// Projects through the window and the command line, as a person or a script uses them.
#include "editor/ui/ProjectCommands.h"
#include "editor/ui/EditorActions.h"
#include "editor/ui/PhotoPage.h"
#include "imaging/BmpFile.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/Pictures.h"

#include <QDir>
#include <QTreeWidget>

using testsupport::EditorWindowTest;

// What is written and read is the document's; here the commands reach it, the title follows,
// and Open Recent offers only what opened.
TEST_F(EditorWindowTest, APageSavedClosedAndOpenedAgainIsTheSamePage) {
    start();
    window->document().addPhoto(box.writePicture("p.png", 40, 30));
    EXPECT_TRUE(window->isWindowModified()) << "the title's mark of unsaved work";
    ASSERT_TRUE(testsupport::writeFile(box.path("junk.lyj"), "\x01\x02 no project"));
    prompts.files = {box.path("Trip.lyj"), box.path("Trip.lyj"), box.path("junk.lyj")};
    window->actions().saveProject->trigger();
    EXPECT_EQ(window->windowTitle(), "Trip[*]-Pagemontager (V1.1)");
    EXPECT_FALSE(window->isWindowModified());
    window->actions().newProject->trigger();
    EXPECT_EQ(window->windowTitle(), "newPrj1[*]-Pagemontager (V1.1)");
    window->actions().openProject->trigger();
    EXPECT_EQ(window->photoPage().layerList->topLevelItemCount(), 1);
    window->actions().openProject->trigger();
    EXPECT_EQ(window->projectCommands().recentProjects().paths(),
              QStringList{box.path("Trip.lyj")});
}

// Closing asks only when there is unsaved work; Cancel, or Yes with the save not done, keeps
// the window and the work.
TEST_F(EditorWindowTest, ClosingAsksFirstOnlyWhenWorkIsUnsavedThenSavesOrStays) {
    using Answer = quillax::Prompts::Answer;
    start();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.shown.isEmpty()) << "nothing changed: nothing asked";

    window->show();
    window->document().addPhoto(box.writePicture("p.png", 40, 30));
    prompts.answers = {Answer::Cancel};
    window->actions().exit->trigger();
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the window open";
    EXPECT_EQ(prompts.shown, QStringList{"Save current project?"});
    prompts.answers = {Answer::Yes}; // save, then cancel the file dialog
    EXPECT_FALSE(window->close()) << "a cancelled save keeps the window and the work";
    prompts.answers = {Answer::No};
    EXPECT_TRUE(window->close());

    window->show();
    prompts.answers = {Answer::Yes};
    prompts.files = {box.path("Kept.lyj")};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(box.path("KeptsrcImg/Kept0.bmp")));
}

TEST_F(EditorWindowTest, NewAndSaveAsAskBeforeWorkOrAnotherProjectIsLost) {
    start();
    window->document().addPhoto(box.writePicture("p.png", 40, 30));
    prompts.answers.push_back(quillax::Prompts::Answer::Yes); // save, then cancel the dialog
    window->actions().newProject->trigger();
    EXPECT_EQ(window->document().stack().count(), 1) << "the cancelled save stops New";

    QDir(box.folder()).mkpath("TripsrcImg"); // another project's photos
    prompts.shown.clear();
    prompts.files.push_back(box.path("Trip.lyj"));
    window->actions().saveProjectAs->trigger(); // answered No
    EXPECT_EQ(prompts.shown, (QStringList{"Save Project", "Trip.lyj already exists. Replace it?"}));
    EXPECT_FALSE(QFile::exists(box.path("Trip.lyj")));
}

// The page of a hand-written project, exported by a script: a green photo of 100 x 100 page
// pixels at (10, 10) on a white A4 page.
TEST(ExportFromTheCommandLine, WritesThePageOrSaysWhyNot) {
    testsupport::Sandbox box;
    QDir(box.folder()).mkpath("AlbumsrcImg");
    ASSERT_TRUE(imaging::saveAsBmp(testsupport::solid24(20, 20, 0x00FF00),
                                   box.stdPath("AlbumsrcImg/Album0.bmp")));
    ASSERT_TRUE(testsupport::writeFile(
        box.path("Album.lyj"),
        "Album\r\n5\r\n0\r\n992\r\n1403\r\n1\r\n0\r\n0,0\r\nprefix end \r\n"
        "1\r\n0\r\nAlbum0.bmp\r\n10,10\r\n100,100\r\n0,0,0\r\n-1\r\n0,0,0\r\n0\r\n0\r\n"
        "section end \r\n"));
    const auto run = testsupport::runEditor;
    const auto [written, quiet] = run({"--export", box.path("page.png"), box.path("Album.lyj")});
    EXPECT_EQ(written, 0) << quiet.constData();
    const QImage page(box.path("page.png"));
    ASSERT_EQ(page.size(), QSize(992, 1403)) << "the A4 page the file stores, not rounded up";
    EXPECT_EQ(page.pixel(50, 50) & 0xFFFFFF, 0x00FF00u) << "the photo";
    EXPECT_EQ(page.pixel(111, 111) & 0xFFFFFF, 0xFFFFFFu) << "the page around it";

    for (const QStringList& refused : {QStringList{box.path("x.png"), box.path("none.lyj")},
                                       QStringList{box.path("x.xyz"), box.path("Album.lyj")}}) {
        const auto [code, why] = run({"--export", refused[0], refused[1]});
        EXPECT_NE(code, 0) << refused.join(" ").toStdString();
        EXPECT_FALSE(why.isEmpty());
        EXPECT_FALSE(QFile::exists(refused[0]));
    }
}

// Projects on disk: the file as the editor writes it, hand-written files with every rule of
// the reader, and the photo folder that follows the project's name.
#include "editor/model/ProjectFile.h"
#include "editor/model/PageDocument.h"
#include "imaging/BmpFile.h"
#include "tests/editor/Layers.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TransferDoubles.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

using editor::PageDocument;
using editor::ProjectFile;

namespace {

// Built-in papers, as without a printer.
QSizeF paperSize(int row) {
    return row == 0 ? QSizeF(215.9, 279.4) : row == 5 ? QSizeF(210, 297) : QSizeF();
}

class ProjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(box.folder()).mkpath("install/newPrj1");
        QDir(box.folder()).mkpath("A");
        startDocument(document);
        startDocument(reopened);
    }
    void startDocument(PageDocument& d) {
        d.setCaptionDrawer(&drawer);
        d.setUpFolders(box.path("install/"));
    }
    QByteArray read(const QString& name) { return testsupport::readFile(box.path(name)); }
    void write(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(testsupport::writeFile(box.path(name), bytes));
    }
    QStringList files(const QString& in) { return QDir(box.path(in)).entryList(QDir::Files); }
    QString open(const QString& name) {
        return reopened.openProject(box.path(name), paperSize).message;
    }

    testsupport::Sandbox box;
    testsupport::FillingCaptionDrawer drawer;
    PageDocument document;
    PageDocument reopened;
};

const QByteArray kPrefix = "Trip\r\n5\r\n0\r\n992\r\n1403\r\n1\r\n0\r\n0,0\r\nprefix end \r\n";

QByteArray photoSection(const QByteArray& name, const QByteArray& extra = {}) {
    return "1\r\n0\r\n" + name + "\r\n10,10\r\n496,372\r\n0,0,0\r\n-1\r\n0,0,0\r\n0\r\n0\r\n" +
           extra + "section end \r\n";
}

} // namespace

TEST_F(ProjectTest, ATemporaryProjectSavedAsTripTakesItsNameFileAndFolder) {
    ASSERT_EQ(document.addPhoto(box.writePicture("p.png", 40, 30)).status,
              PageDocument::AddStatus::Added);
    ASSERT_TRUE(QFile::exists(box.path("install/newPrj1/newPrj10.bmp")));
    EXPECT_TRUE(document.saveProjectAs(box.path("A/Trip.lyj")).isEmpty());

    EXPECT_EQ(read("A/Trip.lyj"), kPrefix + photoSection("Trip0.bmp"))
        << "the nine-line prefix, one eleven-line section, CR LF after every line";
    EXPECT_FALSE(QFile::exists(box.path("install/newPrj1/newPrj10.bmp"))) << "moved";
    EXPECT_EQ(document.stack().find(0)->content, "Trip0.bmp") << "the name in memory follows";
    EXPECT_EQ(document.history().entries().back().layer.content, "Trip0.bmp");
    EXPECT_FALSE(document.isModified());

    // Saved again under another name, both projects keep their photos: each opens whole.
    EXPECT_TRUE(document.saveProjectAs(box.path("A/Copy.lyj")).isEmpty());
    EXPECT_TRUE(open("A/Trip.lyj").isEmpty());
    EXPECT_TRUE(open("A/Copy.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 1);
}

TEST_F(ProjectTest, AFailedWriteLeavesTheOldFileByteForByte) {
    // A project named with 246 characters: its file name of 250 is a name; the temporary
    // file beside it, 7 longer, is not, so the write fails where a full disk would, after
    // the old file was left alone.
    const QString name = QString(246, 'n');
    write(name + ".lyj", "the old project");
    write("long.lyj", name.toLatin1() + kPrefix.mid(4) + photoSection("gone.bmp"));
    ASSERT_TRUE(document.openProject(box.path("long.lyj"), paperSize).opened) << "a photo gone";
    document.setModified(true);
    EXPECT_EQ(document.saveProject(), "Fail in creating" + box.path(name + ".lyj"));
    EXPECT_EQ(read(name + ".lyj"), "the old project");
    EXPECT_TRUE(document.isModified()) << "the work is still unsaved";
    EXPECT_EQ(QDir(box.folder()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

TEST_F(ProjectTest, EveryKindOfLayerComesBackAndInvisibleOnesAreNotWritten) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    document.setLayerVisible(1, false);
    document.addText();
    ASSERT_TRUE(document.renderCaption({.text = "Hello.bmp, world",
                                        .style = {.bold = true, .vertical = true},
                                        .textColour = 0x000000FF,
                                        .opaque = true,
                                        .backgroundColour = 0x00E71258,
                                        .backgroundWidth = 20,
                                        .backgroundHeight = 100}));
    ASSERT_TRUE(document.setCellSize(3.5, 2.5));
    ASSERT_TRUE(document.saveProjectAs(box.path("A/All.lyj")).isEmpty());
    EXPECT_TRUE(read("A/All.lyj").contains("\r\n3,2\r\nprefix end \r\n"))
        << "the layer images size in whole units";

    ASSERT_TRUE(open("A/All.lyj").isEmpty());
    ASSERT_EQ(reopened.stack().count(), 2) << "the invisible photo was not written";
    EXPECT_TRUE(reopened.stack().at(0).isPhoto());
    const editor::LayerRecord& back = reopened.stack().at(1);
    EXPECT_EQ(back.id, 1) << "ids in file order";
    EXPECT_FALSE(back.isPhoto()) << "a caption naming .bmp stays a caption";
    EXPECT_EQ(back.content, "Arial,Hello.bmp, world");
    EXPECT_EQ(back.textStyle, 11);
    EXPECT_FALSE(back.backgroundHidden);
    EXPECT_EQ(back.region, document.stack().find(2)->region);
    EXPECT_EQ(reopened.arrangement().cellWidth, 3.0);
    EXPECT_FALSE(reopened.isModified());
}

TEST_F(ProjectTest, HandWrittenFilesFollowTheReadersRules) {
    QDir(box.folder()).mkpath("TripsrcImg");
    ASSERT_TRUE(imaging::saveAsBmp(testsupport::solid24(8, 6, 0x00FF00),
                                   box.stdPath("TripsrcImg/Trip0.bmp")));

    const struct {
        const char* name;
        QByteArray bytes;
        const char* problem; // empty: opens with the one photo
    } files[] = {
        {"extra.lyj", kPrefix + photoSection("Trip0.bmp", "a twelfth line\r\n"), ""},
        {"cut.lyj", kPrefix + photoSection("Trip0.bmp") + photoSection("Trip0.bmp").left(30), ""},
        // No project: the page shown before stays.
        {"short.lyj", "Trip\r\n5\r\n0\r\n", "Cannot open short.lyj: This is not a project file."},
        {"binary.lyj", QByteArray("\x00\xff\x10\r\n\x00", 6).repeated(2000),
         "Cannot open binary.lyj: This is not a project file."},
        {"empty.lyj", "", "Cannot open empty.lyj: This is not a project file."},
    };
    for (const auto& file : files) {
        write(file.name, file.bytes);
        EXPECT_EQ(open(file.name), file.problem);
        EXPECT_EQ(reopened.stack().count(), 1) << file.name;
    }

    // A photo whose file went keeps its layer, is named, and is saved back as it was; so is a
    // name that points out of the project folder, which is never read.
    const QByteArray missing = kPrefix + photoSection("Trip0.bmp") + photoSection("Gone.bmp") +
                               photoSection("../TripsrcImg/Trip0.bmp") + photoSection("/etc/x.bmp");
    write("missing.lyj", missing);
    const QString problem = open("missing.lyj");
    EXPECT_TRUE(problem.startsWith("Load image failed!")) << problem.toStdString();
    for (const char* named : {"Gone.bmp", "../TripsrcImg/Trip0.bmp", "/etc/x.bmp"})
        EXPECT_TRUE(problem.contains(named)) << named;
    EXPECT_EQ(reopened.stack().count(), 4) << "every layer is read";
    EXPECT_TRUE(reopened.saveProject().isEmpty());
    EXPECT_EQ(read("Trip.lyj"), missing) << "and written back unchanged";

    // No "prefix end": the page is not set up, and the sections start on the tenth line.
    write("noend.lyj", "Trip\r\n0\r\n1\r\n99\r\n99\r\n0\r\n0\r\n0,0\r\nsomething\r\n" +
                           photoSection("Trip0.bmp"));
    EXPECT_TRUE(open("noend.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 1);
    EXPECT_EQ(reopened.project().canvasWidth, 210.0);

    // A listed paper opens at that paper's size even without a printer, on the very page
    // stored (Letter is 1319.997 page pixels wide: not rounded up to 1321 on the way).
    write("letter.lyj", "Trip\r\n0\r\n0\r\n1320\r\n1020\r\n0\r\n0\r\n0,0\r\nprefix end \r\n");
    EXPECT_TRUE(open("letter.lyj").isEmpty());
    EXPECT_EQ(reopened.project().canvasWidth, 279.4) << "Letter, landscape";
    EXPECT_EQ(reopened.project().pageHeight, 1020);
    // Where the row's paper today makes another page (an A4 page saved while Letter was row
    // 0), the project opens on a paper of its own stored size, and says so.
    QSignalSpy note(&reopened, &PageDocument::pageNote);
    write("a4.lyj", "Trip\r\n0\r\n0\r\n992\r\n1403\r\n1\r\n0\r\n0,0\r\nprefix end \r\n");
    EXPECT_TRUE(open("a4.lyj").isEmpty());
    EXPECT_EQ(reopened.project().pageWidth, 992);
    EXPECT_EQ(reopened.project().pageHeight, 1403);
    EXPECT_EQ(reopened.project().paperRow, 14) << "User-defined Size, last of the 15 built-in rows";
    EXPECT_EQ(note.count(), 1);
    EXPECT_TRUE(open("letter.lyj").isEmpty());
    write("huge.lyj", "Trip\r\n14\r\n2\r\n1000000000\r\n-5\r\n1\r\n0\r\n0,0\r\nprefix end \r\n");
    EXPECT_TRUE(open("huge.lyj").isEmpty());
    EXPECT_EQ(reopened.project().pageWidth, 1320) << "still the Letter page opened before";

    EXPECT_FALSE(open("nothing-here.lyj").isEmpty()) << "a file that is not there is said";
}

TEST(ProjectFileNames, TheTemporaryNameGivesWayToTheProjects) {
    EXPECT_EQ(ProjectFile::renamedFor("newPrj13_2.bmp", "Trip"), "Trip3_2.bmp");
    EXPECT_EQ(ProjectFile::renamedFor("Trip3_2.bmp", "Album"), "Trip3_2.bmp");
}

TEST_F(ProjectTest, ASaveAsThatCannotCopyEveryPhotoChangesNothing) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    testsupport::BreakingTransfer breaking(1); // breaks off at the second photo
    document.setFileTransfer(&breaking);
    const QString problem = document.saveProjectAs(box.path("A/Trip.lyj"));
    EXPECT_TRUE(problem.contains("newPrj11.bmp")) << problem.toStdString();
    EXPECT_TRUE(QDir(box.path("A")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "no project file, no photo folder, nothing half-copied";
    EXPECT_EQ(files("install/newPrj1"), (QStringList{"newPrj10.bmp", "newPrj11.bmp"}));
    EXPECT_EQ(document.stack().find(1)->content, "newPrj11.bmp");
    EXPECT_TRUE(document.isModified());
}

TEST_F(ProjectTest, SavingOverAnotherProjectReplacesItOnlyOnceTheNewOneIsWhole) {
    reopened.addPhoto(box.writePicture("red.png", 40, 30, qRgb(255, 0, 0)));
    ASSERT_TRUE(reopened.saveProjectAs(box.path("A/Trip.lyj")).isEmpty());
    const QByteArray oldFile = read("A/Trip.lyj"), oldPhoto = read("A/TripsrcImg/Trip0.bmp");
    EXPECT_FALSE(reopened.wouldReplaceAProject(box.path("A/Trip.lyj"))) << "its own file";

    document.addPhoto(box.writePicture("a.png", 40, 30, qRgb(0, 255, 0)));
    document.addPhoto(box.writePicture("b.png", 40, 30, qRgb(0, 255, 0)));
    EXPECT_TRUE(document.wouldReplaceAProject(box.path("A/Trip.lyj"))) << "the window asks";
    EXPECT_FALSE(document.wouldReplaceAProject(box.path("A/Other.lyj")));
    testsupport::BreakingTransfer breaking(1); // breaks off at the second photo
    document.setFileTransfer(&breaking);
    EXPECT_FALSE(document.saveProjectAs(box.path("A/Trip.lyj")).isEmpty());
    EXPECT_EQ(read("A/Trip.lyj"), oldFile);
    EXPECT_EQ(read("A/TripsrcImg/Trip0.bmp"), oldPhoto);

    document.setFileTransfer(nullptr);
    EXPECT_TRUE(document.saveProjectAs(box.path("A/Trip.lyj")).isEmpty());
    EXPECT_EQ(files("A/TripsrcImg"), (QStringList{"Trip0.bmp", "Trip1.bmp"}));
    EXPECT_NE(read("A/TripsrcImg/Trip0.bmp"), oldPhoto);
    EXPECT_EQ(QDir(box.path("A")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"Trip.lyj", "TripsrcImg"}))
        << "the old photos went, and nothing was left aside";
    EXPECT_TRUE(QDir(box.path("install/newPrj1")).isEmpty()) << "the temporary photos moved";
}

// The temporary project's folder holds only the photos of pages in use: a page given up takes
// its photos along, and what an earlier run left goes to the trash once no editor uses it.
TEST_F(ProjectTest, TheTemporaryFolderKeepsOnlyThePhotosOfPagesInUse) {
    write("install/newPrj1/newPrj10.bmp", "left by a run that crashed");
    write("install/newPrj1/newPrj11_3.bmp", "and its edit");
    const auto there = [this](const QString& name) { return QFile::exists(box.path(name)); };
    document.newProject();
    document.addPhoto(box.writePicture("a.png", 40, 30));
    EXPECT_EQ(document.stack().layers().front().content, "newPrj12.bmp") << "never over a file";
    document.newProject();
    EXPECT_FALSE(there("install/newPrj1/newPrj12.bmp")) << "given up with its page";
    EXPECT_EQ(read("install/newPrj1/newPrj11_3.bmp"), "and its edit") << "not this editor's";

    document.addPhoto(box.writePicture("b.png", 40, 30));
    ASSERT_TRUE(document.saveProjectAs(box.path("A/Trip.lyj")).isEmpty());
    EXPECT_EQ(files("A/TripsrcImg"), QStringList{"Trip2.bmp"});
    EXPECT_EQ(files("install/newPrj1"), (QStringList{"newPrj10.bmp", "newPrj11_3.bmp"}));

    // The first editor to start finds them left over; a second one finds the folder in use.
    reopened.tidyTemporaryFolder();
    EXPECT_TRUE(QDir(box.path("install/newPrj1")).isEmpty());
    const QString trash = qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/";
    EXPECT_EQ(testsupport::readFile(trash + "newPrj10.bmp"), "left by a run that crashed");
    write("install/newPrj1/newPrj15.bmp", "the first editor's photo");
    document.tidyTemporaryFolder();
    EXPECT_TRUE(there("install/newPrj1/newPrj15.bmp"));
}

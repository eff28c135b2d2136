// Projects on disk: the file as the editor writes it, hand-written files with every rule of
// the reader, and the photo folder that follows the project's name.
#include "editor/model/ProjectFile.h"
#include "editor/model/PageDocument.h"
#include "imaging/BmpFile.h"
#include "tests/editor/Layers.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>
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
        d.project().installFolder = box.path("install/");
        d.project().projectFileFolder = d.project().installFolder;
        d.project().projectFolder = d.project().temporaryFolder();
    }
    QByteArray read(const QString& name) { return testsupport::readFile(box.path(name)); }
    void write(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(testsupport::writeFile(box.path(name), bytes));
    }
    QString open(const QString& name) { return reopened.openProject(box.path(name), paperSize); }

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
    EXPECT_TRUE(QFile::exists(box.path("A/TripsrcImg/Trip0.bmp")));
    EXPECT_FALSE(QFile::exists(box.path("install/newPrj1/newPrj10.bmp"))) << "moved";
    EXPECT_EQ(document.stack().find(0)->content, "Trip0.bmp") << "the name in memory follows";
    EXPECT_EQ(document.history().entries().back().layer.content, "Trip0.bmp");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.project().projectName, "Trip");

    // Saved again under another name, both projects keep their photos.
    EXPECT_TRUE(document.saveProjectAs(box.path("A/Copy.lyj")).isEmpty());
    EXPECT_TRUE(QFile::exists(box.path("A/TripsrcImg/Trip0.bmp")));
    EXPECT_TRUE(QFile::exists(box.path("A/CopysrcImg/Trip0.bmp")));
    EXPECT_TRUE(open("A/Trip.lyj").isEmpty());
    EXPECT_TRUE(open("A/Copy.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 1);
}

TEST_F(ProjectTest, AFailedWriteLeavesTheOldFileByteForByte) {
    document.addPhoto(box.writePicture("p.png", 40, 30));
    // A name of 250 characters is a file name; the temporary file beside it, 7 longer, is
    // not: the write fails where a full disk would, after the old file was left alone.
    const QString name = QString(246, 'n') + ".lyj";
    write(name, "the old project");
    document.project().projectName = QString(246, 'n');
    document.project().projectFileFolder = box.folder();
    document.project().projectFolder = box.path("nsrcImg/");
    document.setModified(true);
    EXPECT_EQ(document.saveProject(), "Fail in creating" + box.path(name));
    EXPECT_EQ(read(name), "the old project");
    EXPECT_TRUE(document.isModified()) << "the work is still unsaved";
    EXPECT_EQ(QDir(box.folder()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

TEST_F(ProjectTest, EveryKindOfLayerComesBackAndInvisibleOnesAreNotWritten) {
    document.addPhoto(box.writePicture("a.png", 40, 30));
    document.addPhoto(box.writePicture("b.png", 40, 30));
    document.stack().setVisible(1, false);
    document.addText();
    editor::CaptionSettings caption;
    caption.text = "Hello.bmp, world";
    caption.style.bold = true;
    caption.style.vertical = true;
    caption.opaque = true;
    caption.backgroundWidth = 20;
    caption.backgroundHeight = 100;
    caption.textColour = 0x000000FF;
    caption.backgroundColour = 0x00E71258;
    ASSERT_TRUE(document.renderCaption(caption));
    document.arrangement() = {false, 3.5, 2.5};
    ASSERT_TRUE(document.saveProjectAs(box.path("A/All.lyj")).isEmpty());
    EXPECT_TRUE(read("A/All.lyj").contains("\r\n3,2\r\nprefix end \r\n"))
        << "the layer images size in whole units";

    ASSERT_TRUE(open("A/All.lyj").isEmpty());
    ASSERT_EQ(reopened.stack().count(), 2) << "the invisible photo was not written";
    EXPECT_EQ(reopened.stack().at(0).id, 0);
    EXPECT_TRUE(reopened.stack().at(0).isPhoto());
    const editor::LayerRecord& back = reopened.stack().at(1);
    EXPECT_EQ(back.id, 1) << "ids in file order";
    EXPECT_FALSE(back.isPhoto()) << "a caption naming .bmp stays a caption";
    EXPECT_EQ(back.content, "Arial,Hello.bmp, world");
    EXPECT_EQ(back.textStyle, 11);
    EXPECT_FALSE(back.backgroundHidden);
    EXPECT_EQ(back.bitmapWidth, document.stack().find(2)->bitmapWidth);
    EXPECT_EQ(back.bitmapHeight, document.stack().find(2)->bitmapHeight);
    EXPECT_EQ(back.region, document.stack().find(2)->region);
    EXPECT_EQ(reopened.arrangement().cellWidth, 3.0);
    EXPECT_FALSE(reopened.isModified());
}

TEST_F(ProjectTest, HandWrittenFilesFollowTheReadersRules) {
    QDir(box.folder()).mkpath("TripsrcImg");
    ASSERT_TRUE(imaging::saveAsBmp(testsupport::solid24(8, 6, 0x00FF00),
                                   box.stdPath("TripsrcImg/Trip0.bmp")));

    write("extra.lyj", kPrefix + photoSection("Trip0.bmp", "a twelfth line\r\n"));
    EXPECT_TRUE(open("extra.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 1) << "a twelfth line before section end is passed over";

    write("cut.lyj", kPrefix + photoSection("Trip0.bmp") + photoSection("Trip0.bmp").left(30));
    EXPECT_TRUE(open("cut.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 1) << "a section cut short is dropped";

    write("missing.lyj", kPrefix + photoSection("Trip0.bmp") + photoSection("Gone.bmp") +
                             photoSection("Trip0.bmp"));
    EXPECT_EQ(open("missing.lyj"), "Load image failed!");
    EXPECT_EQ(reopened.stack().count(), 1) << "the layers before it stay";

    for (const QByteArray name : {"../TripsrcImg/Trip0.bmp", "sub/Trip0.bmp", "/etc/x.bmp", "."}) {
        write("escape.lyj", kPrefix + photoSection(name));
        EXPECT_EQ(open("escape.lyj"), "Load image failed!") << name.constData();
    }

    write("short.lyj", "Trip\r\n5\r\n0\r\n");
    EXPECT_TRUE(open("short.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 0) << "ended inside the prefix: an empty project";

    // No "prefix end": the page is not set up, and the sections start on the tenth line.
    write("noend.lyj", "Trip\r\n0\r\n1\r\n99\r\n99\r\n0\r\n0\r\n0,0\r\nsomething\r\n" +
                           photoSection("Trip0.bmp"));
    EXPECT_TRUE(open("noend.lyj").isEmpty());
    EXPECT_EQ(reopened.stack().count(), 1);
    EXPECT_EQ(reopened.project().canvasWidth, 210.0);

    // A listed paper opens at that paper's size even without a printer; absurd numbers keep
    // the page as it is.
    write("letter.lyj", "Trip\r\n0\r\n0\r\n1020\r\n1320\r\n0\r\n0\r\n0,0\r\nprefix end \r\n");
    EXPECT_TRUE(open("letter.lyj").isEmpty());
    EXPECT_EQ(reopened.project().canvasWidth, 279.4) << "Letter, landscape";
    write("huge.lyj", "Trip\r\n14\r\n2\r\n1000000000\r\n-5\r\n1\r\n0\r\n0,0\r\nprefix end \r\n");
    EXPECT_TRUE(open("huge.lyj").isEmpty());
    EXPECT_EQ(reopened.project().pageWidth, 1320) << "still the Letter page opened before";

    write("binary.lyj", QByteArray("\x00\xff\x10\r\n\x00", 6).repeated(2000));
    EXPECT_TRUE(open("binary.lyj").isEmpty()) << "no project, no crash";
    EXPECT_FALSE(open("nothing-here.lyj").isEmpty()) << "a file that is not there is said";
}

TEST(ProjectFileNames, TheTemporaryNameGivesWayToTheProjects) {
    EXPECT_EQ(ProjectFile::renamedFor("newPrj13_2.bmp", "Trip"), "Trip3_2.bmp");
    EXPECT_EQ(ProjectFile::renamedFor("Trip3_2.bmp", "Album"), "Trip3_2.bmp");
    EXPECT_TRUE(ProjectFile::isPlainFileName("Trip0_1.bmp"));
    EXPECT_FALSE(ProjectFile::isPlainFileName("a/b.bmp"));
    EXPECT_FALSE(ProjectFile::isPlainFileName(""));
}

#include "editor/model/ProjectFolder.h"

#include <QStorageInfo>
#include <QTemporaryDir>

TEST(ProjectFolderMoves, APhotoMovesToAnotherFileSystemWhole) {
    testsupport::Sandbox box;
    QTemporaryDir other(QStringLiteral("/dev/shm/quillax-XXXXXX"));
    if (!other.isValid() ||
        QStorageInfo(other.path()).device() == QStorageInfo(box.folder()).device())
        GTEST_SKIP() << "no second file system here";
    const QString photo = box.writePicture("Trip0.bmp", 30, 20);
    const QByteArray bytes = [&] {
        QFile f(photo);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const QString target = other.path() + "/Trip0.bmp";
    ASSERT_TRUE(editor::ProjectFolder::moveFile(photo, target)) << "copied, checked, removed";
    EXPECT_FALSE(QFile::exists(photo));
    QFile moved(target);
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), bytes);
}

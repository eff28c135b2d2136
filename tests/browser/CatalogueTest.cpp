#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/FolderNamespace.h"
#include "browser/model/SubFolderProbe.h"
#include "browser/model/ThumbnailMaker.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sys/stat.h>

using browser::CVistaRamblerDoc;
using browser::FolderNamespace;
using testsupport::writeFile;

namespace {

// A fresh folder, and a document to read it.
class Catalogue : public ::testing::Test {
  protected:
    // Writes 40 x 30 pictures of these names and reads the folder.
    void load(std::initializer_list<const char*> pictures) {
        for (const char* name : pictures)
            box.writePicture(name, 40, 30);
        doc.loadFolder(box.path("").chopped(1));
    }

    testsupport::Sandbox box;
    CVistaRamblerDoc doc;
};

} // namespace

TEST_F(Catalogue, ListsPictureFilesOnlyLowerCasedInByteOrder) {
    writeFile(box.path("notes.txt"), "x");
    QDir(box.folder()).mkdir("x.jpg"); // a folder with a picture's name
    load({"B.JPG", "a.png", "img10.jpg", "img2.jpg", ".hidden.png"});
    EXPECT_EQ(doc.names(), (QStringList{".hidden.png", "a.png", "b.jpg", "img10.jpg", "img2.jpg"}));
    EXPECT_EQ(doc.currentIndex(), -1);
    // Only the labels are lower-cased: every command acts on the file as it is spelled.
    EXPECT_EQ(doc.fullPath(2), box.path("B.JPG"));
    EXPECT_EQ(doc.indexOfFile("B.JPG"), 2);
    EXPECT_EQ(doc.indexOfFile("b.jpg"), -1) << "another file on a case-sensitive disk";
    doc.renameEntry(2, "C.JPG");
    EXPECT_EQ(doc.names()[2], "c.jpg");
    EXPECT_EQ(doc.fullPath(2), box.path("C.JPG"));

    doc.loadFolder("/no/such/folder");
    EXPECT_TRUE(doc.names().isEmpty()) << "a folder that cannot be read is empty";
}

TEST_F(Catalogue, SelectDecodesThePhotoAndNothingIsCurrentOutsideTheList) {
    writeFile(box.path("broken.jpg"), "not a picture");
    load({"a.png"});
    QSignalSpy changed(&doc, &CVistaRamblerDoc::currentImageChanged);

    doc.select(0);
    ASSERT_TRUE(doc.currentImage());
    EXPECT_EQ(doc.currentImage()->image.width(), 40);
    EXPECT_EQ(doc.currentPath(), box.path("a.png"));

    doc.select(1);
    ASSERT_TRUE(doc.currentImage());
    EXPECT_FALSE(doc.currentImage()->isValid()) << "an undecodable file gives an invalid image";

    doc.select(7);
    EXPECT_FALSE(doc.currentImage());
    EXPECT_EQ(doc.currentPath(), "") << "no command may act on a photo no longer highlighted";
    EXPECT_EQ(changed.count(), 3);
}

// After a delete or a move, the commands must not reach the photo that went, nor one the user
// did not pick: the photo that took its place is highlighted and current.
TEST_F(Catalogue, TheEntryThatTakesAGonePhotosPlaceBecomesCurrent) {
    load({"a.png", "b.png", "c.png", "d.png"});
    doc.select(2);
    doc.removeEntry(0); // before the current one: the same photo, one row up
    EXPECT_EQ(doc.currentIndex(), 1);
    EXPECT_EQ(doc.currentPath(), box.path("c.png"));
    doc.removeEntry(1); // the current one: the next takes its place
    EXPECT_EQ(doc.currentPath(), box.path("d.png"));
    EXPECT_TRUE(doc.currentImage() && doc.currentImage()->isValid()) << "and shown";
    doc.removeEntry(1); // the last one: the one before it
    EXPECT_EQ(doc.currentPath(), box.path("b.png"));
    doc.removeEntry(0); // the only one: none
    EXPECT_EQ(doc.currentIndex(), -1);
    EXPECT_EQ(doc.currentPath(), "");
    EXPECT_FALSE(doc.currentImage());
}

// File > Open shows a picture from anywhere, yet the commands stay on the highlighted photo.
TEST_F(Catalogue, APictureOpenedFromElsewhereIsShownButNeverActedOn) {
    const QString elsewhere = box.writePicture("other/b.png", 8, 6);
    load({"a.png"});
    doc.select(0);
    doc.showPath(elsewhere);
    EXPECT_EQ(doc.shownPath(), elsewhere);
    EXPECT_EQ(doc.currentImage()->image.width(), 8);
    EXPECT_EQ(doc.currentPath(), box.path("a.png"));
    EXPECT_EQ(doc.currentIndex(), 0);
    doc.select(0); // picked again in the list: its own picture comes back
    EXPECT_EQ(doc.currentImage()->image.width(), 40);
    EXPECT_EQ(doc.shownPath(), box.path("a.png"));
}

TEST_F(Catalogue, ARefreshFollowsOtherProgramsAndKeepsTheCurrentPhoto) {
    load({"a.png", "b.png", "c.png"});
    doc.select(1);
    QSignalSpy replaced(&doc, &CVistaRamblerDoc::namesReplaced);
    EXPECT_FALSE(doc.refresh()) << "nothing changed: the list is not rebuilt";

    box.writePicture("0.png", 40, 30);
    EXPECT_TRUE(doc.refresh());
    EXPECT_EQ(doc.names(), (QStringList{"0.png", "a.png", "b.png", "c.png"}));
    EXPECT_EQ(doc.currentIndex(), 2) << "b.png stays current in its new row";

    QFile::remove(box.path("b.png"));
    EXPECT_TRUE(doc.refresh());
    EXPECT_EQ(doc.currentPath(), box.path("c.png")) << "the photo in its place";

    EXPECT_TRUE(doc.refresh(CVistaRamblerDoc::Reread::Always)) << "F5 reads it all again";
    EXPECT_EQ(doc.currentPath(), box.path("c.png"));
    EXPECT_EQ(replaced.size(), 3);
}

// Search results keep their order and their whole paths, and lose only the files that went;
// the saved document is one string of the current path, its length before it in a byte, or
// after a 0xFF marker in 16 bits.
TEST_F(Catalogue, SearchResultsKeepTheirOrderAndTheDocumentFileIsOneLengthPrefixedString) {
    doc.takeSearchResults({"/Photos/Z.JPG", "/Photos/a.png"});
    EXPECT_EQ(doc.folder(), "");
    EXPECT_EQ(doc.names(), (QStringList{"/photos/z.jpg", "/photos/a.png"}));

    doc.select(1);
    EXPECT_EQ(doc.archive(), QByteArray("\x0F\n/Photos/a.png\n"));
    const QByteArray longer = QByteArray("\xFF\x2C\x01", 3) + QByteArray(300, 'a');
    EXPECT_EQ(CVistaRamblerDoc::readArchive(longer)->size(), 300);
    EXPECT_FALSE(CVistaRamblerDoc::readArchive(QByteArray("\x09short", 6)));
    EXPECT_FALSE(CVistaRamblerDoc::readArchive(QByteArray()));

    // After the viewer deleted or moved one of the results, the list loses just that one.
    const QString a = box.writePicture("A.jpg", 40, 30), b = box.writePicture("sub/B.PNG", 40, 30),
                  c = box.writePicture("c.jpg", 40, 30);
    doc.takeSearchResults({a, b, c});
    doc.select(1);
    EXPECT_FALSE(doc.refresh()) << "nothing went";
    ASSERT_TRUE(QFile::remove(b));
    EXPECT_TRUE(doc.refresh());
    EXPECT_EQ(doc.fullPath(0), a);
    EXPECT_EQ(doc.fullPath(1), c);
    EXPECT_EQ(doc.names().size(), 2);
    EXPECT_EQ(doc.currentPath(), c) << "the one that took its place";
}

// A FIFO named like a photo would freeze the window in its open, and a link to /dev/zero
// would be read forever: neither is listed, decoded or made a thumbnail of.
TEST_F(Catalogue, FifosAndDevicesAreNeitherListedNorOpened) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(box.path("fifo.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", box.path("zero.png")));
    ASSERT_TRUE(QFile::link(box.path("real.png"), box.path("linked.png")));
    load({"real.png"});
    EXPECT_EQ(doc.names(), (QStringList{"linked.png", "real.png"})) << "a link to a photo counts";
    for (const char* name : {"fifo.jpg", "zero.png"}) {
        const quillax::ImageFormat format = quillax::imageTypeFromName(name);
        EXPECT_FALSE(quillax::ImageFile::decode(box.path(name), format).isValid()) << name;
        EXPECT_FALSE(quillax::ImageFile::info(box.path(name), format).isValid()) << name;
        EXPECT_TRUE(browser::ThumbnailMaker::makeCell(box.path(name)).isNull()) << name;
    }
}

// The tree lists folders only, without hidden ones; links count as what they point at: a folder
// is a folder, a FIFO is none. The probe that decides the expand buttons finds the same, on a
// thread of its own.
TEST(FolderNamespace, FoldersAreListedWithoutFilesOrHiddenOnesAndTheProbeAgrees) {
    testsupport::Sandbox box;
    for (const char* folder : {"a/.git", "b/inner", "d", "e"})
        QDir(box.folder()).mkpath(folder);
    ASSERT_TRUE(QFile::link(box.path("b"), box.path("c link")));
    ASSERT_TRUE(QFile::link(box.path("b"), box.path("d/to b")));
    writeFile(box.path("e/x.jpg"), "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(box.path("e/pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(box.path("e/pipe"), box.path("e/pipe link")));
    const auto folder = [&](const QString& name, bool removable = false) {
        browser::FolderEntry entry;
        entry.path = name.isEmpty() ? box.path("").chopped(1) : box.path(name);
        entry.removable = removable;
        return entry;
    };
    const auto namesIn = [&](const browser::FolderEntry& parent) {
        QStringList names;
        for (const browser::FolderEntry& child : FolderNamespace::children(parent))
            names.append(child.name);
        return names;
    };
    EXPECT_EQ(namesIn(folder("")), (QStringList{"a", "b", "c link", "d", "e"}));
    EXPECT_EQ(namesIn(folder("a")), QStringList()) << "hidden folders are not listed";
    EXPECT_EQ(namesIn(folder("e")), QStringList()) << "nor files, a FIFO or a link to it";
    // "d" holds a link to a folder, which is listed; "gone" went since it was listed, and keeps
    // its button for a later try.
    const std::pair<const char*, bool> holds[] = {{"a", false}, {"b", true},  {"b/inner", false},
                                                  {"d", true},  {"e", false}, {"gone", true}};
    for (const auto& [name, expected] : holds)
        EXPECT_EQ(browser::SubFolderProbe::hasSubFolder(box.path(name)), expected) << name;
    const QList<browser::FolderEntry> listed = FolderNamespace::children(folder(""));
    EXPECT_TRUE(FolderNamespace::listingIsFinal(folder(""), listed));
    EXPECT_FALSE(FolderNamespace::listingIsFinal(folder(""), {})) << "nothing listed: not final";
    EXPECT_FALSE(FolderNamespace::listingIsFinal(folder("", true), listed)) << "media may change";
    const auto chain = FolderNamespace::chainTo(box.path("b/inner"));
    EXPECT_EQ(chain.value(chain.size() - 1).path, box.path("b/inner")) << "it ends at the folder";
    EXPECT_TRUE(FolderNamespace::chainTo(box.path("e/x.jpg")).isEmpty());
}

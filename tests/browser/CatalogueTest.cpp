#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/FolderNamespace.h"
#include "browser/model/SubFolderProbe.h"
#include "browser/model/ThumbnailMaker.h"
#include "shared/ImageFile.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using browser::CVistaRamblerDoc;

using testsupport::writeFile;

TEST(Catalogue, ListsPictureFilesOnlyLowerCasedInByteOrder) {
    testsupport::Sandbox box;
    box.writePicture("B.JPG", 40, 30);
    box.writePicture("a.png", 40, 30);
    writeFile(box.path("notes.txt"), "x");
    QDir(box.folder()).mkdir("x.jpg"); // a folder with a picture's name
    box.writePicture("img10.jpg", 40, 30);
    box.writePicture("img2.jpg", 40, 30);
    box.writePicture(".hidden.png", 40, 30);

    CVistaRamblerDoc doc;
    QSignalSpy replaced(&doc, &CVistaRamblerDoc::namesReplaced);
    doc.loadFolder(box.path("").chopped(1));
    EXPECT_EQ(doc.names(), (QStringList{".hidden.png", "a.png", "b.jpg", "img10.jpg", "img2.jpg"}));
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(doc.currentIndex(), -1);
    EXPECT_FALSE(doc.isFullPathMode());
    // Only the labels are lower-cased: every command acts on the file as it is spelled.
    EXPECT_EQ(doc.fullPath(2), box.path("B.JPG"));
    EXPECT_EQ(doc.fileName(2), "B.JPG");
    EXPECT_EQ(doc.indexOfFile("B.JPG"), 2);
    EXPECT_EQ(doc.indexOfFile("b.jpg"), -1) << "another file on a case-sensitive disk";
    doc.renameEntry(2, "C.JPG");
    EXPECT_EQ(doc.names()[2], "c.jpg");
    EXPECT_EQ(doc.fullPath(2), box.path("C.JPG"));

    doc.loadFolder("/no/such/folder");
    EXPECT_TRUE(doc.names().isEmpty()) << "a folder that cannot be read is empty";
}

TEST(Catalogue, SelectDecodesOnceAndNothingIsCurrentOutsideTheList) {
    testsupport::Sandbox box;
    box.writePicture("a.png", 64, 48);
    writeFile(box.path("broken.jpg"), "not a picture");
    CVistaRamblerDoc doc;
    doc.loadFolder(box.path("").chopped(1));
    QSignalSpy changed(&doc, &CVistaRamblerDoc::currentImageChanged);

    doc.select(0);
    doc.select(0);
    EXPECT_EQ(doc.decodeCount(), 1) << "the same index twice decodes once";
    ASSERT_TRUE(doc.currentImage());
    EXPECT_EQ(doc.currentImage()->image.width(), 64);
    EXPECT_EQ(doc.currentPath(), box.path("a.png"));

    doc.select(1);
    ASSERT_TRUE(doc.currentImage());
    EXPECT_FALSE(doc.currentImage()->isValid()) << "an undecodable file gives an invalid image";

    doc.select(7);
    EXPECT_FALSE(doc.currentImage());
    EXPECT_EQ(doc.currentPath(), "") << "no command may act on a photo no longer highlighted";
    EXPECT_FALSE(doc.hasCurrentEntry());
    EXPECT_EQ(changed.count(), 3);
}

// After a delete or a move, the commands must not reach the photo that went, nor one the user
// did not pick: the photo that took its place is highlighted and current.
TEST(Catalogue, TheEntryThatTakesAGonePhotosPlaceBecomesCurrent) {
    testsupport::Sandbox box;
    for (const char* name : {"a.png", "b.png", "c.png", "d.png"})
        box.writePicture(name, 40, 30);
    CVistaRamblerDoc doc;
    doc.loadFolder(box.path("").chopped(1));
    doc.select(2);
    doc.removeEntry(0); // before the current one: the same photo, one row up
    EXPECT_EQ(doc.currentIndex(), 1);
    EXPECT_EQ(doc.currentPath(), box.path("c.png"));
    doc.removeEntry(1); // the current one: the next takes its place
    EXPECT_EQ(doc.currentPath(), box.path("d.png"));
    ASSERT_TRUE(doc.currentImage());
    EXPECT_TRUE(doc.currentImage()->isValid());
    doc.removeEntry(1); // the last one: the one before it
    EXPECT_EQ(doc.currentPath(), box.path("b.png"));
    doc.removeEntry(0); // the only one: none
    EXPECT_EQ(doc.currentIndex(), -1);
    EXPECT_EQ(doc.currentPath(), "");
    EXPECT_FALSE(doc.currentImage());
}

// File > Open shows a picture from anywhere, yet the commands stay on the highlighted photo.
TEST(Catalogue, APictureOpenedFromElsewhereIsShownButNeverActedOn) {
    testsupport::Sandbox box;
    box.writePicture("a.png", 40, 30);
    QDir(box.folder()).mkdir("other");
    const QString elsewhere = box.writePicture("other/b.png", 8, 6);
    CVistaRamblerDoc doc;
    doc.loadFolder(box.path("").chopped(1));
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

TEST(Catalogue, ARefreshFollowsOtherProgramsAndKeepsTheCurrentPhoto) {
    testsupport::Sandbox box;
    for (const char* name : {"a.png", "b.png", "c.png"})
        box.writePicture(name, 40, 30);
    CVistaRamblerDoc doc;
    doc.loadFolder(box.path("").chopped(1));
    doc.select(1);
    QSignalSpy replaced(&doc, &CVistaRamblerDoc::namesReplaced);
    EXPECT_FALSE(doc.refresh()) << "nothing changed: the list is not rebuilt";

    box.writePicture("0.png", 40, 30);
    EXPECT_TRUE(doc.refresh());
    EXPECT_EQ(doc.names(), (QStringList{"0.png", "a.png", "b.png", "c.png"}));
    EXPECT_EQ(doc.currentIndex(), 2) << "b.png stays current in its new row";
    EXPECT_EQ(doc.decodeCount(), 1) << "and is not decoded again";

    QFile::remove(box.path("b.png"));
    EXPECT_TRUE(doc.refresh());
    EXPECT_EQ(doc.currentPath(), box.path("c.png")) << "the photo in its place";

    EXPECT_TRUE(doc.refresh(CVistaRamblerDoc::Reread::Always));
    EXPECT_EQ(doc.currentPath(), box.path("c.png"));
    EXPECT_EQ(doc.decodeCount(), 3) << "F5 reads the current photo again";
    EXPECT_EQ(replaced.size(), 3);
}

TEST(Catalogue, SearchResultsKeepTheirOrderInLowerCase) {
    CVistaRamblerDoc doc;
    doc.takeSearchResults({"/Photos/Z.JPG", "/Photos/a.png"});
    EXPECT_TRUE(doc.isFullPathMode());
    EXPECT_EQ(doc.folder(), "");
    EXPECT_EQ(doc.names(), (QStringList{"/photos/z.jpg", "/photos/a.png"}));
    EXPECT_EQ(doc.fullPath(0), "/Photos/Z.JPG");
}

TEST(Catalogue, TheDocumentFileIsOneLengthPrefixedString) {
    testsupport::Sandbox box;
    box.writePicture("a.png", 40, 30);
    CVistaRamblerDoc doc;
    doc.loadFolder(box.path("").chopped(1));
    doc.select(0);
    const QByteArray stored = doc.archive();
    const QByteArray text = "\n" + box.path("a.png").toUtf8() + "\n";
    EXPECT_EQ(stored.at(0), char(text.size()));
    EXPECT_EQ(stored.mid(1), text);
    EXPECT_EQ(CVistaRamblerDoc::readArchive(stored), QString::fromUtf8(text));

    // Longer strings carry a 0xFF marker and a 16-bit length.
    QByteArray longer("\xFF\x2C\x01", 3);
    longer.append(QByteArray(300, 'a'));
    EXPECT_EQ(CVistaRamblerDoc::readArchive(longer)->size(), 300);
    EXPECT_FALSE(CVistaRamblerDoc::readArchive(QByteArray("\x09short", 6)));
    EXPECT_FALSE(CVistaRamblerDoc::readArchive(QByteArray()));
}

TEST(FolderNamespace, NamesSortAsAFileManagerSortsThem) {
    QStringList names{"Holiday 10", "holiday 2", "Alpha", "beta", "Holiday 1"};
    browser::FolderNamespace::sortNatural(names);
    EXPECT_EQ(names, (QStringList{"Alpha", "beta", "Holiday 1", "holiday 2", "Holiday 10"}));
}

TEST(FolderNamespace, TheDesktopHoldsHomeAndTheFileSystem) {
    const auto places = browser::FolderNamespace::children(browser::FolderNamespace::desktop());
    ASSERT_GE(places.size(), 2);
    EXPECT_EQ(places[0].path, QDir::homePath());
    EXPECT_EQ(places[1].path, "/");
}

TEST(FolderNamespace, FoldersAreListedWithoutFilesOrHiddenOnes) {
    testsupport::Sandbox box;
    QDir dir(box.folder());
    dir.mkpath("b/inner");
    dir.mkpath("a");
    dir.mkpath(".secret");
    writeFile(box.path("file.jpg"), "x");
    // Links count as what they point at: a folder is a folder, a FIFO is none.
    ASSERT_EQ(::mkfifo(QFile::encodeName(box.path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(box.path("pipe"), box.path("pipe link")));
    ASSERT_TRUE(QFile::link(box.path("a"), box.path("c link")));
    browser::FolderEntry parent{
        browser::FolderEntry::Kind::Folder, "box", box.path("").chopped(1), false, false, true};
    const QList<browser::FolderEntry> children = browser::FolderNamespace::children(parent);
    ASSERT_EQ(children.size(), 3);
    EXPECT_EQ(children[0].name, "a");
    EXPECT_EQ(children[1].name, "b");
    EXPECT_EQ(children[2].name, "c link");
    EXPECT_TRUE(browser::FolderNamespace::listingIsFinal(parent, children));
    EXPECT_FALSE(browser::FolderNamespace::listingIsFinal(parent, {}))
        << "nothing listed is never final";
    parent.removable = true;
    EXPECT_FALSE(browser::FolderNamespace::listingIsFinal(parent, children))
        << "removable media may change";

    const auto chain = browser::FolderNamespace::chainTo(box.path("b/inner"));
    ASSERT_FALSE(chain.isEmpty());
    EXPECT_EQ(chain.last().path, box.path("b/inner"));
    EXPECT_TRUE(browser::FolderNamespace::chainTo(box.path("file.jpg")).isEmpty());
}

// A FIFO named like a photo would freeze the window in its open, and a link to /dev/zero
// would be read forever: neither is listed, decoded or made a thumbnail of.
TEST(Catalogue, FifosAndDevicesAreNeitherListedNorOpened) {
    testsupport::Sandbox box;
    ASSERT_EQ(::mkfifo(QFile::encodeName(box.path("fifo.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", box.path("zero.png")));
    ASSERT_TRUE(QFile::link(box.writePicture("real.png", 40, 30), box.path("linked.png")));
    CVistaRamblerDoc doc;
    doc.loadFolder(box.folder());
    EXPECT_EQ(doc.names(), (QStringList{"linked.png", "real.png"})) << "a link to a photo counts";
    for (const char* name : {"fifo.jpg", "zero.png"}) {
        EXPECT_FALSE(
            quillax::ImageFile::decode(box.path(name), quillax::imageTypeFromName(name)).isValid())
            << name;
        EXPECT_FALSE(
            quillax::ImageFile::info(box.path(name), quillax::imageTypeFromName(name)).isValid())
            << name;
        EXPECT_TRUE(browser::ThumbnailMaker::makeCell(box.path(name)).isNull()) << name;
    }
}

TEST(SubFolderProbe, FindsTheFoldersTheTreeWouldListAndAnswersByItsSignal) {
    testsupport::Sandbox box;
    QDir dir(box.folder());
    for (const char* folder :
         {"empty", "files", "hidden/.git", "nested/inner", "linked", "locked/x"})
        dir.mkpath(folder);
    writeFile(box.path("files/x.jpg"), "x");
    ASSERT_TRUE(QFile::link(box.path("nested"), box.path("linked/to nested")));
    const QList<std::pair<QString, bool>> expected{
        {"empty", false}, {"files", false}, {"hidden", false}, // hidden folders are not listed
        {"nested", true}, {"linked", true},                    // a link to a folder is listed
        {"gone", true}, // vanished since the listing: the button stays for a later try
    };
    for (const auto& [name, holds] : expected)
        EXPECT_EQ(browser::SubFolderProbe::hasSubFolder(box.path(name)), holds) << qPrintable(name);
    if (::geteuid() != 0) { // root reads every folder
        QFile::setPermissions(box.path("locked"), QFileDevice::WriteOwner);
        EXPECT_TRUE(browser::SubFolderProbe::hasSubFolder(box.path("locked")))
            << "a folder that cannot be read keeps its button";
        QFile::setPermissions(box.path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
    }

    browser::SubFolderProbe probe;
    QSignalSpy answers(&probe, &browser::SubFolderProbe::probed);
    probe.probe({box.path("empty"), box.path("nested")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers.size() == 2; }, 10000));
    EXPECT_EQ(answers.at(0), (QVariantList{box.path("empty"), false}));
    EXPECT_EQ(answers.at(1), (QVariantList{box.path("nested"), true}));
}

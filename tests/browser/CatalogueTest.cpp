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

namespace {

void touch(const QString& path, const QByteArray& bytes = "x") {
    testsupport::writeFile(path, bytes);
}

} // namespace

TEST(Catalogue, ListsPictureFilesOnlyLowerCasedInByteOrder) {
    testsupport::Sandbox box;
    box.writePicture("B.JPG", 40, 30);
    box.writePicture("a.png", 40, 30);
    touch(box.path("notes.txt"));
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
    EXPECT_EQ(doc.fullPath(2), box.path("B.JPG")) << "files are opened as they are really spelled";
}

TEST(Catalogue, SelectDecodesOnceAndKeepsThePathWhenTheSelectionGoes) {
    testsupport::Sandbox box;
    box.writePicture("a.png", 64, 48);
    touch(box.path("broken.jpg"), "not a picture");
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
    EXPECT_EQ(doc.currentPath(), box.path("broken.jpg"))
        << "the path stays when the selection goes";
    EXPECT_EQ(changed.count(), 3);
}

TEST(Catalogue, SearchResultsKeepTheirOrderInLowerCase) {
    CVistaRamblerDoc doc;
    doc.takeSearchResults({"/Photos/Z.JPG", "/Photos/a.png"});
    EXPECT_TRUE(doc.isFullPathMode());
    EXPECT_EQ(doc.folder(), "");
    EXPECT_EQ(doc.names(), (QStringList{"/photos/z.jpg", "/photos/a.png"}));
    EXPECT_EQ(doc.fullPath(0), "/Photos/Z.JPG");
}

TEST(Catalogue, AFolderThatCannotBeReadIsEmpty) {
    CVistaRamblerDoc doc;
    doc.loadFolder("/no/such/folder");
    EXPECT_TRUE(doc.names().isEmpty());
    doc.loadFolder("");
    EXPECT_TRUE(doc.names().isEmpty());
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
    const browser::FolderEntry desktop = browser::FolderNamespace::desktop();
    EXPECT_EQ(desktop.name, "Desktop");
    const QList<browser::FolderEntry> places = browser::FolderNamespace::children(desktop);
    ASSERT_GE(places.size(), 2);
    EXPECT_EQ(places[0].name, "Home");
    EXPECT_EQ(places[1].path, "/");
}

TEST(FolderNamespace, FoldersAreListedWithoutFilesOrHiddenOnes) {
    testsupport::Sandbox box;
    QDir dir(box.folder());
    dir.mkpath("b/inner");
    dir.mkpath("a");
    dir.mkpath(".secret");
    touch(box.path("file.jpg"));
    browser::FolderEntry parent{
        browser::FolderEntry::Kind::Folder, "box", box.path("").chopped(1), false, false, true};
    const QList<browser::FolderEntry> children = browser::FolderNamespace::children(parent);
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0].name, "a");
    EXPECT_EQ(children[1].name, "b");
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
    touch(box.path("files/x.jpg"));
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

// Effects on a photo layer through the page document: what each writes, what the layer
// shows, and what undo gives back. The photo is one colour, R 30 G 120 B 200, so the values
// can be worked out by hand.
#include "editor/model/EffectCatalogue.h"
#include "editor/model/PageDocument.h"
#include "imaging/BmpFile.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using editor::EffectCatalogue;
using editor::PageDocument;
using Status = PageDocument::EditStatus;

namespace {

class EffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        document.setUpFolders(box.folder());
        ASSERT_EQ(document.addPhoto(box.writePicture("p.png", 40, 30)).status,
                  PageDocument::AddStatus::Added);
    }
    const editor::LayerRecord& layer() const { return *document.selection().selected(); }
    uint32_t fileColour(const QString& name, int x = 0, int y = 0) const {
        const auto file = imaging::readBmp(box.stdPath("newPrj1/" + name));
        return file ? testsupport::rgbAt(*file, x, y) : 0xDEADu;
    }
    const editor::EffectSpec& effect(const char* name) const {
        return *EffectCatalogue::forCommandName(name);
    }

    testsupport::Sandbox box;
    PageDocument document;
};

} // namespace

// Brightness 150 then contrast 50: 30 -> 45 -> 128 + trunc(-41.5) = 87, 120 -> 180 -> 154,
// 200 -> 255 -> 191.
TEST_F(EffectTest, AnAdjustmentIsSavedUnderTheNextEditNameAndUndone) {
    ASSERT_EQ(document.applyEffect(effect("brightness-contrast"), {150, 50}), Status::Done);
    EXPECT_EQ(fileColour("newPrj10_1.bmp"), 0x579ABFu);
    EXPECT_EQ(fileColour("newPrj10.bmp"), 0x1E78C8u) << "the photo's own file stays";
    EXPECT_EQ(testsupport::rgbAt(layer().bitmap, 5, 5), 0x579ABFu);

    ASSERT_EQ(document.applyEffect(effect("rgb"), {0, 0, -91}), Status::Done);
    EXPECT_EQ(layer().content, "newPrj10_2.bmp") << "the next effect starts from the last";
    EXPECT_EQ(fileColour("newPrj10_2.bmp"), 0x579A64u);

    document.undo();
    EXPECT_EQ(layer().content, "newPrj10_1.bmp");
    EXPECT_EQ(testsupport::rgbAt(layer().bitmap, 5, 5), 0x579ABFu);

    ASSERT_EQ(document.restoreOriginalSource(), Status::Done);
    EXPECT_EQ(layer().content, "newPrj10.bmp");
    EXPECT_EQ(testsupport::rgbAt(layer().bitmap, 5, 5), 0x1E78C8u);
}

TEST_F(EffectTest, AFullSizeFileThatCannotBeReadChangesNothing) {
    QFile::remove(box.path("newPrj1/newPrj10.bmp"));
    const size_t entries = document.history().entries().size();
    EXPECT_EQ(document.applyEffect(effect("hue-saturation"), {100, 0}), Status::Unreadable);
    EXPECT_EQ(document.rotateSelected(), Status::Unreadable);
    EXPECT_EQ(document.restoreOriginalSource(), Status::Unreadable);
    EXPECT_EQ(layer().content, "newPrj10.bmp");
    EXPECT_EQ(document.history().entries().size(), entries);
}

// Mirror and Rotate make a full-size version as every edit does, so that print, export,
// undo and a reopened project show what the screen shows.
TEST_F(EffectTest, MirrorAndRotateMakeAFullSizeVersionOfThePhoto) {
    imaging::DibImage left = testsupport::solid24(40, 30, 0x1E78C8);
    testsupport::paint(left, 0, 0, 0x000000); // a black top-left pixel shows the turn
    ASSERT_TRUE(imaging::saveAsBmp(left, box.stdPath("newPrj1/newPrj10.bmp")));

    ASSERT_EQ(document.mirrorSelected(), Status::Done);
    EXPECT_EQ(testsupport::rgbAt(layer().bitmap, 39, 0), 0u);
    EXPECT_EQ(fileColour("newPrj10_1.bmp", 39, 0), 0u);
    ASSERT_EQ(document.mirrorSelected(), Status::Done);
    EXPECT_EQ(testsupport::rgbAt(layer().bitmap, 0, 0), 0u) << "twice is the start again";

    const int width = layer().boxWidth(), height = layer().boxHeight();
    ASSERT_EQ(document.rotateSelected(), Status::Done);
    EXPECT_EQ(std::pair(layer().boxWidth(), layer().boxHeight()), std::pair(height, width));
    const auto turned = imaging::readBmp(box.stdPath("newPrj1/newPrj10_3.bmp"));
    ASSERT_TRUE(turned);
    EXPECT_EQ(testsupport::rgbAt(*turned, 29, 0), 0u) << "top-left goes to top-right";
    EXPECT_EQ(testsupport::rgbAt(layer().bitmap, 29, 0), 0u);
}

// After an undo, the next edit would take the undone edit's name; Undo can still bring that
// edit back, so its file must stay what it was.
TEST_F(EffectTest, AnEditAfterAnUndoKeepsTheUndoneEditsFile) {
    ASSERT_EQ(document.applyEffect(effect("brightness-contrast"), {150, 50}), Status::Done);
    document.undo();
    ASSERT_EQ(document.applyEffect(effect("rgb"), {0, 0, -91}), Status::Done);
    EXPECT_EQ(layer().content, "newPrj10_2.bmp");
    document.undo();
    EXPECT_EQ(layer().content, "newPrj10_1.bmp");
    EXPECT_EQ(fileColour("newPrj10_1.bmp"), 0x579ABFu) << "still the brightness edit";
}

// The photo is 30, 120, 200. A mix of 50 with white: 15 + 127, 60 + 127, 100 + 127.
TEST_F(EffectTest, CombiningEffectsReadTheirPicturesAtOkAndRefuseWithoutThem) {
    const QString white = box.writePicture("white.png", 8, 8, qRgb(255, 255, 255));
    editor::EffectInputs inputs{.pictures = {white}};
    ASSERT_EQ(document.applyEffect(effect("alpha-blend"), {0, 50}, inputs), Status::Done);
    EXPECT_EQ(fileColour(layer().content), 0x8EBBE3u);
    // A black mask paints the colour, given red first: swapped channels would show.
    inputs.pictures = {box.writePicture("black.png", 8, 8, qRgb(0, 0, 0))};
    ASSERT_EQ(document.applyEffect(effect("mask"), {0x5812E7}, inputs), Status::Done);
    EXPECT_EQ(fileColour(layer().content), 0x5812E7u);

    // A picture gone since it was chosen, and a multiple exposure whose every row was
    // deleted, would save the photo unchanged as an edit: nothing is written or recorded.
    const QString masked = layer().content;
    const QDir folder(box.path("newPrj1"));
    const qsizetype files = folder.entryList(QDir::Files).size();
    inputs.pictures = {box.path("gone.png")};
    EXPECT_EQ(document.applyEffect(effect("mask"), {0x5812E7}, inputs), Status::Unusable);
    inputs.pictures = {};
    inputs.photoLeftOut = true;
    EXPECT_EQ(document.applyEffect(effect("multiple-exposure"), {}, inputs), Status::Unusable);
    EXPECT_EQ(layer().content, masked);
    EXPECT_EQ(folder.entryList(QDir::Files).size(), files);

    // With the photo's own row deleted, the first picture added is the base.
    inputs.pictures = {white};
    ASSERT_EQ(document.applyEffect(effect("multiple-exposure"), {}, inputs), Status::Done);
    EXPECT_EQ(fileColour(layer().content), 0xFFFFFFu);
    document.undo();
    EXPECT_EQ(layer().content, masked);
}

// 45 degrees of the 40 x 30 photo: trunc(30 x 0.7071 + 40 x 0.7071 + 1) = trunc(50.5) = 50
// each way, which fitted into the 40 x 30 working picture is 30 x 30: the layer's picture
// size follows.
TEST_F(EffectTest, ATurnByAnAngleGivesTheLayerItsNewPictureSize) {
    ASSERT_EQ(document.applyEffect(effect("rotate-angle"), {45}), Status::Done);
    const auto full = imaging::readBmp(box.stdPath("newPrj1/newPrj10_1.bmp"));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->width(), 50);
    EXPECT_EQ(std::pair(layer().bitmapWidth, layer().bitmapHeight), std::pair(30, 30));
}

// The background is hidden before the step is recorded, so undo and redo take the snapped
// picture and the hidden background together; showing it again is a step of its own.
TEST_F(EffectTest, HidingTheBackgroundIsOneStepWithTheSnappedPhoto) {
    const imaging::ColorRef photoColour = imaging::makeColorRef(30, 120, 200);
    ASSERT_EQ(document.hideBackground(photoColour), Status::Done);
    EXPECT_TRUE(layer().backgroundHidden);
    EXPECT_EQ(layer().content, "newPrj10_1.bmp");
    document.undo();
    EXPECT_FALSE(layer().backgroundHidden);
    EXPECT_EQ(layer().content, "newPrj10.bmp");
    document.redo();
    EXPECT_TRUE(layer().backgroundHidden) << "redo brings the hidden background back";
    EXPECT_EQ(layer().content, "newPrj10_1.bmp");

    document.setModified(false);
    ASSERT_TRUE(document.showBackground());
    EXPECT_FALSE(layer().backgroundHidden);
    EXPECT_TRUE(document.isModified()) << "closing must ask";
    EXPECT_FALSE(document.showBackground()) << "already shown";
    document.undo();
    EXPECT_TRUE(layer().backgroundHidden);
}

// On a 10 x 12 picture smooth takes 2 to 9 and wind 1 to 8. The alpha is taken with a mix
// only; a colour is six hexadecimal digits, red first; points are pairs inside the picture, as
// many as clicked.
TEST(EffectCatalogue, CommandLineNamesTakeTheirValuesWithinTheDialogsRanges) {
    const struct {
        const char* argument;
        const char* effect;
        editor::EffectValues values;
    } accepted[] = {
        {"brightness-contrast:150,50", "brightness-contrast", {150, 50}},
        {"brightness-contrast", "brightness-contrast", {100, 100}},
        {"brightness-contrast:0,200", "brightness-contrast", {0, 200}},
        {"rgb:-128,128,0", "rgb", {-128, 128, 0}},
        {"shadow-optimize", "shadow-optimize", {1, 50}},
        {"mirror", "mirror", {}},
        {"sharpen:0", "sharpen", {0}},
        {"smooth", "smooth", {5}},
        {"smooth:9", "smooth", {9}},
        {"wind", "wind", {1, 0, 0}},
        {"wind:8,right,smoothly", "wind", {8, 1, 1}},
        {"alpha-blend:mix,50", "alpha-blend", {0, 50}},
        {"alpha-blend:xor", "alpha-blend", {3, 50}},
        {"mask:5812e7", "mask", {0x5812E7}},
        {"rotate-angle:360", "rotate-angle", {360}},
        {"red-eye:9,11,0,0", "red-eye", {9, 11, 0, 0}},
    };
    for (const auto& r : accepted) {
        editor::EffectValues values;
        QString problem;
        const editor::EffectSpec* e = EffectCatalogue::parse(r.argument, 10, 12, values, problem);
        ASSERT_NE(e, nullptr) << r.argument << ": " << problem.toStdString();
        EXPECT_STREQ(e->commandName, r.effect);
        EXPECT_EQ(values, r.values) << r.argument;
    }
    // Each refused, with a reason.
    const char* const refused[] = {
        "hue-saturation:100", "rgb:-129,0,0",    "rgb:1.5,0,0",      "brightness-contrast:201,100",
        "sharpen:51",         "sharpen:1,2",     "emboss:0",         "shadow-optimize:100,101",
        "smooth:10",          "smooth:1",        "wind:1,left",      "blur",
        "wind:9,left,plain",  "wind:1,up,plain", "alpha-blend:mix",  "alpha-blend:and,50",
        "mask:5812E",         "mask:5812G7",     "rotate-angle:361", "red-eye:10,0",
        "red-eye:1,2,3",      "red-eye",
    };
    for (const char* argument : refused) {
        editor::EffectValues values;
        QString problem;
        EXPECT_EQ(EffectCatalogue::parse(argument, 10, 12, values, problem), nullptr) << argument;
        EXPECT_FALSE(problem.isEmpty()) << argument;
    }
}

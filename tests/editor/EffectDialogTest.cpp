// The adjustment dialogs: the preview as the controls move, the edits' ranges, and an effect
// chosen from the list applied to the photo; then the command line's pixels beside the
// dialog's.
#include "editor/ui/EffectDialog.h"
#include "editor/ui/ClickablePicture.h"
#include "editor/ui/PhotoPage.h"
#include "editor/ui/TransparentColourDialog.h"
#include "imaging/BmpFile.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/Pictures.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QTreeWidget>

using editor::EffectCatalogue;
using editor::EffectDialog;
using testsupport::EditorWindowTest;

namespace {

void type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->textEdited(text);
}

// A dialog's prompts, scripted.
struct EffectDialogTest : ::testing::Test {
    testsupport::ScriptedPrompts prompts;
};

} // namespace

TEST(EffectDialog, ThePreviewFitsInto240By180) {
    EXPECT_EQ(EffectDialog::previewSize(4000, 3000), QSize(240, 180)) << "240 / 1.33 = 180";
    EXPECT_EQ(EffectDialog::previewSize(3000, 4000), QSize(135, 180)) << "0.75 x 180";
    EXPECT_EQ(EffectDialog::previewSize(4000, 10), QSize(240, 1)) << "240 / 400, not 0";
    // A turn's square: 200 upright or square, 220 up to 1.2 : 1, 240 wider.
    EXPECT_EQ(EffectDialog::squarePreviewBox(1000, 1000), QSize(200, 200));
    EXPECT_EQ(EffectDialog::squarePreviewBox(1200, 1000), QSize(220, 220));
    EXPECT_EQ(EffectDialog::squarePreviewBox(1210, 1000), QSize(240, 240));
    EXPECT_EQ(EffectDialog::previewSize(1000, 1000, 200, 200), QSize(200, 200));
}

// The wind's controls reach its values and the preview.
TEST_F(EffectDialogTest, WindsControlsReachItsValuesAndThePreview) {
    imaging::DibImage picture = testsupport::solid24(40, 30, 0xFFFFFF);
    testsupport::paint(picture, 39, 0, 0x000000, 1, 30);
    EffectDialog dialog(*EffectCatalogue::forComboRow(7), picture, prompts);
    EXPECT_EQ(dialog.slider(0)->maximum(), 38) << "the width less two";
    const auto fromTheLeft = testsupport::rgbGrid(dialog.preview());
    dialog.button(1, 1)->click();
    dialog.checkBox(2)->click();
    EXPECT_EQ(dialog.values(), (editor::EffectValues{1, 1, 1}));
    EXPECT_NE(testsupport::rgbGrid(dialog.preview()), fromTheLeft);
}

// A grey of 100: brightness 150 shows 150; contrast 50 then shows contrast alone on the
// plain picture, 128 + trunc(-28 x 64 / 128) = 114, not on the brightened one (139).
TEST_F(EffectDialogTest, ThePreviewShowsTheLastAdjustmentAlone) {
    EffectDialog dialog(*EffectCatalogue::forComboRow(1), testsupport::solid24(40, 30, 0x646464),
                        prompts);
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0x646464u) << "plain at the start";
    dialog.slider(0)->setValue(150);
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0x969696u);
    type(dialog.edit(1), "50");
    EXPECT_EQ(dialog.slider(1)->value(), 50);
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0x727272u);
    EXPECT_EQ(dialog.values(), (editor::EffectValues{150, 50})) << "OK applies both";

    type(dialog.edit(0), "0");
    EXPECT_EQ(dialog.edit(0)->text(), "150") << "the slider reaches 0, a typed 0 is put back";
    type(dialog.edit(0), "300");
    EXPECT_EQ(dialog.edit(0)->text(), "150");
    EXPECT_EQ(prompts.shown, QStringList{"Please enter an integer between 0 and 200."});
}

TEST_F(EffectDialogTest, RgbSlidersRunFromMinus128) {
    EffectDialog dialog(*EffectCatalogue::forComboRow(3), testsupport::solid24(4, 3, 0), prompts);
    EXPECT_EQ(dialog.edit(0)->text(), "0") << "the slider's middle, 128";
    dialog.slider(0)->setValue(0);
    type(dialog.edit(2), "-");
    EXPECT_TRUE(prompts.shown.isEmpty()) << "a sign on its own is a number on its way";
    type(dialog.edit(2), "-20");
    EXPECT_EQ(dialog.slider(2)->value(), 108);
    EXPECT_EQ(dialog.values(), (editor::EffectValues{-128, 0, -20}));
}

// Chosen from the list and accepted with brightness 150, the effect reaches the layer's file;
// the same effect from the command line gives the same pixels.
TEST_F(EditorWindowTest, AnAdjustmentChosenFromTheListIsWrittenAsTheCommandLineWritesIt) {
    start();
    const QString photo = box.writePicture("p.png", 40, 30);
    window->document().addPhoto(photo);
    prompts.whileInDialog = [](QDialog& d) {
        static_cast<EffectDialog&>(d).slider(0)->setValue(150);
    };
    prompts.dialogResults = {QDialog::Accepted};
    testsupport::pick(window->photoPage().effectCombo, 1);
    const QString folder = window->document().project().projectFolder;
    const auto edited = imaging::readBmp((folder + "newPrj10_1.bmp").toStdString());
    ASSERT_TRUE(edited);
    EXPECT_EQ(testsupport::rgbAt(*edited, 0, 0), 0x2DB4FFu) << "30, 120, 200 times 1.5";

    const auto [written, errors] = testsupport::runEditor(
        {"--effect", "brightness-contrast:150,100", photo, box.path("cli.bmp")});
    EXPECT_EQ(written, 0) << errors.constData();
    const auto fromCli = imaging::readBmp(box.stdPath("cli.bmp"));
    ASSERT_TRUE(fromCli);
    EXPECT_EQ(testsupport::rgbGrid(*fromCli), testsupport::rgbGrid(*edited));
}

// Random wind lengths come from --seed: the same seed, the same bytes. Anything out of the
// table writes nothing.
TEST(EffectCommandLine, WindRepeatsWithItsSeedAndBadCommandsWriteNothing) {
    testsupport::Sandbox box;
    const QString photo = box.writePicture("p.png", 60, 40);
    const auto wind = [&](const QString& seed, const QString& out) {
        return testsupport::runEditor(
                   {"--effect", "wind:30,left,plain", "--seed", seed, photo, box.path(out)})
            .first;
    };
    ASSERT_EQ(wind("7", "a.bmp"), 0);
    ASSERT_EQ(wind("7", "b.bmp"), 0);
    EXPECT_EQ(testsupport::readFile(box.path("a.bmp")), testsupport::readFile(box.path("b.bmp")));
    const QList<QStringList> refused = {{"sharpen:1", "--with", photo, photo},
                                        {"emboss:1", "--seed", "x", photo},
                                        {"sharpen:1", box.path("missing.png")},
                                        {"mask:5812E7", photo},
                                        {"mask:5812E7", "--with", box.path("gone.png"), photo}};
    for (const QStringList& command : refused) {
        const auto [code, why] = testsupport::runEditor(QStringList{"--effect"} + command +
                                                        QStringList{box.path("x.bmp")});
        EXPECT_NE(code, 0) << command.join(" ").toStdString();
        EXPECT_FALSE(why.isEmpty());
        EXPECT_FALSE(QFile::exists(box.path("x.bmp")));
    }
}

// Alpha blend from the list: OK without a picture is refused and the dialog stays; with one
// chosen by Change, the layer's file is written.
TEST_F(EditorWindowTest, AlphaBlendTakesItsPictureFromChange) {
    start();
    window->document().addPhoto(box.writePicture("p.png", 40, 30));
    prompts.files = {box.writePicture("white.png", 20, 20, qRgb(255, 255, 255))};
    prompts.whileInDialog = [&](QDialog& d) {
        auto& dialog = static_cast<EffectDialog&>(d);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "no picture yet";
        dialog.changeButton()->click();
        EXPECT_TRUE(dialog.slider(1)->isEnabled()) << "MIX takes the alpha";
        testsupport::pick(dialog.list(0), 1);
        EXPECT_FALSE(dialog.slider(1)->isEnabled()) << "AND does not";
        testsupport::pick(dialog.list(0), 0);
    };
    prompts.dialogResults = {QDialog::Accepted};
    emit window->photoPage().effectCombo->activated(9);
    EXPECT_TRUE(prompts.shown.contains("Please choose a picture with Change first."));
    const QString folder = window->document().project().projectFolder;
    EXPECT_TRUE(imaging::readBmp((folder + "newPrj10_1.bmp").toStdString()));
}

// Multiple exposure: Add appends a numbered row, Delete needs a row, and deleting the photo's
// own row leaves the added picture as the base.
TEST_F(EffectDialogTest, MultipleExposureRowsReachWhatOkCombines) {
    testsupport::Sandbox box;
    const QString added = box.writePicture("a.png", 20, 20, qRgb(255, 255, 255));
    EffectDialog dialog(*EffectCatalogue::forCommandName("multiple-exposure"),
                        testsupport::solid24(40, 30, 0x102030), prompts, nullptr, nullptr,
                        box.path("photo.bmp"));
    EXPECT_EQ(dialog.preview().width(), 180) << "fitted into 180 x 180";
    prompts.files = {added};
    dialog.addButton()->click();
    ASSERT_EQ(dialog.pictureList()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.pictureList()->topLevelItem(1)->text(0), "2");
    dialog.deleteButton()->click();
    EXPECT_TRUE(prompts.shown.contains("Please select a file item first!"));
    dialog.pictureList()->setCurrentItem(dialog.pictureList()->topLevelItem(0));
    dialog.deleteButton()->click();
    EXPECT_EQ(dialog.pictureList()->topLevelItem(0)->text(0), "1") << "numbered again";
    EXPECT_EQ(dialog.inputs().pictures, QStringList{added});
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0xFFFFFFu) << "the added one is the base";
}

// Hide background: the colour clicked on the photo reaches the document; Cancel clears the box.
TEST_F(EditorWindowTest, HideBackgroundHidesTheColourClickedOnThePhoto) {
    start();
    window->document().addPhoto(box.writePicture("p.png", 40, 30));
    QCheckBox* hide = window->photoPage().hideBackgroundCheck;
    prompts.dialogResults = {QDialog::Rejected};
    hide->click();
    EXPECT_FALSE(hide->isChecked()) << "cancelled";
    prompts.whileInDialog = [](QDialog& d) {
        static_cast<editor::TransparentColourDialog&>(d).picture()->click(QPoint(0, 0));
    };
    prompts.dialogResults = {QDialog::Accepted};
    hide->click();
    EXPECT_TRUE(hide->isChecked());
    const editor::LayerRecord& layer = *window->document().selection().selected();
    EXPECT_TRUE(layer.backgroundHidden);
    EXPECT_EQ(layer.color, imaging::makeColorRef(30, 120, 200));
    hide->click();
    EXPECT_FALSE(window->document().selection().selected()->backgroundHidden);
}

// A photo too small to smooth or blow greys those entries; the others stay.
TEST_F(EditorWindowTest, EffectsThePhotoIsTooSmallForAreGreyed) {
    start();
    auto* entries = qobject_cast<QStandardItemModel*>(window->photoPage().effectCombo->model());
    ASSERT_NE(entries, nullptr);
    window->document().addPhoto(box.writePicture("tiny.png", 2, 2));
    EXPECT_FALSE(entries->item(5)->isEnabled()) << "smooth";
    EXPECT_FALSE(entries->item(7)->isEnabled()) << "wind";
    EXPECT_TRUE(entries->item(4)->isEnabled()) << "sharpen";
    window->document().addPhoto(box.writePicture("p.png", 40, 30));
    EXPECT_TRUE(entries->item(5)->isEnabled());
}

// The adjustment dialogs: the preview as the controls move, the edits' ranges, and an effect
// chosen from the list applied to the photo; then the command line's pixels beside the
// dialog's.
#include "editor/ui/EffectDialog.h"
#include "editor/ui/PhotoPage.h"
#include "imaging/BmpFile.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/Pictures.h"

#include <QLineEdit>
#include <QSlider>

using editor::EffectCatalogue;
using editor::EffectDialog;
using testsupport::EditorWindowTest;

namespace {

void type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->textEdited(text);
}

} // namespace

TEST(EffectDialog, ThePreviewFitsInto240By180) {
    EXPECT_EQ(EffectDialog::previewSize(4000, 3000), QSize(240, 180)) << "240 / 1.33 = 180";
    EXPECT_EQ(EffectDialog::previewSize(3000, 4000), QSize(135, 180)) << "0.75 x 180";
    EXPECT_EQ(EffectDialog::previewSize(4000, 1000), QSize(240, 60));
}

// A grey of 100: brightness 150 shows 150; contrast 50 then shows contrast alone on the
// plain picture, 128 + trunc(-28 x 64 / 128) = 114, not on the brightened one (139).
TEST(EffectDialog, ThePreviewShowsTheLastAdjustmentAlone) {
    testsupport::ScriptedPrompts prompts;
    EffectDialog dialog(*EffectCatalogue::forComboRow(1), testsupport::solid24(40, 30, 0x646464),
                        prompts);
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0x646464u) << "plain at the start";
    dialog.slider(0)->setValue(150);
    EXPECT_EQ(dialog.edit(0)->text(), "150");
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0x969696u);
    type(dialog.edit(1), "50");
    EXPECT_EQ(dialog.slider(1)->value(), 50);
    EXPECT_EQ(testsupport::rgbAt(dialog.preview(), 0, 0), 0x727272u);
    EXPECT_EQ(dialog.values(), (editor::EffectValues{150, 50})) << "OK applies both";

    type(dialog.edit(0), "0");
    EXPECT_EQ(dialog.edit(0)->text(), "150") << "the slider reaches 0, a typed 0 is put back";
    EXPECT_TRUE(prompts.shown.isEmpty());
    type(dialog.edit(0), "300");
    EXPECT_EQ(dialog.edit(0)->text(), "150");
    EXPECT_EQ(prompts.shown, QStringList{"Please enter an integer between 0 and 200."});
}

TEST(EffectDialog, RgbSlidersRunFromMinus128) {
    testsupport::ScriptedPrompts prompts;
    EffectDialog dialog(*EffectCatalogue::forComboRow(3), testsupport::solid24(4, 3, 0), prompts);
    EXPECT_EQ(dialog.slider(0)->value(), 128);
    EXPECT_EQ(dialog.edit(0)->text(), "0");
    dialog.slider(0)->setValue(0);
    EXPECT_EQ(dialog.edit(0)->text(), "-128");
    type(dialog.edit(2), "-");
    EXPECT_TRUE(prompts.shown.isEmpty()) << "a sign on its own is a number on its way";
    type(dialog.edit(2), "-20");
    EXPECT_EQ(dialog.slider(2)->value(), 108);
    EXPECT_EQ(dialog.values(), (editor::EffectValues{-128, 0, -20}));
}

// Chosen from the list, accepted with brightness 150: the new edit file; then the same effect
// from the command line gives the same pixels.
TEST_F(EditorWindowTest, AnAdjustmentChosenFromTheListIsWrittenAsTheCommandLineWritesIt) {
    start();
    editor::PageDocument& document = window->document();
    const QString photo = box.writePicture("p.png", 40, 30);
    document.addPhoto(photo);
    QComboBox* effects = window->photoPage().effectCombo;
    const size_t entries = document.history().entries().size();
    emit effects->activated(2);
    EXPECT_EQ(document.history().entries().size(), entries) << "cancelled: nothing recorded";
    EXPECT_FALSE(QFile::exists(document.project().projectFolder + "newPrj10_1.bmp"));

    prompts.whileInDialog = [](QDialog& d) {
        static_cast<EffectDialog&>(d).slider(0)->setValue(150);
    };
    prompts.dialogResults = {QDialog::Accepted};
    effects->setCurrentIndex(1);
    emit effects->activated(1);
    const QString folder = document.project().projectFolder;
    const auto edited = imaging::readBmp((folder + "newPrj10_1.bmp").toStdString());
    ASSERT_TRUE(edited);
    EXPECT_EQ(testsupport::rgbAt(*edited, 0, 0), 0x2DB4FFu) << "30, 120, 200 times 1.5";
    EXPECT_EQ(effects->currentIndex(), 1) << "the list keeps the entry";

    const auto [written, errors] = testsupport::runEditor(
        {"--effect", "brightness-contrast:150,100", photo, box.path("cli.bmp")});
    EXPECT_EQ(written, 0) << errors.constData();
    const auto fromCli = imaging::readBmp(box.stdPath("cli.bmp"));
    ASSERT_TRUE(fromCli);
    EXPECT_EQ(fromCli->bitsPerPixel(), 24);
    EXPECT_EQ(testsupport::rgbGrid(*fromCli), testsupport::rgbGrid(*edited));

    const auto [refused, why] =
        testsupport::runEditor({"--effect", "rgb:0,0", photo, box.path("bad.bmp")});
    EXPECT_EQ(refused, 2);
    EXPECT_TRUE(why.contains("rgb takes 3 values")) << why.constData();
    EXPECT_FALSE(QFile::exists(box.path("bad.bmp")));
}

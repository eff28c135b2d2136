// The red-eye dialog's clicks reach the photo, and OK repairs the layer's file as the command
// line does.
#include "editor/ui/RedEyeDialog.h"
#include "editor/ui/ClickablePicture.h"
#include "editor/ui/PhotoPage.h"
#include "imaging/BmpFile.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/support/Pictures.h"

using testsupport::EditorWindowTest;

// A 20 x 14 photo with a red bar for a pupil: the navigator is 200 x 140, ten times the
// photo, so 3x shows 250 / 30 = 8 pixels; a navigator click at (80, 60) centres (8, 6) and
// the area is x 4..12, rows 2..10, where the detail's middle (125, 125) is (8, 6).
TEST_F(EditorWindowTest, RedEyesClickedInTheDialogAreRepairedInTheLayersFile) {
    start();
    imaging::DibImage eye = testsupport::solid24(20, 14, 0xDCAA8C);
    testsupport::paint(eye, 6, 5, 0xC81E1E, 7, 3);
    ASSERT_TRUE(imaging::saveAsBmp(eye, box.stdPath("eye.bmp")));
    window->document().addPhoto(box.path("eye.bmp"));
    prompts.whileInDialog = [](QDialog& d) {
        auto& dialog = static_cast<editor::RedEyeDialog&>(d);
        dialog.detail()->click({125, 125});
        EXPECT_TRUE(dialog.points().empty()) << "no area shown yet: the click does nothing";
        dialog.navigator()->click({80, 60});
        dialog.detail()->click({125, 125});
        EXPECT_EQ(dialog.points(), (editor::EffectValues{8, 6}));
    };
    prompts.dialogResults = {QDialog::Accepted};
    emit window->photoPage().effectCombo->activated(12);
    const QString folder = window->document().project().projectFolder;
    const auto repaired = imaging::readBmp((folder + "newPrj10_1.bmp").toStdString());
    ASSERT_TRUE(repaired);
    EXPECT_EQ(testsupport::rgbAt(*repaired, 8, 6), 0x4C2C31u);
}

#pragma once
#include "editor/model/PageDocument.h"
#include "imaging/RandomSource.h"

#include <QObject>

namespace quillax {
class Prompts;
}

namespace editor {

class LayoutCanvas;
class PhotoPage;

// The "Effect" group: an entry chosen in the effect list reaches its effect, Rotate turns the
// photo, Hide background hides the colour picked on it, and Change loads a second picture.
class EffectCommands : public QObject {
    Q_OBJECT
  public:
    EffectCommands(PageDocument& document, PhotoPage& page, LayoutCanvas& canvas,
                   quillax::Prompts& prompts, QWidget* window);

    static constexpr int kOriginalSourceRow = 0;
    static constexpr int kMirrorRow = 8;
    static constexpr int kCropRow = 15;
    // Whether the entry of this row does something in this build.
    static bool isBuilt(int row);
    // Greys the entries that do nothing here, and the effects the selected photo is too
    // small for.
    void greyUnusableEffects();

    void effectChosen(int row);
    void rotate();
    void hideBackgroundClicked(bool on);
    void changeSecondPicture();
    // Kept for the effects that combine two pictures.
    const imaging::EffectImage& secondPicture() const { return secondPicture_; }

  private:
    void runDialog(const EffectSpec& effect);
    void repairRedEyes(const EffectSpec& effect);
    void say(PageDocument::EditStatus status);
    void showChangedLayer();

    PageDocument& document_;
    PhotoPage& page_;
    LayoutCanvas& canvas_;
    quillax::Prompts& prompts_;
    QWidget* window_;
    imaging::EffectImage secondPicture_;
    // Random choices differ from run to run, as a photo effect's should.
    imaging::SeededRandom random_;
};

} // namespace editor

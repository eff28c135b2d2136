#pragma once
#include "editor/model/CaptionLayout.h"

#include <QObject>

namespace quillax {
class Prompts;
}

namespace editor {

class LayoutCanvas;
class PageDocument;
class PhotoPage;
struct LayerRecord;

// The Photo page's text controls as a view of the selected caption: every change of a
// control renders the caption again at once, and a caption that is selected fills them.
class CaptionView : public QObject {
    Q_OBJECT
  public:
    CaptionView(PageDocument& document, PhotoPage& page, LayoutCanvas& canvas,
                quillax::Prompts& prompts, QObject* parent);

    // Add Text: a new, empty caption, with an opaque background offered as wide as the page
    // and 9 % of that high.
    void addText();
    // The controls show this caption; nothing is rendered while they are filled.
    void fill(const LayerRecord& caption);
    // Renders the selected caption from the controls.
    void render();
    // What the controls say now.
    CaptionSettings settings() const;

    imaging::ColorRef textColour() const { return textColour_; }
    imaging::ColorRef backgroundColour() const { return backgroundColour_; }

  private:
    // The desktop's scalable fonts, sorted, and a new caption's face, size and direction.
    void fillFontsAndDefaults();
    void connectControls();
    // An opaque background lies along the text: wider than high across, higher than wide
    // when vertical.
    void turnBackgroundAlongText();
    void chooseColour(imaging::ColorRef& colour, bool text);
    void showSwatches();

    PageDocument& document_;
    PhotoPage& page_;
    LayoutCanvas& canvas_;
    quillax::Prompts& prompts_;
    imaging::ColorRef textColour_ = 0x000000FF;
    imaging::ColorRef backgroundColour_ = 0x00E71258;
    bool filling_ = false;
};

} // namespace editor

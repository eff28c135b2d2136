#pragma once
#include <QObject>
#include <functional>
#include <utility>

class QLineEdit;

namespace quillax {
class Prompts;
}

namespace editor {

class LayoutCanvas;
class PageDocument;
class PaperPage;
class PhotoPage;
class PrintService;

// The Paper page and the Photo page's position and size edits as a view of the document's
// page setup: what the user picks or types becomes a document operation, and what the
// document says changed is shown again. Numbers that make no page are taken back with the
// reason.
class PageSetupView : public QObject {
    Q_OBJECT
  public:
    PageSetupView(PageDocument& document, PaperPage& paper, PhotoPage& photo, LayoutCanvas& canvas,
                  PrintService& printer, quillax::Prompts& prompts, QObject* parent);

    // Shows the document's page settings in the Paper page.
    void showPage();

  private:
    // The paper list of the printer, or the built-in papers, and zero in every number edit.
    void fillPapers();
    // The selected layer's place and size as the canvas gives them, in page pixels; `whole`
    // snaps millimetres to whole ones, as when a layer is newly shown.
    void showPosition(int x, int y, bool whole);
    void showSize(int width, int height, bool whole);
    std::pair<double, double> inUnit(double (*convert)(int, double), int a, int b,
                                     bool whole) const;
    void connectPaperPage();
    void connectPhotoEdits();
    void showCanvasSize();
    void paperChosen(int row);
    // Runs `apply` when the user changed the edit since it was last applied or shown.
    void whenEdited(QLineEdit* edit, const std::function<void()>& apply);
    void canvasSizeTyped();
    void arrangeClicked(bool on);
    // The cell size typed, given to the page; false when the photos no longer fit the grid.
    bool takeCellSize();
    void cellSizeTyped();
    void positionTyped();
    void sizeTyped(bool byHeight);
    void showSelected();
    void say(const QString& why);

    PageDocument& document_;
    PaperPage& paper_;
    PhotoPage& photo_;
    LayoutCanvas& canvas_;
    PrintService& printer_;
    quillax::Prompts& prompts_;
};

} // namespace editor

#pragma once
#include "editor/model/ProjectState.h"
#include "editor/model/UndoHistory.h"
#include "imaging/DibHeader.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

class QTabWidget;
class QWidget;

namespace quillax {
class Prompts;
}

namespace editor {

class EditorActions;
class LayerCommands;
class LayoutCanvas;
struct LayerRecord;
class PaperPage;
class PhotoPage;
class PrintService;

// What the editor window needs from outside: the user and the printer.
struct EditorServices {
    quillax::Prompts& prompts;
    PrintService& printer;
};

// The editor's main window: the page on the left, the "Paper" and "Photo" tabs on the right,
// every command in the menu and the toolbar.
class EditorMainDialog : public QMainWindow {
    Q_OBJECT
  public:
    explicit EditorMainDialog(EditorServices services, QWidget* parent = nullptr);
    ~EditorMainDialog() override;

    static constexpr int kPaperTab = 0;
    static constexpr int kPhotoTab = 1;

    EditorActions& actions() { return *actions_; }
    LayoutCanvas& canvas() { return *canvas_; }
    PaperPage& paperPage() { return *paperPage_; }
    PhotoPage& photoPage() { return *photoPage_; }
    QTabWidget& tabs() { return *tabs_; }

    ProjectState& project() { return project_; }
    const ProjectState& project() const { return project_; }
    const QString& projectName() const { return project_.projectName; }
    const QString& installFolder() const { return project_.installFolder; }
    const QString& projectFolder() const { return project_.projectFolder; }
    int pageWidth() const { return project_.pageWidth; }
    int pageHeight() const { return project_.pageHeight; }
    double unitFactor() const { return project_.unitFactor; }
    bool isPortrait() const { return project_.portrait; }
    int paperIndex() const { return project_.paperIndex; }
    const QStringList& fontNames() const { return fontNames_; }
    imaging::ColorRef textColour() const { return textColour_; }
    imaging::ColorRef backgroundColour() const { return backgroundColour_; }
    QList<QPixmap>& layerPictures() { return layerPictures_; }
    quillax::Prompts& prompts() { return services_.prompts; }
    LayerCommands& layerCommands() { return *layerCommands_; }

    UndoHistory& history() { return history_; }
    // Page pixels per unit of the canvas size, as the position and size edits count.
    double canvasUnitFactor() const { return project_.canvasUnitFactor(); }
    // Selects and shows a row of the layer list.
    void selectRow(int row);

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // Adds these pictures as photo layers once the window is up, in this order.
    void addPhotosLater(const QStringList& paths);

    // Moving, resizing or picking a photo by hand ends automatic arrangement.
    void endArrangement();

    // Shows and hides the control groups for the page of the tab control.
    void showControlsForTab(int index);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startUp();
    void fillFontCombo();
    void fillPaperCombo();
    void showPageBackground();
    void updateCaption();
    void setCanvasGeometry(int left, int top, int width, int height);
    bool saveProject();
    void connectCanvas();
    void onLayerPicked();
    void onLayerShown(int id, bool pickedOnCanvas);
    void showPosition(int x, int y, bool whole);
    void showSize(int width, int height, bool whole);
    void fillTextPage(const LayerRecord& caption);
    bool nudgeWithArrow(int key);

    EditorServices services_;
    EditorActions* actions_ = nullptr;
    QWidget* canvasArea_ = nullptr;
    LayoutCanvas* canvas_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    PaperPage* paperPage_ = nullptr;
    PhotoPage* photoPage_ = nullptr;

    ProjectState project_;
    LayerCommands* layerCommands_ = nullptr;
    bool lastPressOnCanvas_ = false;
    QStringList fontNames_;
    imaging::ColorRef textColour_ = 0x000000FF;
    imaging::ColorRef backgroundColour_ = 0x00E71258;
    QList<QPixmap> layerPictures_;
    bool modified_ = false;
    UndoHistory history_;
};

} // namespace editor

#pragma once
#include "editor/model/PageDocument.h"
#include "editor/ui/CaptionView.h"
#include "editor/ui/QtCaptionDrawer.h"
#include "imaging/DibHeader.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

class QAction;
class QTabWidget;
class QWidget;

namespace quillax {
class Launcher;
class Prompts;
} // namespace quillax

namespace editor {

class EditorActions;
class LayerCommands;
class LayoutCanvas;
struct LayerRecord;
class PaperPage;
class ProjectCommands;
class PrintCommands;
class BrowserHandOff;
class PhotoPage;
class PrintService;

// What the editor window needs from outside: the user and the printer.
struct EditorServices {
    quillax::Prompts& prompts;
    PrintService& printer;
    // Opens the help and starts the browser; the desktop's own when none is given.
    quillax::Launcher* launcher = nullptr;
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

    PageDocument& document() { return document_; }
    const PageDocument& document() const { return document_; }
    imaging::ColorRef textColour() const { return captionView_->textColour(); }
    imaging::ColorRef backgroundColour() const { return captionView_->backgroundColour(); }
    LayerCommands& layerCommands() { return *layerCommands_; }
    ProjectCommands& projectCommands() { return *projectCommands_; }
    PrintCommands& printCommands() { return *printCommands_; }

    // Selects and shows a row of the layer list.
    void selectRow(int row);
    // A click on a row of the list: that layer is selected and comes to the top; below the
    // rows, none is selected.
    void listClicked(int row);

    // Opens a project file, as the command line names it; the message to show, or empty.
    QString openProjectFile(const QString& path);
    void openHelp();

    // Adds these pictures as photo layers once the window is up, in this order.
    void addPhotosLater(const QStringList& paths);

    // Moving, resizing or picking a photo by hand ends automatic arrangement.
    void endArrangement();

    // Shows and hides the control groups for the page of the tab control.
    void showControlsForTab(int index);

    BrowserHandOff& browserHandOff() { return *handOff_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startUp();
    void setUpIcon();
    void setUpProjectFolder();
    void setUpMenuAndToolbar();
    void setUpLayout();
    void setUpTabs();
    void setUpLayerList();
    void setUpCanvas();
    void connectCommands();
    void connectDocument();
    void connectKeys();
    void connectHistory();
    void placeCanvas();
    void updateHistoryActions();
    void showStepOutcome(PageDocument::StepOutcome outcome);
    void onLayerRestored(int id);
    void onPageRestored();
    void showPageBackground();
    void updateCaption();
    void setCanvasGeometry(int left, int top, int width, int height);
    void onProjectCleared();
    void showFullScreenPreview();
    void connectCanvas();
    void onLayerAdded(int id);
    void onLayerRemoved(int row);
    void onLayerPicked();
    void onLayerShown(int id, bool pickedOnCanvas);

    EditorServices services_;
    PageDocument document_;
    EditorActions* actions_ = nullptr;
    QWidget* canvasArea_ = nullptr;
    LayoutCanvas* canvas_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    PaperPage* paperPage_ = nullptr;
    PhotoPage* photoPage_ = nullptr;

    LayerCommands* layerCommands_ = nullptr;
    QList<QAction*> nudgeKeys_;
    CaptionView* captionView_ = nullptr;
    ProjectCommands* projectCommands_ = nullptr;
    PrintCommands* printCommands_ = nullptr;
    BrowserHandOff* handOff_ = nullptr;
    QtCaptionDrawer captionDrawer_;
};

} // namespace editor

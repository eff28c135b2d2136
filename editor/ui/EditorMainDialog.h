#pragma once
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

    const QString& projectName() const { return projectName_; }
    const QString& installFolder() const { return installFolder_; }
    const QString& projectFolder() const { return projectFolder_; }
    int pageWidth() const { return pageWidth_; }
    int pageHeight() const { return pageHeight_; }
    double unitFactor() const { return unitFactor_; }
    bool isPortrait() const { return portrait_; }
    int paperIndex() const { return paperIndex_; }
    const QStringList& fontNames() const { return fontNames_; }
    imaging::ColorRef textColour() const { return textColour_; }
    imaging::ColorRef backgroundColour() const { return backgroundColour_; }
    const QList<QPixmap>& layerPictures() const { return layerPictures_; }

    UndoHistory& history() { return history_; }
    // Page pixels per unit of the canvas size, as the position and size edits count.
    double canvasUnitFactor() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

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
    void selectRow(int row);
    bool nudgeWithArrow(int key);

    EditorServices services_;
    EditorActions* actions_ = nullptr;
    QWidget* canvasArea_ = nullptr;
    LayoutCanvas* canvas_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    PaperPage* paperPage_ = nullptr;
    PhotoPage* photoPage_ = nullptr;

    QString projectName_ = QStringLiteral("newPrj1");
    QString installFolder_;
    QString projectFolder_;
    int pageWidth_ = 992;
    int pageHeight_ = 1403;
    double canvasWidth_ = 210.0;
    double canvasHeight_ = 297.0;
    double unitFactor_ = 4.7244;
    bool portrait_ = true;
    int paperIndex_ = -1;
    int platformKind_ = 1;
    int layerRows_ = 0;
    int nextLayerId_ = 0;
    int photoLayers_ = 0;
    QStringList fontNames_;
    imaging::ColorRef textColour_ = 0x000000FF;
    imaging::ColorRef backgroundColour_ = 0x00E71258;
    QList<QPixmap> layerPictures_;
    bool modified_ = false;
    UndoHistory history_;
};

} // namespace editor

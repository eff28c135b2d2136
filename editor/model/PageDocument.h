#pragma once
#include "editor/model/CanvasFit.h"
#include "editor/model/CanvasGeometry.h"
#include "editor/model/CaptionDrawer.h"
#include "editor/model/EffectCatalogue.h"
#include "editor/model/LayerSelection.h"
#include "editor/model/LayerStack.h"
#include "editor/model/PhotoEdits.h"
#include "editor/model/PhotoImporter.h"
#include "editor/model/ProjectFile.h"
#include "editor/model/ProjectState.h"
#include "editor/model/StoredProject.h"
#include "editor/model/UndoHistory.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSizeF>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillax {
class FileTransfer;
}

namespace editor {

class TemporaryFolder;

// Automatic arrangement as the Paper page sets it: whether new photos go into the grid, and
// the size of its cells in the unit.
struct Arrangement {
    bool on = false;
    double cellWidth = 0;
    double cellHeight = 0;
};

// The page being edited: its layers, the selected layer, the page and project settings, the
// undo history and whether anything changed since the last save. Windows are views of it:
// they call its operations and redraw what its signals say changed.
class PageDocument : public QObject {
    Q_OBJECT
  public:
    explicit PageDocument(QObject* parent = nullptr);
    ~PageDocument() override;

    // The page's parts, to read. Every change goes through an operation below, which records
    // it for undo where it is a change of the page, marks the page modified when it changes
    // what Save writes, and says what changed by a signal.
    const LayerStack& stack() const { return stack_; }
    const LayerSelection& selection() const { return selection_; }
    const ProjectState& project() const { return project_; }
    const UndoHistory& history() const { return history_; }
    const Arrangement& arrangement() const { return arrangement_; }

    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // Where the program keeps its temporary project: `installFolder` + "newPrj1/", made when
    // missing. The page is the empty temporary project's.
    void setUpFolders(const QString& installFolder);
    // For the editor the user started: files an earlier run left in the temporary project's
    // folder go to the trash, unless another editor is using the folder.
    void tidyTemporaryFolder();
    // The paper list the Paper page shows: the printer's forms (paperIndex >= 0) or the
    // built-in papers, `rowCount` rows with the user-defined size last, `shownRow` chosen.
    void setPaperList(int platformKind, int paperIndex, int shownRow, int rowCount);
    // "User-defined Size" chosen: the canvas stays as it is.
    void chooseUserPaper();

    // The selection. A layer picked on the canvas comes to the top of the stack, the order
    // that Save writes and overlapping layers print in: a new order marks the page modified.
    void select(int id);
    // The layer under a point of the canvas window, brought to the top and selected; nothing
    // is selected when the point misses every layer. Its id, or a LayerStack miss code.
    int pickAt(int canvasX, int canvasY);
    void bringSelectedToTop();
    // How the canvas shows the page: its scale, and the frame of the selected layer while the
    // mouse drags it. Neither is page state, and neither marks anything modified.
    void setDisplayScale(double scale);
    void setSelectionFrame(const ScreenFrame& frame);

    // The whole page at page resolution, from the photos' full-size files, for printing,
    // export and the previews; nothing when a picture cannot be made or read. Export and the
    // previews show the page as the canvas does; only a printed landscape page is turned
    // onto the sheet.
    enum class PageTurn { AsShown, OntoSheet };
    [[nodiscard]] std::optional<imaging::DibImage> composePage(PageTurn turn) const;

    // Rows of the layer list and photo layers, counted from the stack.
    int layerRows() const { return stack_.count(); }
    int photoLayers() const;

    // The pictures of the layer list: the eight fixed ones the list starts with, then each
    // added photo's thumbnail. A photo layer's thumbIndex points into this list; index 0 is a
    // caption's, so the fixed places are kept even before their pictures are set.
    static constexpr int kFixedListPictures = 8;
    const QList<QImage>& listPictures() const { return listPictures_; }
    void setFixedListPictures(const QList<QImage>& pictures);

    enum class AddStatus { Added, UnknownFormat, Unreadable, CannotWrite };
    struct AddResult {
        AddStatus status = AddStatus::Unreadable;
        int id = -1;
    };
    struct Failure {
        QString path;
        AddStatus status;
    };

    // Reads the picture, writes its full-size copy into the project folder and adds it as a
    // new photo layer on top, placed in the next grid cell while arranging, else at the
    // default place; the new layer is selected. Nothing changes when the picture cannot be
    // read or its copy cannot be written.
    AddResult addPhoto(const QString& path);
    // Adds every picture in order; the ones that could not be added come back, in order.
    std::vector<Failure> addPhotos(const QStringList& paths);
    // Replaces photo `id` by a new photo layer from `path`. The new picture is read and
    // copied first: on failure the old layer, its picture and its file stay as they were.
    AddResult changeSource(int id, const QString& path);
    // A hidden layer is neither shown, printed nor saved.
    bool setLayerVisible(int id, bool visible);
    // Removes layer `id`, recording it for undo; false when there is no such layer.
    bool deleteLayer(int id);

    // The selected layer moved to (x, y) page pixels keeping its size, by the mouse or the
    // keys; recorded for undo. False when no layer is selected.
    bool moveSelected(int x, int y);
    // The selected layer placed and sized by a handle; recorded for undo, never smaller than
    // a page pixel either way.
    bool resizeSelected(const PageGeometry& frame);
    // A change of the selected layer ended: recorded for undo; a photo changed by hand ends
    // automatic arrangement.
    void recordChange();
    // Photo edits of the selected photo, each recorded for undo. The edit is made on the
    // full-size file, which is saved under the next edit name and becomes the layer's; the
    // working picture is the result brought to its size. A full-size file that cannot be
    // read or written changes nothing.
    using EditStatus = PhotoEdits::Status;
    // Crops to the part under `frame` (page pixels, the frame the handle left); the cropped
    // picture is reduced like an added photo.
    [[nodiscard]] EditStatus cropSelected(const PageGeometry& frame);
    [[nodiscard]] EditStatus applyEffect(const EffectSpec& effect, const EffectValues& values,
                                         const EffectInputs& inputs = {});
    // A quarter turn clockwise of the picture, its box and its full-size file.
    [[nodiscard]] EditStatus rotateSelected();
    [[nodiscard]] EditStatus mirrorSelected();
    // "Original source": the file from before any edit, at the working picture's size.
    [[nodiscard]] EditStatus restoreOriginalSource();
    // "Hide background": the run near `colour` at each end of the photo's rows snapped to it,
    // saved as the next edit, and the photo drawn without that colour; one undo step, taken
    // after the background is hidden so that undo and redo bring both back together.
    [[nodiscard]] EditStatus hideBackground(imaging::ColorRef colour);
    // The photo drawn whole again, as one undo step; false when it already was.
    bool showBackground();

    // Moving, resizing or picking a photo by hand ends automatic arrangement.
    void endArrangement();

    // The photos of a project go to another folder through this; tests give one that breaks.
    void setFileTransfer(quillax::FileTransfer* transfer);

    // Captions. The drawer makes their pictures; without one nothing is rendered.
    void setCaptionDrawer(const CaptionDrawer* drawer) { captionDrawer_ = drawer; }
    // Adds an empty caption, a strip across the page at (12, 12), selects it and records it;
    // its id.
    int addText();
    // Renders the selected caption from the text page's settings: its picture, its box (kept
    // at the bottom while a tall vertical caption grows) and its fields. Recorded for undo
    // unless only the text, the face or a colour changed. False, and the caption as it was,
    // when no caption is selected or the picture would be larger than a picture may be.
    bool renderCaption(const CaptionSettings& settings);

    // Page setup. Each change that alters the page records it for undo when a layer is
    // selected, then applies the canvas size: the page pixels and the canvas window follow,
    // no layer stays selected, and pageApplied() tells the views. A size that makes no page
    // (see CanvasFit::problemWith) changes nothing and comes back as its reason.
    QString choosePaper(int row, double widthMm, double heightMm);
    QString setCanvasSize(double width, double height);
    void setPortrait(bool portrait);
    void changeUnit(int unit);
    // The canvas window for the present canvas size.
    CanvasWindow canvasWindow() const;

    // Arrangement: every visible photo into its grid cell, bottom first. False when the
    // photos outnumber the cells; nothing moves then. Sizes of 0 or below arrange nothing.
    [[nodiscard]] bool arrangeAll();
    // "Arrange automatically" switched; arranges when switched on.
    [[nodiscard]] bool setArrangement(bool on);
    // The size of the grid's cells, in the unit; the photos are arranged again while arranging.
    // False when they no longer fit, with nothing moved.
    [[nodiscard]] bool setCellSize(double width, double height);

    // The selected layer moved or resized by the numbers of the Photo page, in the unit.
    bool moveSelectedTo(double left, double top);
    // Each side as typed, or the picture's proportions kept with the other side following the
    // one that leads.
    enum class Proportions { Free, WidthLeads, HeightLeads };
    bool resizeSelectedTo(double width, double height, Proportions proportions);

    // Projects. A new project is the empty temporary one. Saving writes the project file by
    // way of a temporary file renamed over the old, so a failed write leaves the old file
    // whole; the first save of a temporary project moves its photos into "<name>srcImg/" under
    // the project's names, and the names in memory (layers, selection, undo entries) follow.
    // Saving a saved project under another name copies its photos, so both keep them. Each
    // gives the message to show, empty when it worked.
    void newProject();
    // Saving as another project's name replaces that project: the window asks first. The new
    // project is written completely before the old one's files go.
    bool wouldReplaceAProject(const QString& path) const;
    QString saveProjectAs(const QString& path);
    QString saveProject();
    using PaperSize = StoredProject::PaperSize;
    // Opens a project file into a new project: its page, then its layers in file order. A file
    // that is no project is refused and the page stays. Every layer is read: a photo whose
    // file cannot be read is shown as missing, kept, and named in the message that comes back.
    struct Opened {
        bool opened = false; // the project took the page's place, if with a photo missing
        QString message;     // what to tell the user; empty when all went well
    };
    [[nodiscard]] Opened openProject(const QString& path, const PaperSize& paperSize);

    // The page settings an undo entry keeps: the canvas size in whole units.
    PageSettings pageSettings() const;
    // Records a change of the page settings (paper, unit, orientation, arrangement) with the
    // selected layer, when one is selected, as the page tab does; a unit change only when it
    // was not made by undo or redo.
    void recordPageChange(HistoryKind kind);

    enum class StepOutcome {
        Nothing,                  // nothing to undo or redo, or its layer is gone
        Applied,                  // the page changed, and is modified
        ArrangementNotRestorable, // an automatic arrangement cannot be undone
    };
    // One step back or forth through the history. Layers come back with their ids, list rows
    // and thumbnails; page settings come back through pageRestored().
    StepOutcome undo();
    StepOutcome redo();

  signals:
    // A layer was added at its list row and selected.
    void layerAdded(int id);
    // The layer of list row `row` was removed; the rows below moved up.
    void layerRemoved(int row);
    void arrangementEnded();
    void modifiedChanged(bool modified);
    // Layer `id` took back a recorded state and is selected.
    void layerRestored(int id);
    // Undo or redo changed the page settings in project(); `kind` says which.
    void pageRestored(HistoryKind kind);
    // The canvas size was applied: new page pixels and canvas window, nothing selected.
    void pageApplied();
    // The unit changed: every value shown in the unit is to be shown again.
    void unitChanged();
    // The photos were arranged into the grid.
    void layersArranged();
    // The selected caption was rendered again.
    void captionRendered(int id);
    // Everything was removed for a new or opened project.
    void projectCleared();
    // The project took another name (the window caption shows it).
    void projectRenamed();
    // Undo and Redo became available or not.
    void historyChanged();
    // Another layer, or none (-1), is selected.
    void selectionChanged(int id);
    // The layers' order in the stack changed.
    void stackingChanged();
    // Something the user should know that needs no answer (the status line shows it).
    void pageNote(const QString& note);

  private:
    AddResult addImported(const QString& path, const QString& fileName,
                          PhotoImporter::Result imported);
    void recordSelected(HistoryKind kind);
    // A new layer on top, selected and recorded as an addition; the next id is taken.
    void addNewLayer(const LayerRecord& layer);
    // A photo's thumbnail at the end of the list's pictures; its index there.
    int addListPicture(const imaging::DibImage& thumbnail);
    // Records a change of the selected layer, which stood as `before` until now.
    void recordChangeFrom(const LayerRecord& before);
    PhotoEdits photoEdits() const;
    // The selected layer takes an edit's picture and file (and `frame`, when given), recorded.
    // Puts an edit in place (in the frame a crop left, when given), changes what `alsoChange`
    // changes, and records the whole as one step.
    EditStatus takeEdit(PhotoEdits::Outcome outcome, const PageGeometry* frame = nullptr,
                        const std::function<void()>& alsoChange = {});
    StepOutcome apply(const HistoryStep& step);
    bool removeLayerOf(const HistoryEntry& entry);
    bool addLayerOf(const HistoryEntry& entry);
    bool restoreLayerOf(const HistoryEntry& entry);
    void restorePage(HistoryAction action, const PageSettings& page);
    void applyCanvasSize();
    void setUpPageFrom(const ProjectPrefix& prefix, const PaperSize& paperSize);
    // The page and arrangement as the project file keeps them.
    ProjectPrefix projectPrefix() const;
    bool isThisProjectsFile(const QString& path) const;
    void renamePhotoNames();
    std::set<int> photoIdsInUse() const;
    // Removes the files this document wrote into the temporary project's folder.
    void dropTemporaryPhotos();
    // The project-folder name of the next photo's full-size copy: project name and layer id,
    // the id moved on past any that files already there go by.
    QString takeFreePhotoFileName();
    std::optional<PageRect> gridCell(int pictureWidth, int pictureHeight) const;

    LayerStack stack_;
    LayerSelection selection_{stack_};
    ProjectState project_;
    UndoHistory history_;
    Arrangement arrangement_;
    QList<QImage> listPictures_{kFixedListPictures};
    const CaptionDrawer* captionDrawer_ = nullptr;
    quillax::FileTransfer* transfer_;
    bool modified_ = false;
    std::unique_ptr<TemporaryFolder> temporaryFolder_;
    // The layers whose photo files this document wrote into the temporary folder.
    std::set<int> temporaryIds_;
};

} // namespace editor

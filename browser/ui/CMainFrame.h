#pragma once
#include "browser/model/SearchForm.h"
#include "browser/ui/FullScreenViewer.h"

#include <QList>
#include <QMainWindow>
#include <optional>

class QAction;
class QDockWidget;
class QLabel;

namespace quillax {
class Launcher;
class Prompts;
} // namespace quillax

namespace browser {

class CVistaRamblerDoc;
class CVistaRamblerView;
class EditorHandOff;
class FileCommands;
class FolderTree;
class FolderWatcher;
class PreviewBar;

struct BrowserServices {
    quillax::Prompts& prompts;
    quillax::Launcher& launcher;
};

// The browser's main window: toolbar, menus, status line, the thumbnail list in the middle
// and the "Directory" and "Photo Preview" bars stacked on the left.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(BrowserServices services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVistaRamblerDoc& document() { return *doc_; }
    CVistaRamblerView& view() { return *view_; }
    FolderTree& folderTree() { return *tree_; }
    PreviewBar& previewBar() { return *preview_; }
    QDockWidget& directoryBar() { return *directoryBar_; }
    QDockWidget& photoPreviewBar() { return *previewBarDock_; }
    QAction* action(const char* name) const;
    FileCommands& fileCommands() { return *fileCommands_; }
    EditorHandOff& editorHandOff() { return *handOff_; }
    const QList<QAction*>& contextActions() const { return contextActions_; }

    bool isDirectoryBarShown() const { return directoryShown_; }
    bool isPreviewBarShown() const { return previewShown_; }
    void toggleDirectoryBar();
    void togglePreviewBar();

    // Whether the settings name the editor as installed.
    static bool editorInstalled();
    // What the command line names: a folder opens selected, a photo opens its folder with
    // itself highlighted, and anything else is said in the status line.
    void openAtStart(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createBars();
    void connectFileCommands();
    // Other programs' changes to the shown folder reach the list by themselves; F5 reads it all
    // again.
    void watchShownFolder();
    void followShownFolder();
    void updatePhotoCommands();
    void showCurrentImage();
    void slideShow();
    void runViewer(FullScreenViewer::Mode mode, SlideShow show);
    void findImages();
    void toggleBar(QDockWidget* bar, bool& shown, QAction* check);
    void updateNavigation(bool canGoBack, bool canGoForward, bool canGoUp);
    void about();
    void howTo();
    void saveDocument();
    void openDocument();
    void rememberRecentFile(const QString& path);

    BrowserServices services_;
    CVistaRamblerDoc* doc_ = nullptr;
    CVistaRamblerView* view_ = nullptr;
    FolderTree* tree_ = nullptr;
    PreviewBar* preview_ = nullptr;
    QDockWidget* directoryBar_ = nullptr;
    QDockWidget* previewBarDock_ = nullptr;
    QLabel* readyPane_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    EditorHandOff* handOff_ = nullptr;
    FolderWatcher* shownFolderWatcher_ = nullptr;
    QList<QAction*> contextActions_;
    bool directoryShown_ = true;
    bool previewShown_ = true;
    // The search dialog's fields, remembered for the run.
    std::optional<SearchForm> searchForm_;
};

} // namespace browser

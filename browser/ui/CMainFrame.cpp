#include "browser/ui/CMainFrame.h"

#include "browser/ui/FullScreenViewer.h"

#include "browser/model/CVistaRamblerDoc.h"
#include "browser/model/FolderWatcher.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/EditorHandOff.h"
#include "browser/ui/FileCommands.h"
#include "browser/ui/FindImagesDialog.h"
#include "browser/ui/FolderTree.h"
#include "browser/ui/LockKeyPanes.h"
#include "browser/ui/PreviewBar.h"
#include "shared/Launcher.h"
#include "shared/Prompts.h"
#include "shared/Settings.h"
#include "shared/ToolbarStrip.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

static void initBrowserResources() {
    Q_INIT_RESOURCE(browser);
}

namespace browser {

namespace {

// A docking bar whose own close button goes through the frame's toggle, so the View menu's
// check mark stays right.
class BrowserBar : public QDockWidget {
  public:
    BrowserBar(const QString& title, std::function<void()> onClose, QWidget* parent)
        : QDockWidget(title, parent), onClose_(std::move(onClose)) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        onClose_();
    }

  private:
    std::function<void()> onClose_;
};

} // namespace

CMainFrame::CMainFrame(BrowserServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    initBrowserResources();
    setObjectName("mainFrame");
    setWindowTitle("VistaRambler");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/browser/vistarambler-%1.png").arg(size));
    setWindowIcon(icon);
    resize(1100, 760);

    doc_ = new CVistaRamblerDoc(this);
    view_ = new CVistaRamblerView(*doc_, this);
    setCentralWidget(view_);

    createActions();
    createMenus();
    createToolBar();
    readyPane_ = new QLabel(tr("Ready"), this);
    statusBar()->addWidget(readyPane_, 1);
    new LockKeyPanes(statusBar());
    createBars();
    connectFileCommands();
    handOff_ = new EditorHandOff(*this, *doc_, services_.prompts, services_.launcher, this);
    for (const char* name : {"actionAddPhoto", "actionAddPhotoMenu"})
        connect(action(name), &QAction::triggered, handOff_, &EditorHandOff::addPhoto);
    connect(action("actionToEditor"), &QAction::triggered, handOff_, &EditorHandOff::toEditor);

    watchShownFolder();
    connect(doc_, &CVistaRamblerDoc::currentIndexChanged, this, &CMainFrame::updatePhotoCommands);
    connect(doc_, &CVistaRamblerDoc::namesReplaced, this, &CMainFrame::updatePhotoCommands);
    updatePhotoCommands();
    updateNavigation(false, false, false);
}

void CMainFrame::watchShownFolder() {
    shownFolderWatcher_ = new FolderWatcher(this);
    connect(doc_, &CVistaRamblerDoc::namesReplaced, this, [this] {
        shownFolderWatcher_->watchOnly(doc_->isFullPathMode() ? QStringList()
                                                              : QStringList{doc_->folder()});
    });
    connect(shownFolderWatcher_, &FolderWatcher::changed, this, &CMainFrame::followShownFolder);
    connect(action("actionRefresh"), &QAction::triggered, this, [this] {
        doc_->refresh(CVistaRamblerDoc::Reread::Always);
        tree_->relistOpenFolders();
    });
}

void CMainFrame::followShownFolder() {
    // Never under the user's typing: the label being edited would go with the list rebuilt.
    if (view_->isEditingLabel()) {
        QTimer::singleShot(FolderWatcher::kLongestWaitMs, this, &CMainFrame::followShownFolder);
        return;
    }
    doc_->refresh();
}

void CMainFrame::updatePhotoCommands() {
    // The commands act on the highlighted photo; with none, there is nothing for them to do.
    const bool photo = doc_->hasCurrentEntry();
    for (const char* name : {"actionViewDetail", "actionCopyTo", "actionMoveTo", "actionRename",
                             "actionDelete", "actionProperties", "actionAddPhoto"})
        action(name)->setEnabled(photo);
    action("actionSlideShow")->setEnabled(!doc_->names().isEmpty());
    // The editor counts as installed when the settings name it; without it the menu's
    // "Add Photo" is greyed (the toolbar button stays and explains).
    action("actionAddPhotoMenu")->setEnabled(photo && editorInstalled());
    if (QAction* properties = findChild<QAction*>("contextProperties"))
        properties->setEnabled(photo);
}

void CMainFrame::openAtStart(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        tree_->openFolder(path);
    } else if (info.isFile() && tree_->openFolder(info.absolutePath())) {
        // A photo named opens its folder with that photo highlighted.
        const int index = doc_->indexOfFile(info.fileName());
        if (index >= 0)
            doc_->select(index);
    } else {
        statusBar()->showMessage(tr("%1 is not there.").arg(path));
    }
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::editorInstalled() {
    return quillax::Settings::editorName().contains("PageMontager");
}

QAction* CMainFrame::action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void CMainFrame::createActions() {
    auto make = [this](const char* name, const QString& text, bool built, const QString& tip = {}) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!tip.isEmpty())
            a->setToolTip(tip);
        // Commands whose work is not in this build are shown greyed rather than pretend.
        a->setEnabled(built);
        return a;
    };
    make("actionBack", tr("Back"), true, tr("Back"));
    make("actionForward", tr("Forward"), true, tr("Forward"));
    make("actionUp", tr("Up"), true, tr("Up"));
    make("actionSlideShow", tr("Slide Sh&ow"), true, tr("Slide show"));
    make("actionToEditor", tr("To  &Editor"), true, tr("To editor"));
    make("actionAddPhoto", tr("Add photo"), true, tr("Add photo"));
    make("actionAddPhotoMenu", tr("Add &Photo"), true);
    make("actionProperties", tr("&Properties"), true, tr("Properties"));
    make("actionOpen", tr("&Open"), true);
    make("actionExit", tr("E&xit"), true);
    make("actionCopyTo", tr("&Copy to"), true);
    make("actionMoveTo", tr("&Move to"), true);
    make("actionRename", tr("&Rename"), true);
    make("actionDelete", tr("&Delete"), true);
    make("actionFind", tr("&Find"), true);
    make("actionViewDetail", tr("&View detail"), true);
    make("actionHowTo", tr("How To..."), true);
    make("actionAbout", tr("&About..."), true);
    make("actionClearList", tr("Clear list"), true);
    make("actionSaveDocument", tr("Save"), true);
    make("actionOpenDocument", tr("Open"), true);
    make("actionStopWorker", tr("Stop making thumbnails"), true);
    make("actionRefresh", tr("&Refresh"), true);

    const QList<QIcon> icons =
        quillax::ToolbarStrip::icons(":/browser/toolbar.bmp", ":/browser/toolbar-disabled.bmp", 32);
    const char* buttons[] = {"actionBack",      "actionForward",  "actionUp",
                             "actionSlideShow", "actionToEditor", "actionAddPhoto",
                             "actionProperties"};
    for (int i = 0; i < 7 && i < icons.size(); ++i)
        action(buttons[i])->setIcon(icons[i]);
    action("actionAddPhotoMenu")->setIcon(icons.value(5));
    action("actionToEditor")->setIcon(icons.value(4));
    action("actionSlideShow")->setIcon(icons.value(3));
    action("actionProperties")->setIcon(icons.value(6));

    action("actionClearList")->setShortcut(QKeySequence::New);
    action("actionSaveDocument")->setShortcut(QKeySequence::Save);
    action("actionOpenDocument")->setShortcut(QKeySequence::Open);
    action("actionExit")->setShortcut(QKeySequence::Quit);
    action("actionRefresh")->setShortcut(QKeySequence::Refresh);
    action("actionFind")->setShortcut(QKeySequence::Find);
    for (const char* hidden :
         {"actionClearList", "actionSaveDocument", "actionOpenDocument", "actionStopWorker"})
        addAction(action(hidden)); // keys only, no menu entry

    connect(action("actionExit"), &QAction::triggered, this, &QWidget::close);
    connect(action("actionAbout"), &QAction::triggered, this, &CMainFrame::about);
    connect(action("actionHowTo"), &QAction::triggered, this, &CMainFrame::howTo);
    connect(action("actionClearList"), &QAction::triggered, this, [this] { view_->clearAll(); });
    connect(action("actionFind"), &QAction::triggered, this, &CMainFrame::findImages);
    connect(action("actionSaveDocument"), &QAction::triggered, this, &CMainFrame::saveDocument);
    connect(action("actionOpenDocument"), &QAction::triggered, this, &CMainFrame::openDocument);
    connect(action("actionStopWorker"), &QAction::triggered, this,
            [this] { view_->worker().stop(); });
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({action("actionOpen"), action("actionProperties")});
    file->addSeparator();
    file->addAction(action("actionExit"));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(action("actionAddPhotoMenu"));
    edit->addSeparator();
    edit->addActions({action("actionCopyTo"), action("actionMoveTo"), action("actionRename"),
                      action("actionDelete")});
    edit->addSeparator();
    edit->addAction(action("actionFind"));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("menuView");
    auto* toolbarToggle = new QAction(tr("&Toolbar"), this);
    toolbarToggle->setObjectName("actionToolbar");
    toolbarToggle->setCheckable(true);
    toolbarToggle->setChecked(true);
    auto* statusToggle = new QAction(tr("&Status Bar"), this);
    statusToggle->setObjectName("actionStatusBar");
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
    auto* directoryToggle = new QAction(tr("&Directory Bar"), this);
    directoryToggle->setObjectName("actionDirectoryBar");
    directoryToggle->setCheckable(true);
    directoryToggle->setChecked(true);
    connect(directoryToggle, &QAction::triggered, this, &CMainFrame::toggleDirectoryBar);
    auto* previewToggle = new QAction(tr("&Preview Bar"), this);
    previewToggle->setObjectName("actionPreviewBar");
    previewToggle->setCheckable(true);
    previewToggle->setChecked(true);
    connect(previewToggle, &QAction::triggered, this, &CMainFrame::togglePreviewBar);
    view->addActions({toolbarToggle, statusToggle, directoryToggle, previewToggle});
    view->addSeparator();
    view->addActions(
        {action("actionViewDetail"), action("actionSlideShow"), action("actionToEditor")});
    view->addSeparator();
    view->addAction(action("actionRefresh"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addActions({action("actionHowTo"), action("actionAbout")});
}

void CMainFrame::createToolBar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName("mainToolBar");
    bar->setIconSize(QSize(32, 32));
    bar->addActions({action("actionBack"), action("actionForward"), action("actionUp")});
    bar->addSeparator();
    bar->addActions(
        {action("actionSlideShow"), action("actionToEditor"), action("actionAddPhoto")});
    bar->addSeparator();
    bar->addAction(action("actionProperties"));
    connect(action("actionToolbar"), &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::createBars() {
    directoryBar_ = new BrowserBar(
        tr("Directory"), [this] { toggleDirectoryBar(); }, this);
    directoryBar_->setObjectName("directoryBar");
    tree_ = new FolderTree(*doc_, directoryBar_);
    directoryBar_->setWidget(tree_);
    directoryBar_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    previewBarDock_ = new BrowserBar(
        tr("Photo Preview"), [this] { togglePreviewBar(); }, this);
    previewBarDock_->setObjectName("photoPreviewBar");
    preview_ = new PreviewBar(*doc_, previewBarDock_);
    previewBarDock_->setWidget(preview_);
    previewBarDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    // Stacked on the left: the folders above, the preview below.
    addDockWidget(Qt::LeftDockWidgetArea, directoryBar_);
    addDockWidget(Qt::LeftDockWidgetArea, previewBarDock_);
    splitDockWidget(directoryBar_, previewBarDock_, Qt::Vertical);
    resizeDocks({directoryBar_}, {300}, Qt::Horizontal);
    resizeDocks({directoryBar_, previewBarDock_}, {380, 300}, Qt::Vertical);

    connect(tree_, &FolderTree::navigationChanged, this, &CMainFrame::updateNavigation);
    connect(action("actionBack"), &QAction::triggered, tree_, &FolderTree::back);
    connect(action("actionForward"), &QAction::triggered, tree_, &FolderTree::forward);
    connect(action("actionUp"), &QAction::triggered, tree_, &FolderTree::up);
}

void CMainFrame::connectFileCommands() {
    fileCommands_ = new FileCommands(
        *doc_, *view_, services_.prompts, [this] { showCurrentImage(); }, this);
    FileCommands* c = fileCommands_;
    connect(action("actionViewDetail"), &QAction::triggered, c, &FileCommands::viewDetail);
    connect(action("actionSlideShow"), &QAction::triggered, this, &CMainFrame::slideShow);
    connect(action("actionCopyTo"), &QAction::triggered, c, &FileCommands::copyTo);
    connect(action("actionMoveTo"), &QAction::triggered, c, &FileCommands::moveTo);
    connect(action("actionDelete"), &QAction::triggered, c, &FileCommands::deleteFile);
    connect(action("actionRename"), &QAction::triggered, view_,
            &CVistaRamblerView::editCurrentLabel);
    connect(action("actionProperties"), &QAction::triggered, c, [c] { c->properties(); });
    connect(action("actionOpen"), &QAction::triggered, c, &FileCommands::open);

    // As in any file browser, and only while the list has the focus: Delete and F2 in the
    // folder tree are the tree's.
    action("actionDelete")->setShortcut(QKeySequence::Delete);
    action("actionRename")->setShortcut(Qt::Key_F2);
    for (const char* name : {"actionDelete", "actionRename"}) {
        action(name)->setShortcutContext(Qt::WidgetShortcut);
        view_->addAction(action(name));
    }
    action("actionProperties")->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Return));

    // The context menu's own items run the same commands, greyed with them; Properties there
    // asks no name test.
    auto item = [this](const char* name, const QString& text, const char* command,
                       const char* themeIcon = nullptr) {
        QAction* source = action(command);
        // Commands without a toolbar picture take the desktop theme's, where it has one.
        const QIcon icon = themeIcon != nullptr ? QIcon::fromTheme(themeIcon) : source->icon();
        auto* a = new QAction(icon, text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(source->isEnabled());
        connect(source, &QAction::changed, a, [a, source] { a->setEnabled(source->isEnabled()); });
        connect(a, &QAction::triggered, source, &QAction::trigger);
        return a;
    };
    auto* properties = new QAction(action("actionProperties")->icon(), tr("&Properties"), this);
    properties->setObjectName("contextProperties");
    connect(properties, &QAction::triggered, c, [c] { c->properties(false); });
    contextActions_ = {item("contextView", tr("&View"), "actionViewDetail", "zoom-original"),
                       item("contextAdd", tr("&Add"), "actionAddPhoto"),
                       item("contextEdit", tr("&Edit"), "actionToEditor"),
                       item("contextCopyTo", tr("&Copy to"), "actionCopyTo", "edit-copy"),
                       item("contextMoveTo", tr("&Move to"), "actionMoveTo", "edit-cut"),
                       item("contextRename", tr("&Rename"), "actionRename", "edit-rename"),
                       item("contextDelete", tr("&Delete"), "actionDelete", "user-trash"),
                       properties};
    connect(view_, &CVistaRamblerView::contextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = fileCommands_->contextMenu(contextActions_, this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
}

// The picture the preview shows, alone on the screen the browser is on.
void CMainFrame::showCurrentImage() {
    const QString path = doc_->shownPath();
    if (!path.isEmpty())
        runViewer(FullScreenViewer::Mode::Single, SlideShow::single(path));
}

// Every picture of the list, spelled as on disk, from the current one on.
void CMainFrame::slideShow() {
    QStringList paths;
    for (int i = 0; i < doc_->names().size(); ++i)
        paths << doc_->fullPath(i);
    if (!paths.isEmpty())
        runViewer(FullScreenViewer::Mode::SlideShow,
                  SlideShow(paths, std::max(doc_->currentIndex(), 0)));
}

void CMainFrame::runViewer(FullScreenViewer::Mode mode, SlideShow show) {
    FullScreenViewer viewer(mode, std::move(show), screen(), services_.prompts,
                            FileCommands::plainTransfer(), {}, this);
    QWidget* const askedOver = services_.prompts.parentWindow();
    services_.prompts.setParentWindow(&viewer);
    services_.prompts.runDialog(viewer);
    services_.prompts.setParentWindow(askedOver);
    // Pictures deleted or moved away in the viewer leave the list too.
    doc_->refresh();
}

// The fields stay as they were left for the rest of the run, but the search looks in the
// folder shown now, as one expects of a Find in a file browser.
void CMainFrame::findImages() {
    SearchForm form = searchForm_.value_or(SearchForm::startingAt(QDir::homePath()));
    if (!doc_->folder().isEmpty())
        form.lookIn = doc_->folder();
    FindImagesDialog dialog(form, services_.prompts, services_.launcher, this);
    const int result = services_.prompts.runDialog(dialog);
    searchForm_ = dialog.form();
    if (result == QDialog::Accepted && !dialog.viewedResults().isEmpty())
        doc_->takeSearchResults(dialog.viewedResults());
}

void CMainFrame::updateNavigation(bool canGoBack, bool canGoForward, bool canGoUp) {
    action("actionBack")->setEnabled(canGoBack);
    action("actionForward")->setEnabled(canGoForward);
    action("actionUp")->setEnabled(canGoUp);
}

void CMainFrame::toggleBar(QDockWidget* bar, bool& shown, QAction* check) {
    if (!shown) {
        bar->setFloating(false);
        bar->show();
        if (dockWidgetArea(bar) != Qt::LeftDockWidgetArea)
            addDockWidget(Qt::LeftDockWidgetArea, bar);
        shown = true;
    } else {
        bar->hide();
        shown = false;
    }
    check->setChecked(shown);
}

void CMainFrame::toggleDirectoryBar() {
    toggleBar(directoryBar_, directoryShown_, action("actionDirectoryBar"));
}

void CMainFrame::togglePreviewBar() {
    toggleBar(previewBarDock_, previewShown_, action("actionPreviewBar"));
}

void CMainFrame::about() {
    QDialog dialog(this);
    dialog.setWindowTitle(tr("About VistaRambler"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    auto* picture = new QLabel(&dialog);
    picture->setPixmap(windowIcon().pixmap(48, 48));
    row->addWidget(picture);
    row->addWidget(new QLabel(tr("VistaRambler Version 1.0"), &dialog), 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    services_.prompts.runDialog(dialog);
}

void CMainFrame::howTo() {
    // A missing help file is the desktop's to report.
    services_.launcher.openDocument(
        QUrl::fromLocalFile(quillax::Settings::installFolder() + "Readme.rtf"));
}

void CMainFrame::saveDocument() {
    const QString path =
        services_.prompts.saveFile(tr("Save As"), {}, tr("VistaR Document (*.*)"), {});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(doc_->archive()) < 0) {
        services_.prompts.message(tr("%1 could not be written.").arg(path));
        return;
    }
    rememberRecentFile(path);
}

void CMainFrame::openDocument() {
    const QString path = services_.prompts.openFile(tr("Open"), {}, tr("VistaR Document (*.*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    // The stored path is read and set aside: the catalogue stays as it is.
    if (!file.open(QIODevice::ReadOnly) || !CVistaRamblerDoc::readArchive(file.read(1 << 20))) {
        services_.prompts.message(tr("%1 is not a VistaR document.").arg(path));
        return;
    }
    rememberRecentFile(path);
}

void CMainFrame::rememberRecentFile(const QString& path) {
    QSettings profile(QSettings::UserScope, "Local AppWizard-Generated Applications",
                      "VistaRambler");
    QStringList recent = profile.value("Recent File List").toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    profile.setValue("Recent File List", recent.mid(0, 4));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // No thumbnail may be on its way to a list that is going away.
    view_->worker().stop();
    event->accept();
}

} // namespace browser

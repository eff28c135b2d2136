#include "editor/ui/EditorActions.h"

#include "shared/ToolbarStrip.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace editor {

EditorActions::EditorActions(QObject* parent) : QObject(parent) {
    newProject = make("actionNewProject", tr("&New Project"), tr("New Project"));
    openProject = make("actionOpenProject", tr("&Open Project..."), tr("Open Project"));
    saveProject = make("actionSaveProject", tr("&Save Project"), tr("Save Project"));
    saveProjectAs = make("actionSaveProjectAs", tr("Save Project &As..."));
    exportPhotos = make("actionExportPhotos", tr("Export P&hotos..."));
    printPhotos = make("actionPrintPhotos", tr("P&rint Photos"), tr("Print"));
    exit = make("actionExit", tr("&Exit"));
    undo = make("actionUndo", tr("&Undo"), tr("Undo"));
    redo = make("actionRedo", tr("&Redo"), tr("Redo"));
    addPhoto = make("actionAddPhoto", tr("Add &Photo"), tr("Add Photo"));
    addText = make("actionAddText", tr("Add &Text"), tr("Add Caption Layer"));
    deleteLayer = make("actionDeleteLayer", tr("&Delete Layer"), tr("Delete Layer"));
    fullScreenPreview = make("actionFullScreenPreview", tr("&Full screen preview"));
    printPreview = make("actionPrintPreview", tr("&Print preview"), tr("Preview"));
    browse = make("actionBrowse", tr("&Browse"), tr("Browse"));
    quickStart = make("actionQuickStart", tr("Quick Start..."));
    howTo = make("actionHowTo", tr("How To..."));
    about = make("actionAbout", tr("&About..."));

    newProject->setShortcut(QKeySequence::New);
    openProject->setShortcut(QKeySequence::Open);
    saveProject->setShortcut(QKeySequence::Save);
    saveProjectAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    printPhotos->setShortcut(QKeySequence::Print);
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    exit->setShortcut(QKeySequence::Quit);

    const QList<QIcon> icons =
        quillax::ToolbarStrip::icons(":/editor/toolbar.bmp", ":/editor/toolbar-disabled.bmp", 32);
    const QList<QAction*> buttons{browse,       newProject, openProject, saveProject,
                                  addPhoto,     addText,    deleteLayer, printPhotos,
                                  printPreview, undo,       redo};
    for (qsizetype i = 0; i < buttons.size() && i < icons.size(); ++i)
        buttons[i]->setIcon(icons[i]);

    // Quick Start and About are there and do nothing, as they always have; How To opens the
    // help.
    built_ = {exit, quickStart, howTo, about};
}

QAction* EditorActions::make(const char* name, const QString& text, const QString& tip) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty())
        action->setToolTip(tip);
    return action;
}

void EditorActions::fillMenuBar(QMenuBar* bar) const {
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName("menuFile");
    file->addActions({newProject, openProject, saveProject, saveProjectAs});
    file->addSeparator();
    file->addActions({exportPhotos, printPhotos});
    file->addSeparator();
    file->addAction(exit);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName("menuEdit");
    edit->addActions({undo, redo});
    edit->addSeparator();
    edit->addActions({addPhoto, addText, deleteLayer});

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName("menuView");
    view->addActions({fullScreenPreview, printPreview});
    view->addSeparator();
    view->addAction(browse);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName("menuHelp");
    help->addActions({quickStart, howTo, about});
}

void EditorActions::fillToolBar(QToolBar* bar) const {
    bar->addActions({browse, newProject, openProject, saveProject});
    bar->addSeparator();
    bar->addActions({addPhoto, addText, deleteLayer});
    bar->addSeparator();
    bar->addActions({undo, redo});
    bar->addSeparator();
    bar->addActions({printPhotos, printPreview});
}

void EditorActions::updateEnabled(bool hasPrinter) {
    for (QAction* action : findChildren<QAction*>())
        action->setEnabled(built_.contains(action));
    if (!hasPrinter)
        printPhotos->setEnabled(false);
}

} // namespace editor

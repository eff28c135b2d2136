#pragma once
#include <QList>
#include <QObject>

class QAction;
class QMenuBar;
class QToolBar;

namespace editor {

// Every command of the editor in one place: the menu, the toolbar and their enabled state.
class EditorActions : public QObject {
    Q_OBJECT
  public:
    explicit EditorActions(QObject* parent);

    QAction* newProject;
    QAction* openProject;
    QAction* saveProject;
    QAction* saveProjectAs;
    QAction* exportPhotos;
    QAction* printPhotos;
    QAction* exit;
    QAction* undo;
    QAction* redo;
    QAction* addPhoto;
    QAction* addText;
    QAction* deleteLayer;
    QAction* fullScreenPreview;
    QAction* printPreview;
    QAction* browse;
    QAction* quickStart;
    QAction* howTo;
    QAction* about;

    void fillMenuBar(QMenuBar* bar) const;
    // The eleven toolbar buttons, with their pictures.
    void fillToolBar(QToolBar* bar) const;
    // Commands whose work is not in this build yet stay greyed rather than pretend.
    void markBuilt(QAction* action) { built_.append(action); }
    void updateEnabled(bool hasPrinter);

  private:
    QAction* make(const char* name, const QString& text, const QString& tip = {});
    QList<QAction*> built_;
};

} // namespace editor

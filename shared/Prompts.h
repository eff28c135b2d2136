#pragma once
#include <QColor>
#include <QString>

class QDialog;
class QWidget;

namespace quillax {

// The one way windows ask the user anything. The Qt implementation shows real dialogs; tests
// install a scripted one that records every text and answers as told.
class Prompts {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // An OK-only message; the title is the program's name unless one is given.
    virtual void message(const QString& text, const QString& title = {}) = 0;
    virtual bool askYesNo(const QString& text, const QString& title = {}) = 0;
    virtual Answer askYesNoCancel(const QString& text, const QString& title = {}) = 0;
    // File and folder choosers give an empty string when cancelled.
    virtual QString openFile(const QString& caption, const QString& folder,
                             const QString& filter) = 0;
    // A picture to open, chosen with the preview panel beside the list.
    virtual QString openPicture(const QString& caption) = 0;
    // Who asks before an existing file is replaced: the chooser, or the caller, which knows
    // more of what would be lost (a project is more than its file).
    enum class Overwrite { ChooserAsks, CallerAsks };
    virtual QString saveFile(const QString& caption, const QString& folder, const QString& filter,
                             const QString& defaultSuffix,
                             Overwrite overwrite = Overwrite::ChooserAsks) = 0;
    virtual QString folder(const QString& caption, const QString& start) = 0;
    // An invalid colour when cancelled.
    virtual QColor colour(const QColor& initial, const QString& title = {}) = 0;
    // Runs a modal dialog and gives its result code (QDialog::Accepted or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
    // The window the questions come up over; a full-screen window asks over itself, as the
    // desktop keeps it above the others.
    virtual QWidget* parentWindow() const { return nullptr; }
    virtual void setParentWindow(QWidget*) {}
};

} // namespace quillax

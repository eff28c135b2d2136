#pragma once
#include "shared/Prompts.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

namespace testsupport {

// Answers as told and records every text it was asked to show. With nothing scripted it
// answers No / Cancel / an empty name, as a user closing the dialog would.
class ScriptedPrompts : public quillax::Prompts {
  public:
    QStringList shown;          // every message and question, in order
    std::deque<Answer> answers; // for askYesNo and askYesNoCancel
    std::deque<QString> files;  // for openFile, openPicture, saveFile and folder
    std::deque<QColor> colours;
    std::deque<int> dialogResults;
    QList<QString> dialogTitles;
    // Runs while a yes/no question is open, before it is answered: what the user or the other
    // program does in the meantime.
    std::function<void()> whileAsking;
    // Runs while a message is open, before it is closed.
    std::function<void()> whileShowing;
    // Runs while a dialog is open, before its scripted result: what the user does in it.
    std::function<void(QDialog&)> whileInDialog;

    void message(const QString& text, const QString& title = {}) override;
    bool askYesNo(const QString& text, const QString& title = {}) override;
    Answer askYesNoCancel(const QString& text, const QString& title = {}) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString openPicture(const QString& caption) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter,
                     const QString& defaultSuffix,
                     Overwrite overwrite = Overwrite::ChooserAsks) override;
    QString folder(const QString& caption, const QString& start) override;
    QColor colour(const QColor& initial, const QString& title = {}) override;
    int runDialog(QDialog& dialog) override;
};

} // namespace testsupport

#pragma once
#include "editor/ui/EditorMainDialog.h"
#include "tests/support/FakePrintService.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedPrompts.h"

#include <QAction>
#include <QComboBox>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace testsupport {

// An editor window started on a sandbox install folder, with scripted prompts and a printer
// as each test describes it.
class EditorWindowTest : public ::testing::Test {
  protected:
    void start() { start(printer); }
    void start(editor::PrintService& service) {
        box.writeSettings(box.folder());
        window = std::make_unique<editor::EditorMainDialog>(
            editor::EditorServices{prompts, service, &launcher});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    Sandbox box;
    ScriptedPrompts prompts;
    FakePrintService printer;
    RecordingLauncher launcher;
    std::unique_ptr<editor::EditorMainDialog> window;
};

// Chooses a row of a combo box as a click in its list does.
inline void pick(QComboBox* combo, int row) {
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

// The editor program run as a script runs it: its exit code (-1 when it hung or crashed) and
// what it wrote to stderr. With no print server, whatever runs beside, the paper rows are the
// built-in papers.
inline std::pair<int, QByteArray> runEditor(const QStringList& arguments) {
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CUPS_SERVER", "/nonexistent/cups.sock");
    editor.setProcessEnvironment(environment);
    editor.start(PAGEMONTAGER_PATH, arguments);
    const bool ended = editor.waitForFinished(60000) && editor.exitStatus() == QProcess::NormalExit;
    return {ended ? editor.exitCode() : -1, editor.readAllStandardError()};
}

} // namespace testsupport

#pragma once
#include "editor/ui/EditorMainDialog.h"
#include "tests/support/FakePrintService.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedPrompts.h"

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

// An editor window started on a sandbox install folder, with scripted prompts and a printer
// as each test describes it.
class EditorWindowTest : public ::testing::Test {
  protected:
    void start() { start(printer); }
    void start(editor::PrintService& service) {
        box.writeSettings(box.folder());
        window =
            std::make_unique<editor::EditorMainDialog>(editor::EditorServices{prompts, service});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QStringList toolbarTips() const {
        QStringList tips;
        for (QAction* a : window->findChild<QToolBar*>("mainToolBar")->actions())
            if (!a->isSeparator())
                tips.append(a->toolTip());
        return tips;
    }
    QStringList comboItems(QComboBox* combo) const {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items;
    }

    Sandbox box;
    ScriptedPrompts prompts;
    FakePrintService printer;
    std::unique_ptr<editor::EditorMainDialog> window;
};

} // namespace testsupport

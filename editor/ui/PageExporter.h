#pragma once
#include <QCoreApplication>

namespace editor {

class EditorMainDialog;

// "Export Photos...": the composed page saved as a picture file, its format taken from the
// ending of the name.
class PageExporter {
    Q_DECLARE_TR_FUNCTIONS(PageExporter)
  public:
    static QString filter();
    static void run(EditorMainDialog& window);
};

} // namespace editor

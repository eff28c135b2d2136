#pragma once
#include <QCoreApplication>

namespace quillax {
class Prompts;
}

namespace editor {

class PageDocument;

// "Export Photos...": the composed page saved as a picture file, its format taken from the
// ending of the name.
class PageExporter {
    Q_DECLARE_TR_FUNCTIONS(PageExporter)
  public:
    static QString filter();
    static void run(const PageDocument& document, quillax::Prompts& prompts);
};

} // namespace editor

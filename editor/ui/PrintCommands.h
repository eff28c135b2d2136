#pragma once
#include "editor/ui/PagePrinter.h"

#include <QObject>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <functional>

class QPrinter;
class QWidget;

namespace editor {

// "Print Photos" and "Print preview": the print dialog and the job around the page's print
// hooks, and the one preview window.
class PrintCommands : public QObject {
    Q_OBJECT
  public:
    // `fullScreenPreview` stands in for the print preview when no printer was found at start.
    PrintCommands(const PageDocument& document, PrintService& printer, quillax::Prompts& prompts,
                  QWidget* window, std::function<void()> fullScreenPreview);

    void print();
    void printPreview();

    // The open preview, or null.
    QPrintPreviewDialog* preview() const { return preview_; }
    PagePrinter& hooks() { return hooks_; }

    // Runs the hooks' page steps on a begun painter: false when there was nothing to print
    // or a page could not be ended.
    static bool printPages(QPrinter& printer, QPainter& painter, PrintHooks& hooks);

  private:
    bool hasLayers();
    void runJob();
    void showPreview();

    const PageDocument& document_;
    PrintService& printer_;
    quillax::Prompts& prompts_;
    QWidget* window_;
    std::function<void()> fullScreenPreview_;
    PagePrinter hooks_;
    QPointer<QPrintPreviewDialog> preview_;
};

} // namespace editor

#include "editor/ui/PrintCommands.h"

#include "editor/model/PageDocument.h"
#include "editor/ui/PrintService.h"
#include "shared/Prompts.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace editor {

PrintCommands::PrintCommands(const PageDocument& document, PrintService& printer,
                             quillax::Prompts& prompts, QWidget* window,
                             std::function<void()> fullScreenPreview)
    : QObject(window), document_(document), printer_(printer), prompts_(prompts), window_(window),
      fullScreenPreview_(std::move(fullScreenPreview)), hooks_(document, printer, prompts) {
}

bool PrintCommands::hasLayers() {
    if (!document_.stack().isEmpty())
        return true;
    prompts_.message(tr("Please add your photo first!"));
    return false;
}

void PrintCommands::print() {
    if (!hasLayers())
        return;
    hooks_.addUserPaperForm();
    runJob();
}

void PrintCommands::printPreview() {
    if (!hasLayers())
        return;
    if (document_.project().paperIndex < 0) {
        fullScreenPreview_();
        return;
    }
    hooks_.addUserPaperForm();
    showPreview();
}

bool PrintCommands::printPages(QPrinter& printer, QPainter& painter, PrintHooks& hooks) {
    PrintInformation info;
    info.drawRect = QRect(0, 0, printer.width(), printer.height());
    // A page that was not composed prints no sheet rather than a blank one.
    if (!hooks.beginPrinting(&painter, &info))
        return false;
    for (int page = info.minPage; page <= info.maxPage; ++page) {
        if (page > info.minPage && !printer.newPage())
            return false;
        info.currentPage = page;
        hooks.printPage(&painter, &info);
    }
    return true;
}

void PrintCommands::runJob() {
    QPrinter& printer = printer_.printer();
    QPrintDialog dialog(&printer, window_);
    // One page, and no selection to print; copies and collation are the printer's business.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (prompts_.runDialog(dialog) != QDialog::Accepted) {
        // Nothing is printed, and a paper of the user's own must not outlive the job.
        hooks_.endPrinting(nullptr, nullptr);
        return;
    }
    // The dialog may have offered other paper; the page is printed on the one chosen for it.
    printer_.printer();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        printed = printPages(printer, painter, hooks_);
        if (!printed)
            printer.abort();
    }
    hooks_.endPrinting(&painter, nullptr);
    if (painter.isActive() && !painter.end())
        printed = false;
    QApplication::restoreOverrideCursor();
    if (!printed)
        prompts_.message(tr("The page could not be printed: a photo file of the project may be "
                            "missing, or the printer may not be ready."));
}

void PrintCommands::showPreview() {
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    preview_ = new QPrintPreviewDialog(&printer_.printer(), window_);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->setWindowTitle(tr("Image Print Preview"));
    connect(preview_, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        // A page that cannot be composed shows as a blank sheet here; the job says why.
        QPainter painter(printer);
        printPages(*printer, painter, hooks_);
    });
    connect(preview_, &QDialog::finished, this, [this] { hooks_.endPrinting(nullptr, nullptr); });
    // Without a window manager to maximise it the preview would open at its smallest.
    if (const QScreen* screen = window_->screen())
        preview_->setGeometry(screen->availableGeometry());
    preview_->showMaximized();
}

} // namespace editor

#pragma once
#include "editor/ui/PrintHooks.h"
#include "imaging/DibImage.h"

#include <QCoreApplication>
#include <optional>

namespace quillax {
class Prompts;
}

namespace editor {

class PageDocument;
class PrintService;

// The canvas's print hooks: the page composed from the full-size photo files, fitted to the
// printable width and drawn from the top-left corner of the printable area. Print jobs and
// the print preview both go through here, so the preview shows what is printed.
class PagePrinter : public PrintHooks {
    Q_DECLARE_TR_FUNCTIONS(PagePrinter)
  public:
    static QString customFormName() { return QStringLiteral("MyPaper"); }

    PagePrinter(const PageDocument& document, PrintService& printer, quillax::Prompts& prompts);

    bool beginPrinting(QPainter* painter, PrintInformation* info) override;
    void printPage(QPainter* painter, PrintInformation* info) override;
    void endPrinting(QPainter* painter, PrintInformation* info) override;

    // With "User-defined Size" chosen, the printer gets a paper of the canvas size in whole
    // millimetres, "MyPaper", until the job or preview ends.
    void addUserPaperForm();

    int printableWidth() const { return printableWidth_; }
    int printableHeight() const { return printableHeight_; }

  private:
    bool printerAnswers();

    const PageDocument& document_;
    PrintService& printer_;
    quillax::Prompts& prompts_;
    bool formAdded_ = false;
    std::optional<imaging::DibImage> page_;
    int printableWidth_ = 0;
    int printableHeight_ = 0;
};

} // namespace editor

#pragma once
#include "editor/ui/PrintService.h"

#include <QMarginsF>
#include <QPageSize>
#include <memory>

namespace editor {

class QtPrintService : public PrintService {
  public:
    // Jobs go to the default printer; with a file name, to that PDF file instead, with no
    // print server at all.
    explicit QtPrintService(const QString& pdfFile = {});
    ~QtPrintService() override;

    bool hasDefaultPrinter() const override;
    QString defaultPrinterName() const override;
    QStringList formNames() const override;
    int defaultFormIndex() const override;
    QSizeF formSize(int row) const override;
    void choosePaper(int row) override;
    void chooseUserPaper(double widthMm, double heightMm) override;
    void addCustomForm(const QString& name, int widthMm, int heightMm) override;
    void deleteCustomForm(const QString& name) override;
    QPrinter& printer() override;

    // The paper chosen last: what the print job and the preview set up their printer with.
    const QPageSize& chosenPaper() const { return chosen_; }
    // The paper of the user's own that jobs print on while it exists.
    const QPageSize& customForm() const { return custom_; }

    // The page has 120 pixels an inch; above this a printed picture only grows (an A4 page at
    // 1200 dpi would need some 400 MB), so finer printers are driven at this resolution.
    static constexpr int kMostDotsPerInch = 600;

  private:
    QString pdfFile_;
    QPageSize chosen_;
    QPageSize custom_;
    std::unique_ptr<QPrinter> printer_;
    QMarginsF formMargins_; // the printer's own margins, in points, for its forms
};

} // namespace editor

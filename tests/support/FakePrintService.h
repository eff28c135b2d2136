#pragma once
#include "editor/ui/PrintService.h"

#include <QPrinter>
#include <memory>

namespace testsupport {

// A printer as the test describes it; no printer at all by default. Jobs go to a PDF file.
class FakePrintService : public editor::PrintService {
  public:
    bool present = false;
    QString name = QStringLiteral("PDF");
    QStringList forms;
    QList<QSizeF> formSizes; // millimetres, one a form
    int defaultForm = -1;
    // What the editor chose to print on: a form row, or -1 and a size of its own.
    int chosenRow = -2;
    QSizeF chosenSize;
    // The user's own paper while it exists, and every size it was added with.
    QString customForm;
    QList<QSize> customFormsAdded;
    QString pdfFile;

    bool hasDefaultPrinter() const override { return present; }
    QString defaultPrinterName() const override { return present ? name : QString(); }
    QStringList formNames() const override { return present ? forms : QStringList(); }
    int defaultFormIndex() const override { return present ? defaultForm : -1; }
    QSizeF formSize(int row) const override {
        return present && row >= 0 && row < formSizes.size() ? formSizes.at(row) : QSizeF();
    }
    void choosePaper(int row) override { chosenRow = row; }
    void chooseUserPaper(double widthMm, double heightMm) override {
        chosenRow = -1;
        chosenSize = QSizeF(widthMm, heightMm);
    }
    void addCustomForm(const QString& form, int widthMm, int heightMm) override {
        customForm = form;
        customFormsAdded.append(QSize(widthMm, heightMm));
    }
    void deleteCustomForm(const QString& form) override {
        if (customForm == form)
            customForm.clear();
    }
    // An A4 PDF at 72 dots an inch, so that pages stay small.
    QPrinter& printer() override {
        if (!printer_) {
            printer_ = std::make_unique<QPrinter>();
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(pdfFile);
            printer_->setResolution(72);
        }
        return *printer_;
    }

  private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace testsupport

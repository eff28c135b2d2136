#pragma once
#include "editor/ui/PrintService.h"

namespace testsupport {

// A printer as the test describes it; no printer at all by default.
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
};

} // namespace testsupport

#pragma once
#include "editor/ui/PrintService.h"

#include <QPageSize>

namespace editor {

class QtPrintService : public PrintService {
  public:
    bool hasDefaultPrinter() const override;
    QString defaultPrinterName() const override;
    QStringList formNames() const override;
    int defaultFormIndex() const override;
    QSizeF formSize(int row) const override;
    void choosePaper(int row) override;
    void chooseUserPaper(double widthMm, double heightMm) override;

    // The paper chosen last: what the print job and the preview set up their printer with.
    const QPageSize& chosenPaper() const { return chosen_; }

  private:
    QPageSize chosen_;
};

} // namespace editor

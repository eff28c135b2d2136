#pragma once
#include "editor/ui/PrintService.h"

namespace testsupport {

// A printer as the test describes it; no printer at all by default.
class FakePrintService : public editor::PrintService {
  public:
    bool present = false;
    QString name = QStringLiteral("PDF");
    QStringList forms;
    int defaultForm = -1;

    bool hasDefaultPrinter() const override { return present; }
    QString defaultPrinterName() const override { return present ? name : QString(); }
    QStringList formNames() const override { return present ? forms : QStringList(); }
    int defaultFormIndex() const override { return present ? defaultForm : -1; }
};

} // namespace testsupport

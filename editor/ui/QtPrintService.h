#pragma once
#include "editor/ui/PrintService.h"

namespace editor {

class QtPrintService : public PrintService {
  public:
    bool hasDefaultPrinter() const override;
    QString defaultPrinterName() const override;
    QStringList formNames() const override;
    int defaultFormIndex() const override;
};

} // namespace editor

#include "editor/ui/QtPrintService.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace editor {

bool QtPrintService::hasDefaultPrinter() const {
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString QtPrintService::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinter().printerName();
}

QStringList QtPrintService::formNames() const {
    QStringList names;
    for (const QPageSize& size : QPrinterInfo::defaultPrinter().supportedPageSizes())
        names.append(size.name());
    return names;
}

int QtPrintService::defaultFormIndex() const {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return -1;
    return int(printer.supportedPageSizes().indexOf(printer.defaultPageSize()));
}

} // namespace editor

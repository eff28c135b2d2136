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

namespace editor {

QSizeF QtPrintService::formSize(int row) const {
    const QList<QPageSize> forms = QPrinterInfo::defaultPrinter().supportedPageSizes();
    if (row < 0 || row >= forms.size())
        return {};
    return forms.at(row).size(QPageSize::Millimeter);
}

void QtPrintService::choosePaper(int row) {
    const QList<QPageSize> forms = QPrinterInfo::defaultPrinter().supportedPageSizes();
    if (row >= 0 && row < forms.size())
        chosen_ = forms.at(row);
}

void QtPrintService::chooseUserPaper(double widthMm, double heightMm) {
    chosen_ = QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter,
                        QStringLiteral("User-defined Size"));
}

} // namespace editor

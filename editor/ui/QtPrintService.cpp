#include "editor/ui/QtPrintService.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace editor {

QtPrintService::QtPrintService(const QString& pdfFile) : pdfFile_(pdfFile) {
}

QtPrintService::~QtPrintService() = default;

bool QtPrintService::hasDefaultPrinter() const {
    // Jobs that go into a PDF file have somewhere to go whether a print server runs or not.
    return !pdfFile_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
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
                        QStringLiteral("User-defined Size"), QPageSize::ExactMatch);
}

void QtPrintService::addCustomForm(const QString& name, int widthMm, int heightMm) {
    // Exact: a 215 x 279 mm paper must not turn into the Letter size it nearly is.
    custom_ =
        QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, name, QPageSize::ExactMatch);
}

void QtPrintService::deleteCustomForm(const QString& name) {
    if (custom_.isValid() && custom_.name() == name)
        custom_ = QPageSize();
}

QPrinter& QtPrintService::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!pdfFile_.isEmpty()) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(pdfFile_);
        }
        formMargins_ = printer_->pageLayout().margins(QPageLayout::Point);
    }
    // The print dialog may have set the resolution the printer's driver names.
    if (printer_->resolution() > kMostDotsPerInch)
        printer_->setResolution(kMostDotsPerInch);
    // The custom form, as in the print system's own form list, comes after the chosen paper.
    if (custom_.isValid()) {
        printer_->setPageLayout(QPageLayout(custom_, QPageLayout::Portrait, QMarginsF(2, 2, 2, 2),
                                            QPageLayout::Millimeter));
    } else if (chosen_.isValid()) {
        printer_->setPageLayout(
            QPageLayout(chosen_, QPageLayout::Portrait, formMargins_, QPageLayout::Point));
    } else {
        printer_->setPageOrientation(QPageLayout::Portrait);
    }
    return *printer_;
}

} // namespace editor

#pragma once
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPrinter;

namespace editor {

// What the editor asks of the print system. The Qt implementation talks to CUPS through Qt
// Print Support; tests give a fake with or without a printer.
class PrintService {
  public:
    virtual ~PrintService() = default;
    virtual bool hasDefaultPrinter() const = 0;
    virtual QString defaultPrinterName() const = 0;
    // The default printer's paper names, in the order the print system lists them.
    virtual QStringList formNames() const = 0;
    // Index of the printer's default paper in formNames(), or -1.
    virtual int defaultFormIndex() const = 0;
    // 1 on this platform: the paper combo is filled from the printer's forms.
    virtual int platformKind() const { return 1; }
    // The size of form `row` in millimetres; empty when there is no such form.
    virtual QSizeF formSize(int row) const = 0;
    // The size in millimetres of row `row` of the paper list: the printer's form where the
    // list holds its forms (`paperIndex` >= 0), else the built-in paper, which also stands in
    // when the printer has gone; empty when the row names no paper.
    QSizeF paperSize(int paperIndex, int row) const;
    // The paper later jobs and previews print on: form `row`, or a size of the user's own.
    // The printer's own defaults are left as they are.
    virtual void choosePaper(int row) = 0;
    virtual void chooseUserPaper(double widthMm, double heightMm) = 0;

    // A paper of the user's own, widthMm x heightMm with 2 mm margins all round, that the jobs
    // print on until it is deleted; one of the same name is replaced.
    virtual void addCustomForm(const QString& name, int widthMm, int heightMm) = 0;
    // Deleting a form that is not there is no error.
    virtual void deleteCustomForm(const QString& name) = 0;
    // The editor's own printer, made ready on the chosen paper in portrait: the page is turned
    // before it is printed. Every job and the preview print through it.
    virtual QPrinter& printer() = 0;
};

} // namespace editor

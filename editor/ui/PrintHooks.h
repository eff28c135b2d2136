#pragma once
#include <QRect>

class QPainter;

namespace editor {

// What a print job or the preview tells the page about the job it is in.
struct PrintInformation {
    // Until the page says otherwise the job knows no page range.
    static constexpr int kNoLastPage = 0xFFFF;
    int minPage = 1;
    int maxPage = kNoLastPage;
    int currentPage = 1;
    QRect drawRect; // the printable area in device dots
};

// The three steps by which the page is printed or previewed, in this order: once before the
// pages, once a page, once after. The painter's device is the printer, or the preview's copy
// of it; its width and height are the printable area in device dots.
class PrintHooks {
  public:
    virtual ~PrintHooks() = default;
    // False when there is nothing to print; the job then prints no page.
    virtual bool beginPrinting(QPainter* painter, PrintInformation* info) = 0;
    virtual void printPage(QPainter* painter, PrintInformation* info) = 0;
    virtual void endPrinting(QPainter* painter, PrintInformation* info) = 0;
};

} // namespace editor

#include "editor/ui/PagePrinter.h"

#include "editor/model/PageComposer.h"
#include "editor/model/PageDocument.h"
#include "editor/model/UnitValues.h"
#include "editor/ui/PrintService.h"
#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QPaintDevice>
#include <QPainter>

namespace editor {

PagePrinter::PagePrinter(const PageDocument& document, PrintService& printer,
                         quillax::Prompts& prompts)
    : document_(document), printer_(printer), prompts_(prompts) {
}

bool PagePrinter::printerAnswers() {
    if (printer_.hasDefaultPrinter())
        return true;
    prompts_.message(tr("PrintDlg failed"));
    prompts_.message(tr("OpenPrinter() failed"));
    return false;
}

void PagePrinter::addUserPaperForm() {
    const ProjectState& project = document_.project();
    if (project.platformKind == 2 || project.paperRow != project.paperRowCount - 1)
        return;
    if (!printerAnswers())
        return;
    const double toMm = UnitValues::conversionFactor(project.unitRow, UnitValues::kMillimetre);
    printer_.addCustomForm(customFormName(), int(project.canvasWidth * toMm),
                           int(project.canvasHeight * toMm));
    formAdded_ = true;
}

bool PagePrinter::beginPrinting(QPainter* painter, PrintInformation* info) {
    page_ = document_.composePage(PageDocument::PageTurn::OntoSheet);
    if (!page_ || painter == nullptr || info == nullptr || painter->device() == nullptr)
        return false;
    printableWidth_ = painter->device()->width();
    printableHeight_ = painter->device()->height();
    info->maxPage = 1;
    info->currentPage = 1;
    return true;
}

void PagePrinter::printPage(QPainter* painter, PrintInformation*) {
    QImage picture;
    if (page_ && painter != nullptr)
        picture = quillax::toQImage(PageComposer::printed(*page_, printableWidth_));
    if (picture.isNull()) {
        prompts_.message(tr("Not enough resource for the bitmap....."));
        return;
    }
    painter->drawImage(QPoint(0, 0), picture);
}

void PagePrinter::endPrinting(QPainter*, PrintInformation*) {
    page_.reset();
    // A form that was never added needs no removing, and no word about the printer.
    if (!formAdded_)
        return;
    formAdded_ = false;
    printerAnswers();
    // The paper lives in the editor's own printer object, so it goes whether or not the
    // printer still answers: a later job must never print on a stale size.
    printer_.deleteCustomForm(customFormName());
}

} // namespace editor

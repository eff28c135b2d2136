#include "editor/ui/PageSetupView.h"

#include "editor/model/CanvasFit.h"
#include "editor/model/CaptionText.h"
#include "editor/model/PageDocument.h"
#include "editor/model/UnitValues.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/NumberEdit.h"
#include "editor/ui/PaperPage.h"
#include "editor/ui/PhotoPage.h"
#include "editor/ui/PrintService.h"
#include "editor/ui/ProjectCommands.h"
#include "shared/Prompts.h"

#include <QDoubleValidator>

namespace editor {

namespace {

// Eight significant digits: 210 mm in inches and back shows as 209.99958.
constexpr int kCanvasDigits = 8;
constexpr int kLayerDigits = 6;

// Letters never get into a number edit; what is left to check is the value itself.
void acceptNumbersOnly(QLineEdit* edit) {
    auto* numbers = new QDoubleValidator(edit);
    numbers->setLocale(QLocale::c());
    numbers->setNotation(QDoubleValidator::StandardNotation);
    edit->setValidator(numbers);
}

} // namespace

PageSetupView::PageSetupView(PageDocument& document, PaperPage& paper, PhotoPage& photo,
                             LayoutCanvas& canvas, PrintService& printer, quillax::Prompts& prompts,
                             QObject* parent)
    : QObject(parent), document_(document), paper_(paper), photo_(photo), canvas_(canvas),
      printer_(printer), prompts_(prompts) {
    fillPapers();
    connectPaperPage();
    connectPhotoEdits();
    connect(&document_, &PageDocument::pageApplied, this, &PageSetupView::showPage);
    connect(&document_, &PageDocument::unitChanged, this, [this] {
        showPage();
        showSelected();
    });
    connect(&document_, &PageDocument::pageRestored, this, &PageSetupView::showPage);
    connect(&canvas_, &LayoutCanvas::positionShown, this, &PageSetupView::showPosition);
    connect(&canvas_, &LayoutCanvas::sizeShown, this, &PageSetupView::showSize);
}

void PageSetupView::fillPapers() {
    const PaperChoice choice = ProjectCommands::paperChoice(printer_);
    paper_.paperCombo->clear();
    paper_.paperCombo->addItems(choice.names);
    paper_.paperCombo->setCurrentIndex(choice.shownRow);
    document_.setPaperList(printer_.platformKind(), choice.paperIndex, choice.shownRow,
                           int(choice.names.size()));
    const ProjectState& project = document_.project();
    paper_.canvasWidthEdit->setText(NumberEdit::text(project.canvasWidth, kCanvasDigits));
    paper_.canvasHeightEdit->setText(NumberEdit::text(project.canvasHeight, kCanvasDigits));
    photo_.constrainCheck->setChecked(true);
    for (QLineEdit* edit :
         {photo_.layerWidthEdit, photo_.layerHeightEdit, photo_.topEdit, photo_.leftEdit,
          photo_.backgroundWidthEdit, photo_.backgroundHeightEdit, paper_.layerImagesWidthEdit,
          paper_.layerImagesHeightEdit})
        edit->setText(NumberEdit::text(0, kLayerDigits));
}

void PageSetupView::connectPaperPage() {
    for (QLineEdit* edit : {paper_.canvasWidthEdit, paper_.canvasHeightEdit,
                            paper_.layerImagesWidthEdit, paper_.layerImagesHeightEdit}) {
        acceptNumbersOnly(edit);
    }
    connect(paper_.paperCombo, &QComboBox::activated, this, &PageSetupView::paperChosen);
    for (QLineEdit* edit : {paper_.canvasWidthEdit, paper_.canvasHeightEdit}) {
        connect(edit, &QLineEdit::editingFinished, this,
                [this, edit] { whenEdited(edit, [this] { canvasSizeTyped(); }); });
    }
    connect(paper_.unitCombo, &QComboBox::activated, &document_, &PageDocument::changeUnit);
    connect(paper_.portraitRadio, &QRadioButton::clicked, this,
            [this] { document_.setPortrait(true); });
    connect(paper_.landscapeRadio, &QRadioButton::clicked, this,
            [this] { document_.setPortrait(false); });
    connect(paper_.arrangeCheck, &QCheckBox::clicked, this, &PageSetupView::arrangeClicked);
    for (QLineEdit* edit : {paper_.layerImagesWidthEdit, paper_.layerImagesHeightEdit}) {
        connect(edit, &QLineEdit::editingFinished, this,
                [this, edit] { whenEdited(edit, [this] { cellSizeTyped(); }); });
    }
}

void PageSetupView::connectPhotoEdits() {
    for (QLineEdit* edit :
         {photo_.topEdit, photo_.leftEdit, photo_.layerWidthEdit, photo_.layerHeightEdit}) {
        acceptNumbersOnly(edit);
    }
    for (QLineEdit* edit : {photo_.topEdit, photo_.leftEdit}) {
        connect(edit, &QLineEdit::editingFinished, this,
                [this, edit] { whenEdited(edit, [this] { positionTyped(); }); });
    }
    for (QLineEdit* edit : {photo_.layerWidthEdit, photo_.layerHeightEdit}) {
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            whenEdited(edit, [this, edit] { sizeTyped(edit == photo_.layerHeightEdit); });
        });
    }
}

void PageSetupView::showCanvasSize() {
    const ProjectState& project = document_.project();
    NumberEdit::show(paper_.canvasWidthEdit,
                     UnitValues::shown(project.canvasWidth, project.unitRow), kCanvasDigits);
    NumberEdit::show(paper_.canvasHeightEdit,
                     UnitValues::shown(project.canvasHeight, project.unitRow), kCanvasDigits);
}

void PageSetupView::showPage() {
    const ProjectState& project = document_.project();
    showCanvasSize();
    paper_.unitCombo->setCurrentIndex(project.unitRow);
    paper_.paperCombo->setCurrentIndex(project.paperRow);
    // Pixels are no paper size.
    paper_.paperCombo->setEnabled(project.unitRow != UnitValues::kPixel);
    (project.portrait ? paper_.portraitRadio : paper_.landscapeRadio)->setChecked(true);
    const Arrangement& arrangement = document_.arrangement();
    // The box shows the arrangement in force, as an opened project has it too.
    paper_.arrangeCheck->setChecked(arrangement.on);
    if (arrangement.on) {
        NumberEdit::show(paper_.layerImagesWidthEdit, arrangement.cellWidth, kLayerDigits);
        NumberEdit::show(paper_.layerImagesHeightEdit, arrangement.cellHeight, kLayerDigits);
    }
}

void PageSetupView::paperChosen(int row) {
    const ProjectState& project = document_.project();
    if (row == paper_.paperCombo->count() - 1) {
        // The user's own size: the canvas stays, the printer is told it.
        if (printer_.hasDefaultPrinter())
            printer_.chooseUserPaper(
                UnitValues::convert(project.canvasWidth, project.unitRow, UnitValues::kMillimetre),
                UnitValues::convert(project.canvasHeight, project.unitRow,
                                    UnitValues::kMillimetre));
        document_.chooseUserPaper();
        return;
    }
    const QSizeF size = printer_.paperSize(project.paperIndex, row);
    QString problem = size.isEmpty() ? tr("The size of this paper cannot be read.")
                                     : document_.choosePaper(row, size.width(), size.height());
    if (!problem.isEmpty()) {
        paper_.paperCombo->setCurrentIndex(project.paperRow);
        say(problem);
        return;
    }
    if (project.paperIndex >= 0)
        printer_.choosePaper(row);
}

// A value takes effect when its edit is finished (Enter, Tab or the focus leaving it), as one
// change: "9", "99" and "999" on the way to "9999" are no pages of their own.
void PageSetupView::whenEdited(QLineEdit* edit, const std::function<void()>& apply) {
    if (!edit->isModified())
        return; // left without a change
    edit->setModified(false);
    apply();
}

void PageSetupView::canvasSizeTyped() {
    const auto width = NumberEdit::read(paper_.canvasWidthEdit);
    const auto height = NumberEdit::read(paper_.canvasHeightEdit);
    QString problem = !width || !height ? tr("The canvas width and height must be numbers.")
                                        : document_.setCanvasSize(*width, *height);
    if (problem.isEmpty())
        return;
    // The page keeps the last size that made one, and the edits show it again.
    showCanvasSize();
    say(problem);
}

void PageSetupView::arrangeClicked(bool on) {
    const bool fits = takeCellSize() && document_.setArrangement(on);
    if (!fits)
        say(tr("Could not hold these images under current layer images size!"));
}

bool PageSetupView::takeCellSize() {
    return document_.setCellSize(NumberEdit::read(paper_.layerImagesWidthEdit).value_or(0),
                                 NumberEdit::read(paper_.layerImagesHeightEdit).value_or(0));
}

void PageSetupView::cellSizeTyped() {
    if (takeCellSize())
        return;
    // The photos keep their cells, and the edits the size they fit.
    NumberEdit::show(paper_.layerImagesWidthEdit, document_.arrangement().cellWidth, kLayerDigits);
    NumberEdit::show(paper_.layerImagesHeightEdit, document_.arrangement().cellHeight,
                     kLayerDigits);
    say(tr("Could not hold these images under current layer images size!"));
}

void PageSetupView::positionTyped() {
    const auto left = NumberEdit::read(photo_.leftEdit);
    const auto top = NumberEdit::read(photo_.topEdit);
    // Clearing an edit to type anew moves nothing.
    if (!left || !top || !document_.moveSelectedTo(*left, *top))
        return;
    showSelected();
}

void PageSetupView::sizeTyped(bool byHeight) {
    const auto width = NumberEdit::read(photo_.layerWidthEdit);
    const auto height = NumberEdit::read(photo_.layerHeightEdit);
    // The side typed into leads when the proportions are kept.
    using Proportions = PageDocument::Proportions;
    const Proportions proportions = !photo_.constrainCheck->isChecked() ? Proportions::Free
                                    : byHeight                          ? Proportions::HeightLeads
                                                                        : Proportions::WidthLeads;
    if (!width || !height || !document_.resizeSelectedTo(*width, *height, proportions))
        return;
    showSelected();
}

// The canvas draws the selected layer where it now is and shows its numbers, except in the
// edit being typed in.
void PageSetupView::showSelected() {
    if (document_.selection().selected() == nullptr)
        return;
    canvas_.refresh();
    canvas_.showLayer(LayoutCanvas::Shown::InPlace);
}

// Two page-pixel values in the unit, by `convert` (a place truncates, a size rounds); `whole`
// snaps millimetres to whole ones.
std::pair<double, double> PageSetupView::inUnit(double (*convert)(int, double), int a, int b,
                                                bool whole) const {
    const ProjectState& project = document_.project();
    const auto shown = [&](int value) {
        const double v = convert(value, project.canvasUnitFactor());
        return whole ? UnitValues::snapToWhole(v, project.unitFactor) : v;
    };
    return {shown(a), shown(b)};
}

void PageSetupView::showPosition(int x, int y, bool whole) {
    const auto [left, top] = inUnit(UnitValues::position, x, y, whole);
    NumberEdit::show(photo_.leftEdit, float(left), kLayerDigits);
    NumberEdit::show(photo_.topEdit, float(top), kLayerDigits);
}

void PageSetupView::showSize(int width, int height, bool whole) {
    const auto [w, h] = inUnit(UnitValues::size, width, height, whole);
    const LayerRecord* selected = document_.selection().selected();
    if (selected != nullptr && !selected->isPhoto()) {
        // A caption's box is its background; its text grows with the box's height.
        NumberEdit::show(photo_.backgroundWidthEdit, float(w), kLayerDigits);
        NumberEdit::show(photo_.backgroundHeightEdit, float(h), kLayerDigits);
        // Against the height it was rendered at: once the mouse is let go the box already
        // has its new height, and the picture not yet.
        const QString size = QString::number(
            CaptionText::scaledFontSize(selected->fontSize, height, selected->bitmapHeight));
        if (selected->bitmapHeight > 0 && photo_.fontSizeCombo->currentText() != size)
            photo_.fontSizeCombo->setEditText(size);
        return;
    }
    NumberEdit::show(photo_.layerWidthEdit, float(w), kLayerDigits);
    NumberEdit::show(photo_.layerHeightEdit, float(h), kLayerDigits);
}

void PageSetupView::say(const QString& why) {
    prompts_.message(why);
}

} // namespace editor

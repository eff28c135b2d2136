#include "editor/ui/CaptionView.h"

#include "editor/model/CaptionText.h"
#include "editor/model/PageDocument.h"
#include "editor/model/UnitValues.h"
#include "editor/ui/LayoutCanvas.h"
#include "editor/ui/NumberEdit.h"
#include "editor/ui/PhotoPage.h"
#include "shared/DibConversion.h"
#include "shared/Prompts.h"

#include <QFontDatabase>
#include <QScopedValueRollback>
#include <utility>

namespace editor {

CaptionView::CaptionView(PageDocument& document, PhotoPage& page, LayoutCanvas& canvas,
                         quillax::Prompts& prompts, QObject* parent)
    : QObject(parent), document_(document), page_(page), canvas_(canvas), prompts_(prompts) {
    fillFontsAndDefaults();
    showSwatches();
    connectControls();
    // The caption is drawn where its new picture puts it; its numbers follow, except in the
    // edit being typed in.
    connect(&document_, &PageDocument::captionRendered, this, [this] {
        canvas_.refresh();
        canvas_.showLayer(LayoutCanvas::Shown::InPlace);
    });
    // A caption resized with the mouse is rendered again at the font size the box gave it.
    connect(&canvas_, &LayoutCanvas::resizeFinished, this, [this] {
        const LayerRecord* selected = document_.selection().selected();
        if (selected != nullptr && !selected->isPhoto())
            render();
    });
}

void CaptionView::fillFontsAndDefaults() {
    QStringList fonts;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            fonts.append(family);
    fonts.sort(Qt::CaseInsensitive);
    page_.fontCombo->addItems(fonts);
    page_.fontCombo->setEditText("Arial");
    page_.fontSizeCombo->setCurrentIndex(-1);
    page_.fontSizeCombo->setEditText("36");
    page_.horizontalRadio->setChecked(true);
}

void CaptionView::connectControls() {
    auto renderNow = [this] {
        if (!filling_)
            render();
    };
    // Only what the user does renders: the size the mouse gives a caption while it is being
    // resized is shown in the size box first, and rendered when the button is let go.
    connect(page_.textEdit, &QLineEdit::textEdited, this, renderNow);
    for (QComboBox* combo : {page_.fontSizeCombo, page_.fontCombo}) {
        connect(combo, &QComboBox::activated, this, renderNow);
        if (combo->lineEdit() != nullptr)
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, renderNow);
    }
    for (QAbstractButton* style : {static_cast<QAbstractButton*>(page_.boldButton),
                                   static_cast<QAbstractButton*>(page_.italicButton),
                                   static_cast<QAbstractButton*>(page_.underlineButton)})
        connect(style, &QAbstractButton::clicked, this, renderNow);
    for (QAbstractButton* direction : {static_cast<QAbstractButton*>(page_.horizontalRadio),
                                       static_cast<QAbstractButton*>(page_.verticalRadio)}) {
        connect(direction, &QAbstractButton::clicked, this, [this] {
            turnBackgroundAlongText();
            render();
        });
    }
    connect(page_.opaqueCheck, &QCheckBox::clicked, this, [this](bool opaque) {
        if (opaque)
            turnBackgroundAlongText();
        page_.backgroundGroup->setVisible(opaque);
        render();
    });
    for (QLineEdit* size : {page_.backgroundWidthEdit, page_.backgroundHeightEdit}) {
        connect(size, &QLineEdit::textEdited, this, [this, size](const QString& text) {
            const NumberEdit::Typing typing(size);
            if (!text.isEmpty())
                render();
        });
    }
    connect(page_.textColourButton, &QAbstractButton::clicked, this,
            [this] { chooseColour(textColour_, true); });
    connect(page_.backgroundColourButton, &QAbstractButton::clicked, this,
            [this] { chooseColour(backgroundColour_, false); });
}

void CaptionView::addText() {
    const double width = document_.project().canvasWidth;
    page_.backgroundWidthEdit->setText(NumberEdit::text(width, 6));
    page_.backgroundHeightEdit->setText(
        NumberEdit::text(width * CaptionLayout::kNewStripHeight, 6));
    document_.addText();
}

CaptionSettings CaptionView::settings() const {
    CaptionSettings s;
    s.face = page_.fontCombo->currentText();
    s.text = page_.textEdit->text();
    // A size that is no number is 0: the face's own height, in a picture 12 high.
    s.size = page_.fontSizeCombo->currentText().trimmed().toInt();
    s.style.bold = page_.boldButton->isChecked();
    s.style.italic = page_.italicButton->isChecked();
    s.style.underline = page_.underlineButton->isChecked();
    s.style.vertical = page_.verticalRadio->isChecked();
    s.textColour = textColour_;
    s.opaque = page_.opaqueCheck->isChecked();
    s.backgroundColour = backgroundColour_;
    s.backgroundWidth = NumberEdit::read(page_.backgroundWidthEdit).value_or(0);
    s.backgroundHeight = NumberEdit::read(page_.backgroundHeightEdit).value_or(0);
    return s;
}

void CaptionView::render() {
    document_.renderCaption(settings());
}

void CaptionView::turnBackgroundAlongText() {
    if (!page_.opaqueCheck->isChecked())
        return;
    const CaptionLayout::Size before{NumberEdit::read(page_.backgroundWidthEdit).value_or(0),
                                     NumberEdit::read(page_.backgroundHeightEdit).value_or(0)};
    const CaptionLayout::Size after =
        CaptionLayout::backgroundAlongText(before, page_.verticalRadio->isChecked());
    if (after == before)
        return;
    page_.backgroundWidthEdit->setText(NumberEdit::text(after.width, 6));
    page_.backgroundHeightEdit->setText(NumberEdit::text(after.height, 6));
}

void CaptionView::chooseColour(imaging::ColorRef& colour, bool text) {
    const QColor chosen = prompts_.colour(quillax::toQColor(colour),
                                          text ? tr("Text colour") : tr("Background colour"));
    if (!chosen.isValid())
        return;
    colour = imaging::makeColorRef(uint8_t(chosen.red()), uint8_t(chosen.green()),
                                   uint8_t(chosen.blue()));
    showSwatches();
    render();
}

void CaptionView::showSwatches() {
    PhotoPage::showSwatch(page_.textColourButton, textColour_);
    PhotoPage::showSwatch(page_.backgroundColourButton, backgroundColour_);
}

void CaptionView::fill(const LayerRecord& caption) {
    const auto text = CaptionText::parse(caption.content);
    if (!text)
        return;
    const QScopedValueRollback<bool> quiet(filling_, true);
    PhotoPage& p = page_;
    p.fontCombo->setEditText(text->face);
    p.textEdit->setText(text->text);
    const TextStyle style = TextStyle::fromCode(caption.textStyle);
    p.boldButton->setChecked(style.bold);
    p.italicButton->setChecked(style.italic);
    p.underlineButton->setChecked(style.underline);
    (caption.textStyle % 10 == 0 ? p.horizontalRadio : p.verticalRadio)->setChecked(true);
    textColour_ = caption.color;
    p.fontSizeCombo->setEditText(QString::number(caption.fontSize));
    p.opaqueCheck->setChecked(!caption.backgroundHidden);
    if (!caption.backgroundHidden && !caption.bitmap.isEmpty()) {
        const imaging::RgbQuad corner =
            caption.bitmap.pixelColour(caption.bitmap.width() - 1, caption.bitmap.height() - 1);
        backgroundColour_ = imaging::makeColorRef(corner.red, corner.green, corner.blue);
        const ProjectState& project = document_.project();
        const double f = project.canvasUnitFactor();
        auto shown = [&](int pixels) {
            return float(UnitValues::snapToWhole(UnitValues::size(pixels, f), project.unitFactor));
        };
        p.backgroundWidthEdit->setText(NumberEdit::text(shown(caption.bitmapWidth), 6));
        p.backgroundHeightEdit->setText(NumberEdit::text(shown(caption.bitmapHeight), 6));
    }
    showSwatches();
}

} // namespace editor

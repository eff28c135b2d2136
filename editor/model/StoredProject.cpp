#include "editor/model/StoredProject.h"

#include "editor/model/CanvasFit.h"
#include "editor/model/CaptionText.h"
#include "editor/model/MissingPhoto.h"
#include "editor/model/PhotoImporter.h"
#include "editor/model/ProjectDisk.h"
#include "editor/model/UnitValues.h"

#include <algorithm>
#include <cstdlib>

namespace editor {

std::optional<StoredProject::Page>
StoredProject::pageOf(const ProjectPrefix& prefix, int paperRowCount, const PaperSize& paperSize) {
    Page page;
    PageSettings& p = page.settings;
    p.unitRow = std::clamp(prefix.unitRow, 0, 2);
    p.portrait = prefix.portrait;
    p.arrange = prefix.arrange;
    const double unitFactor = UnitValues::windowUnitFactor(p.unitRow);
    // The size of the listed paper the row names today, in the unit and turned as stored.
    bool listed = prefix.paperRow >= 0 && prefix.paperRow < paperRowCount - 1;
    if (listed) {
        const QSizeF mm = paperSize ? paperSize(prefix.paperRow) : QSizeF();
        p.canvasWidth = UnitValues::convert(mm.width(), UnitValues::kMillimetre, p.unitRow);
        p.canvasHeight = UnitValues::convert(mm.height(), UnitValues::kMillimetre, p.unitRow);
        if (!prefix.portrait)
            std::swap(p.canvasWidth, p.canvasHeight);
    }
    const bool storedSizeKnown = prefix.pageWidth > 0 && prefix.pageHeight > 0;
    if (listed && storedSizeKnown) {
        const int pixelsWide = CanvasFit::pageWidth(p.canvasWidth, unitFactor);
        const int pixelsHigh = CanvasFit::pageHeight(pixelsWide, p.canvasWidth, p.canvasHeight);
        page.ownPaper = std::abs(pixelsWide - prefix.pageWidth) > 1 ||
                        std::abs(pixelsHigh - prefix.pageHeight) > 1;
        listed = !page.ownPaper;
    }
    if (!listed) {
        // The user's own size comes back from its page pixels, to three decimals.
        p.canvasWidth = int(prefix.pageWidth * 1000.0 / unitFactor) * 0.001;
        p.canvasHeight = int(prefix.pageHeight * 1000.0 / unitFactor) * 0.001;
    }
    // A paper this machine does not list, or numbers beyond any page, make no page.
    if (CanvasFit::problemWith(p.canvasWidth, p.canvasHeight, unitFactor) != nullptr)
        return std::nullopt;
    p.paperRow = listed ? prefix.paperRow : paperRowCount - 1;
    return page;
}

namespace {

// A caption's settings as its stored layer has them, for drawing it again.
CaptionSettings captionOf(const ProjectSection& section, const LayerRecord& layer,
                          double unitFactor) {
    const auto text = CaptionText::parse(section.content);
    CaptionSettings caption;
    caption.face = text ? text->face : QString();
    caption.text = text ? text->text : section.content;
    caption.size = layer.fontSize;
    caption.style = TextStyle::fromCode(layer.textStyle);
    caption.style.vertical = section.direction == 1;
    caption.textColour = section.colour;
    caption.opaque = !section.backgroundHidden;
    caption.backgroundColour = section.background;
    caption.backgroundWidth = layer.region.width() / unitFactor;
    caption.backgroundHeight = layer.region.height() / unitFactor;
    return caption;
}

} // namespace

StoredProject::Layer StoredProject::layerOf(const ProjectSection& section, int id,
                                            const QString& folder, double unitFactor,
                                            const CaptionDrawer* drawer) {
    Layer read;
    LayerRecord& layer = read.record;
    layer.id = id;
    layer.backgroundHidden = section.backgroundHidden;
    layer.content = section.content;
    // Boxes are held to what a picture may be, whatever the numbers say.
    const int side = imaging::DibImage::kMaxSide;
    layer.x = std::clamp(section.x, -side, side);
    layer.y = std::clamp(section.y, -side, side);
    layer.region = {layer.x, layer.y, layer.x + std::clamp(section.width, 1, side),
                    layer.y + std::clamp(section.height, 1, side)};
    layer.hasRegion = true;
    layer.color = section.colour;
    layer.fontSize = section.fontSize;
    layer.textStyle = std::clamp(section.styleCode, 0, 9) * 10 + (section.direction == 1);
    if (section.photo) {
        // A photo whose file is gone keeps its layer, shown as such, and is saved back as it
        // was: a project is never shortened by a file that went missing.
        const auto full = ProjectDisk::photo(folder, section.content);
        read.missing = !full;
        // The list and the Source file field show the photo's file in the project.
        layer.sourcePath = folder + section.content;
        layer.setBitmap(full ? PhotoImporter::workingPicture(*full)
                             : MissingPhoto::picture(section.content, layer.region.width(),
                                                     layer.region.height()));
    } else if (drawer != nullptr) {
        const CaptionSettings caption = captionOf(section, layer, unitFactor);
        const CaptionLayout shape = CaptionLayout::of(caption, unitFactor);
        if (shape.fitsAPicture())
            layer.setBitmap(drawer->draw(caption, shape));
    }
    return read;
}

} // namespace editor

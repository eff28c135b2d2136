#pragma once
#include "editor/model/CaptionDrawer.h"
#include "editor/model/LayerRecord.h"
#include "editor/model/PageSettings.h"
#include "editor/model/ProjectFile.h"

#include <QSizeF>
#include <functional>
#include <optional>

namespace editor {

// How the lines of a project file become a page again: the page it was laid out on, and each
// of its layers.
class StoredProject {
  public:
    // The size in millimetres of paper row `row`: the printer's form, or the built-in paper.
    using PaperSize = std::function<QSizeF(int row)>;

    struct Page {
        PageSettings settings;
        // The row named a paper of another size in today's list: the page is a paper of its
        // own, of the stored size.
        bool ownPaper = false;
    };
    // The page of `prefix`. Its paper row counts in whichever list was in force when it was
    // saved; where today's paper of that row makes another page than the one stored, the page
    // is a user-defined paper of the stored size, so that the photos keep their places.
    // Nothing when neither makes a page.
    static std::optional<Page> pageOf(const ProjectPrefix& prefix, int paperRowCount,
                                      const PaperSize& paperSize);

    struct Layer {
        LayerRecord record;
        // A photo whose file could not be read: kept with its record, shown as missing.
        bool missing = false;
    };
    // Layer `id` as `section` describes it; photos are read from `folder`, captions drawn
    // again by `drawer` (left without a picture when there is none) at `unitFactor` page
    // pixels a unit.
    static Layer layerOf(const ProjectSection& section, int id, const QString& folder,
                         double unitFactor, const CaptionDrawer* drawer);
};

} // namespace editor

#include "editor/ui/PrintService.h"

#include "editor/model/PaperTable.h"

namespace editor {

QSizeF PrintService::paperSize(int paperIndex, int row) const {
    if (paperIndex >= 0 && hasDefaultPrinter())
        return formSize(row);
    return PaperTable::builtInSize(row);
}

} // namespace editor

#pragma once
#include "imaging/DibHeader.h"
#include "ui_PhotoPage.h"

#include <QStringList>
#include <QWidget>

namespace editor {

// The "Photo" tab: the layer list with the position of the selected layer, and the photo,
// caption and caption-background controls, of which the main window shows what fits the
// selected layer. The controls come from PhotoPage.ui; the window's code reaches them through
// the public Ui members.
class PhotoPage : public QWidget, public Ui::PhotoPage {
    Q_OBJECT
  public:
    explicit PhotoPage(QWidget* parent = nullptr);

    // Paints a 15 x 15 colour field in the swatch frame.
    static void showSwatch(QToolButton* field, imaging::ColorRef colour);
    static QStringList effectNames();
};

} // namespace editor

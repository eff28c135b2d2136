#pragma once
#include "editor/model/EffectCatalogue.h"
#include "imaging/EffectImage.h"
#include "imaging/PixelRect.h"

#include <QDialog>
#include <optional>

class QButtonGroup;

namespace editor {

class ClickablePicture;

// "Red Eyes Repair": a click in the navigator picks the area the detail window magnifies 3,
// 6, 9 or 12 times; each click on a red pupil there repairs the full-size photo at once and
// is kept, so that OK can apply the same repairs to the layer's file.
class RedEyeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RedEyeDialog(const imaging::DibImage& fullSize, QWidget* parent = nullptr);

    // The repaired points, x and y in turn, in the order clicked.
    const EffectValues& points() const { return points_; }
    const imaging::EffectImage& photo() const { return photo_; }
    ClickablePicture* navigator() const { return navigator_; }
    ClickablePicture* detail() const { return detail_; }
    QButtonGroup* zooms() const { return zooms_; }
    // The photo's area the detail window shows; none before the first.
    const std::optional<imaging::PixelRect>& detailArea() const { return detailArea_; }

  private:
    void showNavigator();
    void showDetail();
    void repairAt(QPoint detailClick);

    imaging::EffectImage photo_;
    QSize navigatorSize_;
    QPoint navigatorClick_{-1, -1};
    std::optional<imaging::PixelRect> detailArea_;
    EffectValues points_;
    ClickablePicture* navigator_;
    ClickablePicture* detail_;
    QButtonGroup* zooms_;
};

} // namespace editor

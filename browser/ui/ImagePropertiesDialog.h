#pragma once
#include "browser/model/ImageProperties.h"

#include <QDialog>

namespace browser {

// "Image Properties": the file's type, place, size, times and attributes, and the picture's
// colours and size. Only an OK button.
class ImagePropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    ImagePropertiesDialog(const QString& path, QWidget* parent = nullptr);
    const ImageProperties& shown() const { return properties_; }

  private:
    ImageProperties properties_;
};

} // namespace browser

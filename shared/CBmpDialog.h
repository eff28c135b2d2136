#pragma once
#include "shared/PicturePreview.h"
#include "shared/PreviewLoader.h"

#include <QFileDialog>

class QCheckBox;
class QLabel;

namespace quillax {

class PreviewArea;

// The dialog every picture is chosen with: Qt's own file dialog (the same on every desktop,
// and one we can extend) with a preview panel beside its list: the thumbnail of the selected
// file, its size, depth and file size, and "Show Preview", remembered for the program's run.
class CBmpDialog : public QFileDialog {
    Q_OBJECT
  public:
    explicit CBmpDialog(QWidget* parent = nullptr, const QString& caption = {},
                        PreviewLoader::Decoder decoder = {});
    ~CBmpDialog() override;

    // Program-wide: whether the panel shows anything, and the folder the last picture was
    // chosen in (the user's Pictures folder until one is).
    static bool previewShown();
    static void setPreviewShown(bool shown);
    static QString startFolder();

    // What the panel shows, for the tests.
    QStringList panelTexts() const;
    bool hasThumbnail() const;
    QCheckBox* showPreviewBox() const { return showPreview_; }

  public slots:
    void accept() override;

  private:
    void showPreviewOf(const QString& path);
    void previewSwitched(bool on);
    void emptyPanel();
    void setTexts(const PicturePreview::Texts& texts);
    QWidget* makePanel();

    PreviewLoader loader_;
    PreviewArea* area_ = nullptr;
    QLabel* width_ = nullptr;
    QLabel* height_ = nullptr;
    QLabel* colours_ = nullptr;
    QLabel* size_ = nullptr;
    QCheckBox* showPreview_ = nullptr;
};

} // namespace quillax

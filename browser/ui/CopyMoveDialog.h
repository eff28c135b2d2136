#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quillax {
class FileTransfer;
class Prompts;
} // namespace quillax

namespace browser {

// "Copy files" / "Move files": the photo's path, a destination folder typed or chosen with
// "Change Folder>>", and on OK the copy or the move into it under the same name.
class CopyMoveDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Copy, Move };

    CopyMoveDialog(Mode mode, const QString& source, quillax::Prompts& prompts,
                   quillax::FileTransfer& transfer, QWidget* parent = nullptr);

    QLineEdit* sourceEdit() const { return sourceEdit_; }
    QLineEdit* destinationEdit() const { return destinationEdit_; }
    QPushButton* changeFolderButton() const { return changeFolder_; }
    // After a move that worked, the list loses the photo.
    bool moved() const { return moved_; }

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The folder typed, made absolute: "~" is home, a relative path lies beside the photo.
    QString destinationFolder() const;
    bool destinationIsAFolder() const;
    // The message with the reason the transfer gave, on a line of its own.
    QString failure(const QString& message) const;
    void chooseFolder();
    void copy(const QString& target);
    void move(const QString& target);

    Mode mode_;
    QString source_;
    QString fileName_;
    quillax::Prompts& prompts_;
    quillax::FileTransfer& transfer_;
    QLineEdit* sourceEdit_;
    QLineEdit* destinationEdit_;
    QPushButton* changeFolder_;
    bool moved_ = false;
};

} // namespace browser

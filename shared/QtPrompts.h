#pragma once
#include "shared/Prompts.h"

#include <QPointer>

namespace quillax {

// Real dialogs, parented to the window that asks.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& title = {}) override;
    bool askYesNo(const QString& text, const QString& title = {}) override;
    Answer askYesNoCancel(const QString& text, const QString& title = {}) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString openPicture(const QString& caption) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter,
                     const QString& defaultSuffix,
                     Overwrite overwrite = Overwrite::ChooserAsks) override;
    QString folder(const QString& caption, const QString& start) override;
    QColor colour(const QColor& initial, const QString& title = {}) override;
    int runDialog(QDialog& dialog) override;
    QWidget* parentWindow() const override { return parent_; }
    void setParentWindow(QWidget* parent) override { parent_ = parent; }

  private:
    QString titleOr(const QString& title) const;
    QPointer<QWidget> parent_;
};

} // namespace quillax

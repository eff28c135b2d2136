#pragma once
#include "ui_PaperPage.h"

#include <QWidget>

namespace editor {

// The "Paper" tab: paper, canvas size, unit, automatic arrangement and direction. The controls
// come from PaperPage.ui; the window's code reaches them through the public Ui members.
class PaperPage : public QWidget, public Ui::PaperPage {
    Q_OBJECT
  public:
    explicit PaperPage(QWidget* parent = nullptr);
};

} // namespace editor

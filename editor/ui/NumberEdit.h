#pragma once
#include <QLineEdit>

namespace editor {

// A short edit for a number of the page's unit, named for the window's code and its tests.
inline QLineEdit* numberEdit(const char* name, QWidget* parent, int maximumWidth = 90) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(maximumWidth);
    return edit;
}

} // namespace editor

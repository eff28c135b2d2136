#pragma once
#include <QLineEdit>
#include <QString>
#include <optional>

namespace editor {

// The numeric edits of the Paper and Photo pages: numbers written the way the editor always
// has, read back in the C locale whatever the desktop's language.
class NumberEdit {
  public:
    static QString text(double value, int digits) { return QString::number(value, 'g', digits); }

    // Shows a value, except in the edit the user is typing in: rewriting it there would take
    // back a decimal point or a digit just typed.
    static void show(QLineEdit* edit, double value, int digits) {
        if (!edit->hasFocus())
            edit->setText(text(value, digits));
    }

    // The number in the edit; nothing while it is empty or no number.
    static std::optional<double> read(const QLineEdit* edit) {
        bool ok = false;
        const double value = edit->text().trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        return value;
    }
};

} // namespace editor

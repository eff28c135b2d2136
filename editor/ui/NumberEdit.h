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

    // Marks the edit whose typing is being handled, for as long as it is.
    class Typing {
      public:
        explicit Typing(const QLineEdit* edit) : previous_(current()) { current() = edit; }
        ~Typing() { current() = previous_; }
        Typing(const Typing&) = delete;
        Typing& operator=(const Typing&) = delete;
        static const QLineEdit*& current() {
            static const QLineEdit* edit = nullptr;
            return edit;
        }

      private:
        const QLineEdit* previous_;
    };

    // Shows a value, except in the edit whose typing is being handled: rewriting it there
    // would take back a decimal point or a digit just typed.
    static void show(QLineEdit* edit, double value, int digits) {
        if (edit != Typing::current())
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

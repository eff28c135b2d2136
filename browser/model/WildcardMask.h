#pragma once
#include <QList>
#include <QString>
#include <string>
#include <string_view>

namespace browser {

// A file-name pattern as the search box takes it: `*` stands for any run of characters, `?`
// for exactly one, and letters match in either case. Names come as the file system stores
// them (UTF-8 bytes), so a tree of a hundred thousand files is matched without making a
// string of each name.
class WildcardMask {
  public:
    explicit WildcardMask(const QString& pattern = QStringLiteral("*"));

    // The mask a search uses for what the user typed: anything containing it.
    static WildcardMask containing(const QString& fragment);

    bool matches(std::string_view name) const;
    const QString& pattern() const { return pattern_; }

  private:
    QString pattern_;
    std::string asciiPattern_; // lowered; empty when the pattern has other characters
    bool ascii_ = true;
    QList<uint> folded_; // case-folded characters, for the other patterns
};

} // namespace browser

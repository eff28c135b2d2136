#include "editor/model/PaperTable.h"

namespace editor {

const std::array<Paper, 14>& PaperTable::builtIn() {
    static const std::array<Paper, 14> papers{{
        {"Letter", 1, 215.9, 279.4},
        {"Legal", 5, 215.9, 355.6},
        {"Statement", 6, 139.7, 215.9},
        {"Executive", 7, 184.1, 266.7},
        {"A3", 8, 297.0, 420.0},
        {"A4", 9, 210.0, 297.0},
        {"A5", 11, 148.0, 210.0},
        {"B4", 12, 250.0, 354.0},
        {"B5", 13, 182.0, 257.0},
        {"Folio", 14, 215.9, 330.2},
        {"Quarto", 15, 215.0, 275.0},
        {"Note", 18, 215.9, 279.4},
        {"German Std Fanfold", 40, 215.9, 304.8},
        {"German Legal Fanfold", 41, 215.9, 330.2},
    }};
    return papers;
}

PaperChoice PaperTable::choose(bool hasPrinter, int platformKind, const QStringList& forms,
                               int defaultForm) {
    PaperChoice choice;
    if (hasPrinter && platformKind != 2) {
        choice.paperIndex = defaultForm;
        if (choice.paperIndex < 0) {
            // No default paper given: the last short "A4" entry, as the forms are searched.
            for (int i = 0; i < forms.size(); ++i) {
                if (forms[i].contains("A4") && forms[i].size() < 4)
                    choice.paperIndex = i;
            }
        }
        if (choice.paperIndex >= 0) {
            choice.names = forms;
            choice.names.append(userDefinedName());
            choice.shownRow = choice.paperIndex;
            return choice;
        }
    } else if (hasPrinter) {
        choice.paperIndex = kDefaultRow;
    }
    for (const Paper& paper : builtIn())
        choice.names.append(QString::fromLatin1(paper.name));
    choice.names.append(userDefinedName());
    choice.shownRow = kDefaultRow;
    return choice;
}

QSizeF PaperTable::builtInSize(int row) {
    const auto& papers = builtIn();
    if (row < 0 || row >= int(papers.size()))
        return {};
    return {papers[size_t(row)].widthMm, papers[size_t(row)].heightMm};
}

} // namespace editor

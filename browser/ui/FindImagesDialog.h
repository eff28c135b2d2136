#pragma once
#include "browser/model/FoundImage.h"
#include "browser/model/ImageSearch.h"
#include "browser/model/SearchForm.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace quillax {
class Launcher;
class Prompts;
} // namespace quillax

namespace browser {

// "Find Images": a folder, a name fragment and optional tests on size, date, pixel size and
// colour depth; the search runs on its own thread and its results stream into the list while
// the dialog keeps answering. "View result" hands the files found to the thumbnail list.
class FindImagesDialog : public QDialog {
    Q_OBJECT
  public:
    FindImagesDialog(const SearchForm& form, quillax::Prompts& prompts, quillax::Launcher& launcher,
                     QWidget* parent = nullptr);

    // The fields as they stand, for the next search of the run.
    SearchForm form() const;
    // The files of the rows in the list's order, spelled as on disk, when "View result"
    // closed the dialog; empty otherwise.
    const QStringList& viewedResults() const { return viewed_; }
    bool isSearching() const { return search_.isRunning(); }

    // Closing in any way stops a running search; only "View result" hands anything over.
    void done(int result) override;

  private:
    void buildControls();
    void layOut();
    void showForm(const SearchForm& form);
    void enableCriteria();
    void chooseFolder();
    void searchOrCancel();
    void addRows(const QList<FoundImage>& images);
    void searchEnded();
    void sortBy(int column);
    void openRow(int row);
    void viewResult();

    quillax::Prompts& prompts_;
    quillax::Launcher& launcher_;
    ImageSearch search_;
    QStringList viewed_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;

    QLineEdit* lookIn_;
    QPushButton* change_;
    QLineEdit* named_;
    QCheckBox* recurse_;
    QCheckBox* hiddenFolders_;
    QCheckBox* bySize_;
    QSpinBox* minSize_;
    QSpinBox* maxSize_;
    QCheckBox* byDate_;
    QDateEdit* from_;
    QDateEdit* to_;
    QCheckBox* byDimensions_;
    QComboBox* widthCompare_;
    QSpinBox* width_;
    QComboBox* heightCompare_;
    QSpinBox* height_;
    QCheckBox* byColours_;
    QComboBox* colourCompare_;
    QComboBox* depth_;
    QPushButton* searchButton_;
    QPushButton* viewResult_;
    QLabel* status_;
    QTreeWidget* results_;
};

} // namespace browser

#include "browser/ui/FindImagesDialog.h"

#include "shared/Launcher.h"
#include "shared/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QUrl>
#include <limits>

namespace browser {

namespace {

enum Column { NameColumn, FolderColumn, SizeColumn, ModifiedColumn };
constexpr int kPathRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// Sizes and times sort by their values, not by their texts ("9 KB" after "10 KB").
class ResultItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == SizeColumn || column == ModifiedColumn)
            return data(column, kSortRole).toLongLong() <
                   other.data(column, kSortRole).toLongLong();
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

QComboBox* comparisonCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItems({">", "<", "="});
    return combo;
}

QSpinBox* numberBox(int maximum, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(0, maximum);
    return box;
}

QDateEdit* dateBox(QWidget* parent) {
    auto* box = new QDateEdit(parent);
    box->setCalendarPopup(true);
    box->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return box;
}

} // namespace

FindImagesDialog::FindImagesDialog(const SearchForm& form, quillax::Prompts& prompts,
                                   quillax::Launcher& launcher, QWidget* parent)
    : QDialog(parent), prompts_(prompts), launcher_(launcher) {
    setObjectName("FindImages");
    setWindowTitle(tr("Find Images"));
    buildControls();
    layOut();
    showForm(form);
    enableCriteria();
    connect(&search_, &ImageSearch::imagesFound, this, &FindImagesDialog::addRows);
    connect(&search_, &ImageSearch::progress, this, [this](int count, const QString& folder) {
        status_->setText(QString("(%1) - %2").arg(count).arg(folder));
    });
    connect(&search_, &ImageSearch::finished, this, &FindImagesDialog::searchEnded);
}

void FindImagesDialog::buildControls() {
    lookIn_ = new QLineEdit(this);
    lookIn_->setObjectName("lookIn");
    change_ = new QPushButton(tr("Change..."), this);
    change_->setObjectName("change");
    change_->setAutoDefault(false);
    named_ = new QLineEdit(this);
    named_->setObjectName("named");
    recurse_ = new QCheckBox(tr("Search in subdirectories"), this);
    recurse_->setObjectName("recurse");
    hiddenFolders_ = new QCheckBox(tr("Search hidden folders"), this);
    hiddenFolders_->setObjectName("hiddenFolders");
    bySize_ = new QCheckBox(tr("Size between (in KB)..."), this);
    bySize_->setObjectName("bySize");
    minSize_ = numberBox(std::numeric_limits<int>::max(), this);
    minSize_->setObjectName("minSize");
    maxSize_ = numberBox(std::numeric_limits<int>::max(), this);
    maxSize_->setObjectName("maxSize");
    byDate_ = new QCheckBox(tr("Date between ..."), this);
    byDate_->setObjectName("byDate");
    from_ = dateBox(this);
    from_->setObjectName("from");
    to_ = dateBox(this);
    to_->setObjectName("to");
    byDimensions_ = new QCheckBox(tr("Dimension (in pixels).."), this);
    byDimensions_->setObjectName("byDimensions");
    widthCompare_ = comparisonCombo(this);
    widthCompare_->setObjectName("widthCompare");
    width_ = numberBox(1000000, this);
    width_->setObjectName("width");
    heightCompare_ = comparisonCombo(this);
    heightCompare_->setObjectName("heightCompare");
    height_ = numberBox(1000000, this);
    height_->setObjectName("height");
    byColours_ = new QCheckBox(tr("Color range ..."), this);
    byColours_->setObjectName("byColours");
    colourCompare_ = comparisonCombo(this);
    colourCompare_->setObjectName("colourCompare");
    depth_ = new QComboBox(this);
    depth_->setObjectName("depth");
    depth_->addItems({tr("monochromatic"), "16", "256", tr("16 bit"), tr("24 bit")});

    searchButton_ = new QPushButton(tr("Search"), this);
    searchButton_->setObjectName("search");
    searchButton_->setDefault(true); // Enter starts the search from any field
    viewResult_ = new QPushButton(tr("View result"), this);
    viewResult_->setObjectName("viewResult");
    viewResult_->setAutoDefault(false);
    viewResult_->hide();
    status_ = new QLabel(tr("0 items found"), this);
    status_->setObjectName("status");
    // A deep folder must not widen the dialog.
    status_->setMinimumWidth(1);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    results_ = new QTreeWidget(this);
    results_->setObjectName("results");
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setHeaderLabels({tr("Name"), tr("In Folder"), tr("Size"), tr("Modified")});
    const int widths[] = {150, 200, 60, 120};
    for (int column = 0; column < 4; ++column)
        results_->setColumnWidth(column, widths[column]);
    // Sorting is ours, not the list's: rows come in the order found until a heading is
    // clicked, and later batches join the order chosen.
    results_->header()->setSectionsClickable(true);
    results_->header()->setSortIndicatorShown(false);

    connect(change_, &QPushButton::clicked, this, &FindImagesDialog::chooseFolder);
    connect(searchButton_, &QPushButton::clicked, this, &FindImagesDialog::searchOrCancel);
    connect(viewResult_, &QPushButton::clicked, this, &FindImagesDialog::viewResult);
    connect(results_->header(), &QHeaderView::sectionClicked, this, &FindImagesDialog::sortBy);
    connect(results_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { openRow(results_->indexOfTopLevelItem(item)); });
    for (QCheckBox* check : {bySize_, byDate_, byDimensions_, byColours_})
        connect(check, &QCheckBox::toggled, this, &FindImagesDialog::enableCriteria);
}

void FindImagesDialog::layOut() {
    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(new QLabel(tr("Look in:"), this), row, 0);
    grid->addWidget(lookIn_, row, 1, 1, 4);
    grid->addWidget(change_, row++, 5);
    grid->addWidget(new QLabel(tr("Files named:"), this), row, 0);
    grid->addWidget(named_, row++, 1, 1, 4);
    grid->addWidget(recurse_, row, 0, 1, 2);
    grid->addWidget(hiddenFolders_, row++, 2, 1, 3);
    grid->addWidget(bySize_, row, 0);
    grid->addWidget(minSize_, row, 1);
    grid->addWidget(new QLabel(tr("and"), this), row, 2, Qt::AlignCenter);
    grid->addWidget(maxSize_, row++, 3);
    grid->addWidget(byDate_, row, 0);
    grid->addWidget(from_, row, 1);
    grid->addWidget(new QLabel(tr("and"), this), row, 2, Qt::AlignCenter);
    grid->addWidget(to_, row++, 3);
    grid->addWidget(byDimensions_, row, 0);
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(new QLabel(tr("Width"), this));
    sizes->addWidget(widthCompare_);
    sizes->addWidget(width_);
    sizes->addSpacing(12);
    sizes->addWidget(new QLabel(tr("Height"), this));
    sizes->addWidget(heightCompare_);
    sizes->addWidget(height_);
    sizes->addStretch();
    grid->addLayout(sizes, row++, 1, 1, 4);
    grid->addWidget(byColours_, row, 0);
    auto* colours = new QHBoxLayout;
    colours->addWidget(colourCompare_);
    colours->addWidget(depth_);
    colours->addStretch();
    grid->addLayout(colours, row++, 1, 1, 4);
    grid->setColumnStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(searchButton_);
    buttons->addWidget(viewResult_);
    buttons->addWidget(status_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(results_, 1);
    resize(620, 480);
    // The size it opens at is the smallest it goes.
    setMinimumSize(sizeHint().expandedTo(QSize(560, 420)));
}

void FindImagesDialog::showForm(const SearchForm& form) {
    lookIn_->setText(form.lookIn);
    named_->setText(form.named);
    recurse_->setChecked(form.recurse);
    hiddenFolders_->setChecked(form.hiddenFolders);
    bySize_->setChecked(form.bySize);
    minSize_->setValue(form.minKilobytes);
    maxSize_->setValue(form.maxKilobytes);
    byDate_->setChecked(form.byDate);
    from_->setDate(form.from.isValid() ? form.from : QDate::currentDate());
    to_->setDate(form.to.isValid() ? form.to : QDate::currentDate());
    byDimensions_->setChecked(form.byDimensions);
    widthCompare_->setCurrentIndex(form.widthCompare);
    width_->setValue(form.width);
    heightCompare_->setCurrentIndex(form.heightCompare);
    height_->setValue(form.height);
    byColours_->setChecked(form.byColours);
    colourCompare_->setCurrentIndex(form.colourCompare);
    depth_->setCurrentIndex(form.depth);
}

SearchForm FindImagesDialog::form() const {
    SearchForm form;
    form.lookIn = lookIn_->text();
    form.named = named_->text();
    form.recurse = recurse_->isChecked();
    form.hiddenFolders = hiddenFolders_->isChecked();
    form.bySize = bySize_->isChecked();
    form.minKilobytes = minSize_->value();
    form.maxKilobytes = maxSize_->value();
    form.byDate = byDate_->isChecked();
    form.from = from_->date();
    form.to = to_->date();
    form.byDimensions = byDimensions_->isChecked();
    form.widthCompare = widthCompare_->currentIndex();
    form.width = width_->value();
    form.heightCompare = heightCompare_->currentIndex();
    form.height = height_->value();
    form.byColours = byColours_->isChecked();
    form.colourCompare = colourCompare_->currentIndex();
    form.depth = depth_->currentIndex();
    return form;
}

void FindImagesDialog::enableCriteria() {
    const auto enable = [](const QList<QWidget*>& controls, bool on) {
        for (QWidget* control : controls)
            control->setEnabled(on);
    };
    enable({minSize_, maxSize_}, bySize_->isChecked());
    enable({from_, to_}, byDate_->isChecked());
    enable({widthCompare_, width_, heightCompare_, height_}, byDimensions_->isChecked());
    enable({colourCompare_, depth_}, byColours_->isChecked());
}

// A cancelled chooser keeps what the field held.
void FindImagesDialog::chooseFolder() {
    const QString folder = prompts_.folder(tr("Select a directory..."), lookIn_->text());
    if (!folder.isEmpty())
        lookIn_->setText(folder);
}

void FindImagesDialog::searchOrCancel() {
    if (search_.isRunning()) {
        search_.cancel();
        return;
    }
    const SearchForm now = form();
    if (const QString problem = now.problem(); !problem.isEmpty()) {
        prompts_.message(problem);
        lookIn_->setFocus();
        return;
    }
    results_->clear();
    status_->setText(tr("0 items found"));
    searchButton_->setText(tr("Cancel"));
    viewResult_->hide();
    search_.start(now.criteria());
}

void FindImagesDialog::addRows(const QList<FoundImage>& images) {
    const QIcon icon = QIcon::fromTheme("image-x-generic", windowIcon());
    QList<QTreeWidgetItem*> rows;
    rows.reserve(images.size());
    for (const FoundImage& image : images) {
        auto* row = new ResultItem(
            QStringList{image.name(), image.folder(), image.sizeText(), image.modifiedText()});
        row->setIcon(NameColumn, icon);
        row->setData(NameColumn, kPathRole, image.path);
        row->setData(SizeColumn, kSortRole, image.size);
        row->setData(ModifiedColumn, kSortRole, image.modified);
        rows.append(row);
    }
    results_->addTopLevelItems(rows);
    if (sortColumn_ >= 0)
        results_->sortItems(sortColumn_, sortOrder_);
}

void FindImagesDialog::searchEnded() {
    searchButton_->setText(tr("Search"));
    const int count = results_->topLevelItemCount();
    viewResult_->setVisible(count > 0);
    status_->setText(tr("%1 items found").arg(count));
}

// A click on a heading sorts by it; a second click turns the order round.
void FindImagesDialog::sortBy(int column) {
    sortOrder_ = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                           : Qt::AscendingOrder;
    sortColumn_ = column;
    results_->header()->setSortIndicatorShown(true);
    results_->header()->setSortIndicator(column, sortOrder_);
    results_->sortItems(column, sortOrder_);
}

void FindImagesDialog::openRow(int row) {
    const QTreeWidgetItem* item = results_->topLevelItem(row);
    if (item == nullptr)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    launcher_.openDocument(QUrl::fromLocalFile(item->data(NameColumn, kPathRole).toString()));
    QGuiApplication::restoreOverrideCursor();
}

void FindImagesDialog::viewResult() {
    QStringList paths;
    for (int row = 0; row < results_->topLevelItemCount(); ++row)
        paths.append(results_->topLevelItem(row)->data(NameColumn, kPathRole).toString());
    viewed_ = paths;
    accept();
}

void FindImagesDialog::done(int result) {
    search_.cancel();
    if (result != Accepted)
        viewed_.clear();
    QDialog::done(result);
}

} // namespace browser

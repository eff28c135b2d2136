// Printing an A4 page of ten 24-megapixel photos: composed from their full-size files, fitted
// to the printable width at 600 dpi and sent to Qt's PDF printer; beside decoding the ten
// JPEGs once, which any program showing them must do.
#include "bench/OffscreenMain.h"
#include "bench/PhotoFolder.h"
#include "editor/model/PageComposer.h"
#include "editor/model/PageDocument.h"
#include "editor/ui/PagePrinter.h"
#include "editor/ui/PrintCommands.h"
#include "editor/ui/QtPrintService.h"
#include "shared/ImageFile.h"
#include "shared/Prompts.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

class SilentPrompts : public quillax::Prompts {
  public:
    void message(const QString& text, const QString&) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString openPicture(const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&,
                     Overwrite) override {
        return {};
    }
    QString folder(const QString&, const QString&) override { return {}; }
    QColor colour(const QColor&, const QString&) override { return {}; }
    int runDialog(QDialog&) override { return 0; }
};

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// Ten different 6000 x 4000 JPEGs at quality 90.
const QStringList& photos() {
    static QStringList paths;
    for (int i = int(paths.size()); i < 10; ++i) {
        paths.append(folder().path() + QString("/photo%1.jpg").arg(i));
        bench::photoLike(6000, 4000, unsigned(i + 1)).save(paths.last(), "jpeg", 90);
    }
    return paths;
}

void BM_DecodeTenPhotos(benchmark::State& state) {
    for (auto _ : state)
        for (const QString& path : photos())
            benchmark::DoNotOptimize(quillax::ImageFile::decode(path, quillax::kJpeg));
}
BENCHMARK(BM_DecodeTenPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

// The ten photos in two columns of five 100 x 55 mm cells on A4.
editor::PageDocument& page() {
    static editor::PageDocument document;
    if (document.stack().isEmpty()) {
        document.project().projectFolder = folder().path() + "/";
        document.addPhotos(photos());
        document.arrangement().cellWidth = 100;
        document.arrangement().cellHeight = 55;
        document.setArrangement(true);
    }
    return document;
}

// The part of printing that reads the full-size files.
void BM_ComposeA4PageOfTenPhotos(benchmark::State& state) {
    const editor::ProjectState& project = page().project();
    for (auto _ : state)
        benchmark::DoNotOptimize(editor::PageComposer::compose(
            page().stack(), project.pageWidth, project.pageHeight, true, project.projectFolder));
}
BENCHMARK(BM_ComposeA4PageOfTenPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintA4PageOfTenPhotos(benchmark::State& state) {
    editor::PageDocument& document = page();
    editor::QtPrintService service(folder().path() + "/page.pdf");
    SilentPrompts prompts;
    editor::PagePrinter hooks(document, service, prompts);
    for (auto _ : state) {
        QPrinter& printer = service.printer();
        QPainter painter(&printer);
        if (!editor::PrintCommands::printPages(printer, painter, hooks))
            state.SkipWithError("the page was not printed");
        hooks.endPrinting(&painter, nullptr);
    }
}
BENCHMARK(BM_PrintA4PageOfTenPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}

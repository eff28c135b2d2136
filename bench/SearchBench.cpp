// The image search over a large tree, run as the dialog runs it, for the side-by-side script:
//   search_bench --make TREE FILES          a tree of FILES files, a thousand to a folder
//   search_bench --make-pictures DIR COUNT  COUNT small pictures 900 to 1100 pixels wide
//   search_bench TREE FRAGMENT MIN_KB       by name and size ("*FRAGMENT*", at least MIN_KB)
//   search_bench --wider TREE WIDTH         by width ("> WIDTH")
// It prints what it found, and the rate over every file of the tree. FILES=N in the
// environment gives the tree's size, so that a timing of the whole process is of the search
// alone.
#include "browser/model/ImageSearch.h"
#include "browser/model/SearchForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Names like a camera's and a few documents between them; sizes of whole KB, 0 to 49, kept
// sparse so that a hundred thousand files cost no disk.
int makeTree(const QString& root, int files) {
    for (int i = 0; i < files; ++i) {
        const QString folder = QString("%1/%2/%3").arg(root).arg(i / 10000).arg(i / 1000 % 10);
        if (i % 1000 == 0 && !QDir().mkpath(folder))
            return 1;
        const QString name = i % 10 == 9 ? QString("notes_%1.txt").arg(i)
                                         : QString("IMG_%1.JPG").arg(i, 6, 10, QChar('0'));
        const int fd = ::open(QFile::encodeName(folder + "/" + name).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::ftruncate(fd, off_t(i % 50) * 1024) != 0)
            return 1;
        ::close(fd);
    }
    return 0;
}

int makePictures(const QString& folder, int count) {
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QImage picture(900 + (i * 37) % 201, 600, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 7 % 360, 160, 200));
        if (!picture.save(QString("%1/pic_%2.%3").arg(folder).arg(i).arg(i % 2 ? "png" : "jpg")))
            return 1;
    }
    return 0;
}

int countFiles(const QString& root) {
    browser::SearchForm all = browser::SearchForm::startingAt(root);
    all.named.clear();
    browser::SearchCriteria criteria = all.criteria();
    int files = 0;
    std::atomic<bool> stop{false};
    browser::FileFinder(criteria.finder, stop).run({{}, [&](browser::FinderFile&&) { ++files; }});
    return files;
}

int search(const browser::SearchForm& form) {
    const int files = qEnvironmentVariableIsSet("FILES") ? qEnvironmentVariableIntValue("FILES")
                                                         : countFiles(form.lookIn);
    std::atomic<bool> stop{false};
    int found = 0;
    QElapsedTimer clock;
    clock.start();
    browser::ImageSearch::searchTree(form.criteria(), stop,
                                     {{}, [&](browser::FoundImage&&) { ++found; }});
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("found %d of %d files in %.3f s: %.0f files/s\n", found, files, seconds,
                files / seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == "--make")
        return makeTree(args[1], args[2].toInt());
    if (args.size() == 3 && args[0] == "--make-pictures")
        return makePictures(args[1], args[2].toInt());
    browser::SearchForm form = browser::SearchForm::startingAt(args.value(1));
    if (args.size() == 3 && args[0] == "--wider") {
        form.named.clear();
        form.byDimensions = true;
        form.width = args[2].toInt();
        return search(form);
    }
    if (args.size() == 3) {
        form.lookIn = args[0];
        form.named = args[1];
        form.bySize = true;
        form.minKilobytes = args[2].toInt();
        form.maxKilobytes = std::numeric_limits<int>::max();
        return search(form);
    }
    std::fprintf(stderr, "usage: search_bench --make TREE FILES | --make-pictures DIR COUNT |"
                         " TREE FRAGMENT MIN_KB | --wider TREE WIDTH\n");
    return 2;
}

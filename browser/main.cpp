#include "browser/model/ThumbnailCache.h"
#include "browser/model/ThumbnailMaker.h"
#include "browser/model/ThumbnailWorker.h"
#include "browser/ui/CMainFrame.h"
#include "browser/ui/CVistaRamblerView.h"
#include "browser/ui/FolderTree.h"
#include "shared/Launcher.h"
#include "shared/QtPrompts.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VistaRambler");
    QApplication::setOrganizationName("Quillax");
    // The desktop groups the windows under the menu entry, with its icon.
    QGuiApplication::setDesktopFileName("quillax-vistarambler");

    quillax::QtPrompts prompts;
    quillax::DesktopLauncher launcher;
    browser::CMainFrame frame({prompts, launcher});
    prompts.setParent(&frame);
    QApplication::setWindowIcon(frame.windowIcon()); // message boxes and dialogs too
    // The thumbnails are shared with the desktop's other programs. The decoders keep the cache
    // alive themselves, as one may still be at work when the window is gone.
    auto cache =
        std::make_shared<const browser::ThumbnailCache>(browser::ThumbnailCache::defaultRoot());
    frame.view().worker().setCellMaker([cache](const QString& path) {
        return browser::ThumbnailMaker::makeCell(path, cache.get());
    });
    frame.show();
    // A folder or photo named on the command line opens, as "Open with" expects.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        frame.openAtStart(arguments.at(1));
    const int status = app.exec();
    // The window waited up to two seconds for its decoders when it closed; a decoder still
    // busy gets a little longer. One stuck on a slow file must not keep the process alive, and
    // while it may still be inside Qt, the process ends without tearing Qt down under it.
    if (!browser::ThumbnailWorker::waitForAllThreads(std::chrono::milliseconds(800))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

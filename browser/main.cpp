#include "browser/model/ThumbnailWorker.h"
#include "browser/ui/CMainFrame.h"
#include "browser/ui/FolderTree.h"
#include "shared/Launcher.h"
#include "shared/QtPrompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VistaRambler");

    quillax::QtPrompts prompts;
    quillax::DesktopLauncher launcher;
    browser::CMainFrame frame({prompts, launcher});
    prompts.setParent(&frame);
    frame.show();
    // A folder named on the command line opens selected, as "Open with" expects.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        frame.folderTree().openFolder(arguments.at(1));
    const int status = app.exec();
    // A decoder that outlived the window's two-second wait finishes before the process ends.
    browser::ThumbnailWorker::waitForAllThreads();
    return status;
}

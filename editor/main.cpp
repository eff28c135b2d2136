#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/QtPrintService.h"
#include "imaging/DibImage.h"
#include "shared/QtPrompts.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: the window caption must read exactly as the editor writes it.
    QApplication::setApplicationName("Pagemontager");
    if (const QScreen* screen = QApplication::primaryScreen())
        imaging::DibImage::setDisplayMetrics(screen->size().width(), screen->size().height(),
                                             screen->depth());

    quillax::QtPrompts prompts;
    editor::QtPrintService printer;
    editor::EditorMainDialog window({prompts, printer});
    prompts.setParent(&window);
    window.show();
    // Pictures named on the command line, as a file manager's "Open with" passes them.
    const QStringList photos = QApplication::arguments().mid(1);
    if (!photos.isEmpty())
        window.addPhotosLater(photos);
    return app.exec();
}

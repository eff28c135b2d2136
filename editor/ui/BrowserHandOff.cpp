#include "editor/ui/BrowserHandOff.h"

#include "editor/ui/LayerCommands.h"
#include "shared/HandOffQueue.h"
#include "shared/Launcher.h"
#include "shared/PeerLink.h"
#include "shared/Settings.h"

#include <QWidget>

namespace editor {

BrowserHandOff::BrowserHandOff(QWidget& window, LayerCommands& layers, QObject* parent)
    : QObject(parent), window_(window), layers_(layers),
      link_(new quillax::PeerLink(quillax::PeerLink::editorName(), quillax::PeerLink::kEditorValue,
                                  quillax::Settings::installFolder(), this)),
      launcher_(&quillax::DesktopLauncher::instance()) {
    connect(link_, &quillax::PeerLink::raiseRequested, this, &BrowserHandOff::comeForward);
    connect(link_, &quillax::PeerLink::openRequested, this, [this](const QString& path) {
        quillax::PeerLink::bringToFront(window_);
        emit projectOpenRequested(path);
    });
}

bool BrowserHandOff::isListening() const {
    return link_->isListening();
}

void BrowserHandOff::importQueue() {
    if (window_.isMinimized())
        return;
    const QStringList paths = quillax::HandOffQueue::take(quillax::Settings::installFolder());
    if (!paths.isEmpty())
        layers_.addPhotosInTurn(paths);
}

void BrowserHandOff::comeForward() {
    quillax::PeerLink::bringToFront(window_);
    // A desktop may refuse to hand the activation over; the queue is taken all the same.
    importQueue();
}

void BrowserHandOff::browse() {
    const QString folder = quillax::Settings::installFolder();
    if (!quillax::PeerLink::raisePeer(quillax::PeerLink::browserName(),
                                      quillax::PeerLink::kBrowserValue, folder))
        launcher_->startProgram(folder + "VistaRambler", {});
}

} // namespace editor

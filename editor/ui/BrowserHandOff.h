#pragma once
#include <QObject>

class QWidget;

namespace quillax {
class Launcher;
class PeerLink;
} // namespace quillax

namespace editor {

class LayerCommands;

// The editor's side of the meeting with the browser: photos queued there are added here
// whenever the window's activation changes, or the browser asks it to the front; Browse
// brings the browser up, or starts it.
class BrowserHandOff : public QObject {
    Q_OBJECT
  public:
    BrowserHandOff(QWidget& window, LayerCommands& layers, QObject* parent);

    void setLauncher(quillax::Launcher* launcher) { launcher_ = launcher; }
    // The queue, added in order; a minimised window waits until it is restored.
    void importQueue();
    void browse();
    // Restored, raised and activated, at the browser's request; the queue follows.
    void comeForward();
    bool isListening() const;

  signals:
    // A project opened from the desktop while this editor runs: it is brought forward first.
    void projectOpenRequested(const QString& path);

  private:
    QWidget& window_;
    LayerCommands& layers_;
    quillax::PeerLink* link_;
    quillax::Launcher* launcher_;
};

} // namespace editor

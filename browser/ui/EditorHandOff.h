#pragma once
#include <QObject>

class QMainWindow;

namespace quillax {
class Launcher;
class PeerLink;
class Prompts;
} // namespace quillax

namespace browser {

class CVistaRamblerDoc;

// The browser's side of the meeting with the editor: "Add photo" queues the current photo
// for it, "To editor" brings it up or starts it, and the editor's Browse finds this window.
class EditorHandOff : public QObject {
    Q_OBJECT
  public:
    EditorHandOff(QMainWindow& window, CVistaRamblerDoc& doc, quillax::Prompts& prompts,
                  quillax::Launcher& launcher, QObject* parent);

    void addPhoto();
    void toEditor();
    bool isListening() const;

  private:
    bool editorInstalled();
    void comeForward();

    QMainWindow& window_;
    CVistaRamblerDoc& doc_;
    quillax::Prompts& prompts_;
    quillax::Launcher& launcher_;
    quillax::PeerLink* link_;
};

} // namespace browser

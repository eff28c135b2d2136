#include "browser/ui/EditorHandOff.h"

#include "browser/model/CVistaRamblerDoc.h"
#include "shared/HandOffQueue.h"
#include "shared/Launcher.h"
#include "shared/PeerLink.h"
#include "shared/Prompts.h"
#include "shared/Settings.h"

#include <QMainWindow>

namespace browser {

EditorHandOff::EditorHandOff(QMainWindow& window, CVistaRamblerDoc& doc, quillax::Prompts& prompts,
                             quillax::Launcher& launcher, QObject* parent)
    : QObject(parent), window_(window), doc_(doc), prompts_(prompts), launcher_(launcher),
      link_(new quillax::PeerLink(quillax::PeerLink::browserName(),
                                  quillax::PeerLink::kBrowserValue,
                                  quillax::Settings::installFolder(), this)) {
    connect(link_, &quillax::PeerLink::raiseRequested, this, &EditorHandOff::comeForward);
}

bool EditorHandOff::isListening() const {
    return link_->isListening();
}

bool EditorHandOff::editorInstalled() {
    if (quillax::Settings::editorName().contains("PageMontager"))
        return true;
    prompts_.message(tr("Add photo to editor need PageMontager installed!"));
    return false;
}

void EditorHandOff::addPhoto() {
    if (!editorInstalled())
        return;
    if (!doc_.currentPathNamesAnImage()) {
        prompts_.message(tr("Please specify an image first!"));
        return;
    }
    // A photo that could not be queued is said, never passed over as if it had been.
    using quillax::HandOffQueue;
    const QString path = doc_.currentPath();
    switch (HandOffQueue::append(quillax::Settings::installFolder(), path)) {
    case HandOffQueue::Appended::Done:
        break;
    case HandOffQueue::Appended::NameHasLineBreak:
        prompts_.message(tr("%1 cannot be handed to the editor: its name has a line break in "
                            "it. Rename the photo first.")
                             .arg(QString(path).replace(QLatin1Char('\n'), QChar(0x23CE))));
        break;
    default:
        prompts_.message(tr("Not find <toAddList.txt> file!"), tr("Waring"));
    }
}

void EditorHandOff::toEditor() {
    if (!editorInstalled())
        return;
    const QString folder = quillax::Settings::installFolder();
    if (!quillax::PeerLink::raisePeer(quillax::PeerLink::editorName(),
                                      quillax::PeerLink::kEditorValue, folder))
        launcher_.startProgram(folder + quillax::Settings::editorName(), {});
}

void EditorHandOff::comeForward() {
    quillax::PeerLink::bringToFront(window_);
}

} // namespace browser

#include "editor/ui/LayerCommands.h"

#include "editor/model/PageDocument.h"
#include "shared/Prompts.h"

#include <QFileInfo>
#include <QTimer>
#include <utility>

namespace editor {

namespace {

QString whyNotAdded(PageDocument::AddStatus status) {
    switch (status) {
    case PageDocument::AddStatus::UnknownFormat:
        return LayerCommands::tr("it is not a kind of picture this program can open");
    case PageDocument::AddStatus::CannotWrite:
        return LayerCommands::tr("it could not be copied into the project folder");
    case PageDocument::AddStatus::Unreadable:
    case PageDocument::AddStatus::Added:
        break;
    }
    return LayerCommands::tr("it could not be read as a picture");
}

} // namespace

LayerCommands::LayerCommands(PageDocument& document, quillax::Prompts& prompts, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts) {
}

QString LayerCommands::askForPicture() {
    return prompts_.openPicture(tr("Add Photo"));
}

void LayerCommands::addPhotoFromDialog() {
    const QString path = askForPicture();
    if (!path.isEmpty())
        addPhoto(path);
}

bool LayerCommands::addPhoto(const QString& path) {
    const PageDocument::AddResult result = document_.addPhoto(path);
    const QString name = QFileInfo(path).fileName();
    switch (result.status) {
    case PageDocument::AddStatus::Added:
        return true;
    case PageDocument::AddStatus::UnknownFormat:
        prompts_.message(tr("%1 is not a kind of picture this program can open.").arg(name));
        break;
    case PageDocument::AddStatus::Unreadable:
        prompts_.message(tr("%1 could not be read as a picture.").arg(name));
        break;
    case PageDocument::AddStatus::CannotWrite:
        // A layer without its full-size copy could never be printed or saved: none is added.
        prompts_.message(tr("The photo could not be copied into the project folder %1. "
                            "Check that the disk has room and the folder can be written.")
                             .arg(document_.project().projectFolder));
        break;
    }
    return false;
}

void LayerCommands::addPhotos(const QStringList& paths) {
    sayNotAdded(document_.addPhotos(paths));
}

void LayerCommands::addPhotosInTurn(const QStringList& paths) {
    const bool idle = waiting_.isEmpty();
    waiting_ += paths;
    if (idle && !waiting_.isEmpty())
        QTimer::singleShot(0, this, &LayerCommands::addNextWaiting);
}

void LayerCommands::addNextWaiting() {
    if (waiting_.isEmpty())
        return;
    const QString path = waiting_.takeFirst();
    const PageDocument::AddResult result = document_.addPhoto(path);
    if (result.status != PageDocument::AddStatus::Added)
        waitingFailed_.push_back({path, result.status});
    if (!waiting_.isEmpty()) {
        QTimer::singleShot(0, this, &LayerCommands::addNextWaiting);
        return;
    }
    sayNotAdded(std::exchange(waitingFailed_, {}));
    emit addingFinished();
}

void LayerCommands::sayNotAdded(const std::vector<PageDocument::Failure>& failed) {
    if (failed.empty())
        return;
    // A message is read, not scrolled: past a screenful the rest are counted.
    constexpr size_t kNamed = 15;
    QStringList lines;
    for (size_t i = 0; i < failed.size() && i < kNamed; ++i) {
        // A line of junk can be any length; its name is cut to fit the message.
        const QString name = QFileInfo(failed[i].path).fileName();
        lines.append(tr("%1: %2").arg(name.size() > 80 ? name.left(77) + "..." : name,
                                      whyNotAdded(failed[i].status)));
    }
    if (failed.size() > kNamed)
        lines.append(tr("... and %n more", nullptr, int(failed.size() - kNamed)));
    prompts_.message(tr("These pictures were not added:\n%1").arg(lines.join('\n')));
}

void LayerCommands::changeSource() {
    const LayerRecord* selected = document_.selection().selected();
    if (selected == nullptr || !selected->isPhoto())
        return;
    const int id = selected->id;
    const QString path = askForPicture();
    if (path.isEmpty())
        return;
    const PageDocument::AddResult result = document_.changeSource(id, path);
    if (result.status != PageDocument::AddStatus::Added)
        prompts_.message(tr("%1 was not used: %2; the photo was left as it was.")
                             .arg(QFileInfo(path).fileName(), whyNotAdded(result.status)));
}

void LayerCommands::deleteLayer() {
    const LayerRecord* selected = document_.selection().selected();
    if (selected == nullptr)
        return;
    // The question is about this layer, whatever arrives or is picked while it is open.
    const int id = selected->id;
    if (!prompts_.askYesNo(tr("Delete current layer?")))
        return;
    document_.deleteLayer(id);
}

} // namespace editor

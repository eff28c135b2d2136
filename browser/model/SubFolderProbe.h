#pragma once
#include <QObject>
#include <QStringList>
#include <memory>

namespace browser {

// Finds out, away from the interface thread, which folders hold a folder the tree would list,
// so that their expand buttons can go where there is nothing to expand. A folder with
// hundreds of sub-folders, or one on a slow network mount, then costs the window nothing: the
// buttons stay meanwhile, and a probe stuck on a dead mount is simply never answered.
class SubFolderProbe : public QObject {
    Q_OBJECT
  public:
    explicit SubFolderProbe(QObject* parent = nullptr);
    // Probes still running are let go; nothing they find arrives any more.
    ~SubFolderProbe() override;

    // Looks into each folder in turn on a thread of its own; the answers arrive by probed().
    void probe(const QStringList& folders);

    // Whether `folder` holds a folder that is not hidden. A folder that cannot be read counts
    // as holding some: it may well, and the button must stay for a later try.
    static bool hasSubFolder(const QString& folder);

    struct Shared;

  signals:
    void probed(const QString& folder, bool hasSubFolders);

  private:
    Q_INVOKABLE void takeAnswers();

    std::shared_ptr<Shared> shared_;
};

} // namespace browser

#pragma once
#include <QString>
#include <QStringList>

namespace editor {

// The projects opened or saved last, newest first, for File > Open Recent. They are kept in a
// file of the editor's own under $XDG_STATE_HOME (~/.local/state): the settings file is only
// ever read.
class RecentProjects {
  public:
    static constexpr int kMost = 8;

    explicit RecentProjects(QString file);
    // $XDG_STATE_HOME/Quillax/recent-projects, or the same under ~/.local/state.
    static QString defaultFile();

    // The list as the file has it now, so that two editors see each other's projects.
    QStringList paths() const;
    // Puts a project first, once; the oldest beyond eight goes. A path that cannot be one line
    // of the file is not kept.
    void add(const QString& path);

  private:
    QString file_;
};

} // namespace editor

#include "editor/model/RecentProjects.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace editor {

RecentProjects::RecentProjects(QString file) : file_(std::move(file)) {
}

QString RecentProjects::defaultFile() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Quillax/recent-projects");
}

QStringList RecentProjects::paths() const {
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    // A damaged or foreign file gives what absolute paths it holds, and never more than eight.
    for (const QByteArray& line : file.read(64 * 1024).split('\n')) {
        const QString path = QString::fromUtf8(line).trimmed();
        if (QDir::isAbsolutePath(path) && !paths.contains(path) && paths.size() < kMost)
            paths.append(path);
    }
    return paths;
}

void RecentProjects::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute.contains(QLatin1Char('\n')) || absolute.contains(QLatin1Char('\r')))
        return;
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSaveFile file(file_);
    if (!file.open(QIODevice::WriteOnly))
        return; // the list is a convenience: a read-only state folder costs nothing else
    file.write((list.mid(0, kMost).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    file.commit();
}

} // namespace editor

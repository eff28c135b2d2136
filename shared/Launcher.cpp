#include "shared/Launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace quillax {

DesktopLauncher& DesktopLauncher::instance() {
    static DesktopLauncher launcher;
    return launcher;
}

bool DesktopLauncher::openDocument(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool DesktopLauncher::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace quillax

#pragma once
#include "shared/Launcher.h"

#include <QList>
#include <QStringList>
#include <QUrl>

namespace testsupport {

// Opens and starts nothing; remembers what it was asked to.
class RecordingLauncher : public quillax::Launcher {
  public:
    QList<QUrl> opened;
    QStringList programs;
    bool openDocument(const QUrl& url) override {
        opened.append(url);
        return true;
    }
    bool startProgram(const QString& program, const QStringList&) override {
        programs.append(program);
        return true;
    }
};

} // namespace testsupport

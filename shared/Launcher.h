#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

namespace quillax {

// Opening documents with the desktop's default application and starting the other program.
// Tests install a recording one.
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual bool openDocument(const QUrl& url) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

class DesktopLauncher : public Launcher {
  public:
    // The one a window uses when it was given none.
    static DesktopLauncher& instance();

    bool openDocument(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
};

} // namespace quillax

#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

namespace editor {

// The temporary project's folder ("newPrj1/" in the install folder) is shared by every editor
// started from that install. The first one to start holds it until it ends; files it finds
// there then were left by a run that ended without tidying up (a crash, a power cut), and go
// to the desktop's trash, never deleted outright, so the user can still fetch a photo back.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(const QString& folder);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // True when no other editor uses the folder; it is then this one's until it ends.
    [[nodiscard]] bool claim();
    // Moves every file of the folder to the trash; the names of those it could not move,
    // which stay where they are.
    [[nodiscard]] QStringList trashLeftovers() const;

  private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace editor

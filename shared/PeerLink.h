#pragma once
#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace quillax {

// How the editor and the browser find each other: each main window, while it lives, listens
// on a local socket of the current user named after the program and its install folder. A
// peer that answers there is running; asked to, it restores, raises and activates its window.
class PeerLink : public QObject {
    Q_OBJECT
  public:
    static QString editorName() { return QStringLiteral("Pagemontager"); }
    static QString browserName() { return QStringLiteral("Vistarambler"); }
    static constexpr int kEditorValue = 1;
    static constexpr int kBrowserValue = 2;

    // What a peer does when asked: its window restored if minimised, raised and activated.
    static void bringToFront(QWidget& window);

    // Listens as `program` ("Pagemontager" = 1, "Vistarambler" = 2) of this install folder,
    // taking over a socket a crashed run left behind.
    PeerLink(const QString& program, int value, const QString& installFolder, QObject* parent);
    bool isListening() const;

    // Asks the running `program` to come to the front; false when none runs.
    static bool raisePeer(const QString& program, int value, const QString& installFolder);
    // Asks the running `program` to open a file, as a file manager asks a second copy to;
    // false when none runs, and the caller opens it itself.
    static bool askPeerToOpen(const QString& program, int value, const QString& installFolder,
                              const QString& path);
    static QString socketName(const QString& program, int value, const QString& installFolder);

  signals:
    void raiseRequested();
    void openRequested(const QString& path);

  private:
    void answer(const QByteArray& request);

    QLocalServer* server_;
};

} // namespace quillax

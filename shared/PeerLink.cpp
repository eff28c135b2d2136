#include "shared/PeerLink.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace quillax {

namespace {

constexpr int kAnswerWaitMs = 1000;
const QByteArray kRaise = "raise\n";
// Followed by the path, percent-encoded: a file name may hold a line feed.
const QByteArray kOpen = "open ";

bool send(const QString& socketName, const QByteArray& request) {
    QLocalSocket peer;
    peer.connectToServer(socketName);
    if (!peer.waitForConnected(kAnswerWaitMs))
        return false;
    peer.write(request);
    const bool sent = peer.waitForBytesWritten(kAnswerWaitMs);
    peer.disconnectFromServer();
    return sent;
}

} // namespace

QString PeerLink::socketName(const QString& program, int value, const QString& installFolder) {
    // One user's programs of one install folder meet; another install, or another user's
    // programs, are not their peers.
    const QByteArray folder =
        QCryptographicHash::hash(installFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("%1-%2-%3-%4")
        .arg(program)
        .arg(value)
        .arg(::getuid())
        .arg(QString::fromLatin1(folder));
}

PeerLink::PeerLink(const QString& program, int value, const QString& installFolder, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    const QString name = socketName(program, value, installFolder);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name) && server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalSocket probe;
        probe.connectToServer(name);
        // A socket nobody answers on is what a crash left behind: it is taken over. One that
        // answers belongs to a copy already running, which stays the one that is found.
        if (!probe.waitForConnected(kAnswerWaitMs)) {
            QLocalServer::removeServer(name);
            server_->listen(name);
        }
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                QList<QByteArray> requests;
                while (peer->canReadLine())
                    requests.append(peer->readLine());
                // Answered once this handler is over: an answer may ask the user something,
                // and while that question waits the peer hangs up and its socket goes.
                QTimer::singleShot(0, this, [this, requests] {
                    for (const QByteArray& line : requests)
                        answer(line);
                });
            });
        }
    });
}

void PeerLink::answer(const QByteArray& request) {
    if (request == kRaise)
        emit raiseRequested();
    else if (request.startsWith(kOpen) && request.endsWith('\n'))
        emit openRequested(QString::fromUtf8(
            QByteArray::fromPercentEncoding(request.mid(kOpen.size()).chopped(1))));
}

void PeerLink::bringToFront(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

bool PeerLink::isListening() const {
    return server_->isListening();
}

bool PeerLink::raisePeer(const QString& program, int value, const QString& installFolder) {
    return send(socketName(program, value, installFolder), kRaise);
}

bool PeerLink::askPeerToOpen(const QString& program, int value, const QString& installFolder,
                             const QString& path) {
    return send(socketName(program, value, installFolder),
                kOpen + path.toUtf8().toPercentEncoding("/") + '\n');
}

} // namespace quillax

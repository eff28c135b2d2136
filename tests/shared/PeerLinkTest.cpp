// How the two programs find each other: a peer that listens answers a raise request or an open
// request; a socket a crashed run left behind is taken over rather than blocking the name for
// good.
#include "shared/PeerLink.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using quillax::PeerLink;

TEST(PeerLink, ARunningPeerIsAskedToTheFrontOrToOpenAProjectAndAStaleSocketIsTakenOver) {
    testsupport::Sandbox box;
    const QString folder = box.folder();
    const QString project = box.path("Été 2026\nfinal.lyj");
    EXPECT_FALSE(PeerLink::raisePeer("Pagemontager", 1, folder)) << "nobody runs yet";
    EXPECT_FALSE(PeerLink::askPeerToOpen("Pagemontager", 1, folder, project));

    // What a crash leaves: a socket file that nobody listens on.
    const QString name = PeerLink::socketName("Pagemontager", 1, folder);
    const QByteArray path = QFile::encodeName(QDir::tempPath() + "/" + name);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.constData());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd); // the socket file stays behind

    PeerLink editor("Pagemontager", 1, folder, nullptr);
    QSignalSpy raised(&editor, &PeerLink::raiseRequested);
    EXPECT_TRUE(PeerLink::raisePeer("Pagemontager", 1, folder));
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_FALSE(PeerLink::raisePeer("Vistarambler", 2, folder)) << "the other program's name";
    EXPECT_FALSE(PeerLink::raisePeer("Pagemontager", 1, folder + "other/"))
        << "another install's editor is not this one's peer";

    // A second editor started by the file manager hands its project to the one running; the
    // name comes across whole, spaces, accents and a line feed in it.
    QSignalSpy asked(&editor, &PeerLink::openRequested);
    // The editor asks about unsaved changes first; meanwhile the other copy hangs up.
    QObject::connect(&editor, &PeerLink::openRequested, [] { QTest::qWait(300); });
    ASSERT_TRUE(PeerLink::askPeerToOpen("Pagemontager", 1, folder, project));
    ASSERT_TRUE(asked.wait(5000));
    EXPECT_EQ(asked.first().first().toString(), project);
    EXPECT_EQ(raised.size(), 1) << "only the raise above: an open is not a bare raise";
}

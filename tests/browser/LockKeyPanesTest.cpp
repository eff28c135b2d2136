#include "browser/ui/LockKeyPanes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

namespace {

// Locks or unlocks Caps Lock on the server, as a key press in any window would.
void setCapsLock(xcb_connection_t* connection, bool on) {
    xcb_xkb_latch_lock_state(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_MOD_MASK_LOCK,
                             on ? XCB_MOD_MASK_LOCK : 0, 0, 0, 0, 0, 0);
    xcb_flush(connection);
}

} // namespace

// Runs on an X server only (ctest starts one for it); elsewhere there are no lights to read.
TEST(LockKeyPanesOnX11, ThePanesFollowTheLights) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        GTEST_SKIP() << "not on X11";
    QStatusBar bar;
    browser::LockKeyPanes panes(&bar);
    const QLabel* caps = bar.findChild<QLabel*>("capsPane");
    ASSERT_NE(caps, nullptr);
    setCapsLock(x11->connection(), true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return caps->text() == "CAPS"; }, 5000));
    EXPECT_TRUE(bar.findChild<QLabel*>("numPane")->text().isEmpty());
    setCapsLock(x11->connection(), false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return caps->text().isEmpty(); }, 5000));
}

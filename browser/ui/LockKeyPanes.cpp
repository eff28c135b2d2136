#include "browser/ui/LockKeyPanes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <xcb/xcb.h>
// The XKB header names a field `explicit`, a C++ keyword; it is renamed while it is read.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

namespace browser {

namespace {

struct Light {
    const char* word;  // what the pane shows
    const char* xName; // the XKB indicator's name
};
constexpr std::array<Light, 3> kLights{{
    {"CAPS", "Caps Lock"},
    {"NUM", "Num Lock"},
    {"SCRL", "Scroll Lock"},
}};

} // namespace

LockKeyPanes::LockKeyPanes(QStatusBar* bar) : QObject(bar) {
    for (size_t i = 0; i < kLights.size(); ++i) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QString::fromLatin1(kLights[i].word).toLower() + "Pane");
        pane->setAlignment(Qt::AlignCenter);
        // As wide as its word, lit or not, so that the bar does not shift as lights change.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(kLights[i].word) + 12);
        bar->addPermanentWidget(pane);
        panes_[i] = pane;
    }
    if (connectToXkb()) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        refresh();
    }
}

LockKeyPanes::~LockKeyPanes() {
    if (connection_ != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool LockKeyPanes::connectToXkb() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return false;
    xcb_connection_t* connection = x11->connection();
    // Qt's own keyboard handling has already set up the extension on this connection.
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (xkb == nullptr || !xkb->present)
        return false;

    std::array<xcb_intern_atom_cookie_t, 3> asked{};
    for (size_t i = 0; i < kLights.size(); ++i)
        asked[i] = xcb_intern_atom(connection, 0, uint16_t(std::strlen(kLights[i].xName)),
                                   kLights[i].xName);
    for (size_t i = 0; i < kLights.size(); ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, asked[i], nullptr);
        indicators_[i] = reply != nullptr ? reply->atom : uint32_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    // Only the light changes are added to what Qt already asked for; its own choices stay.
    xcb_xkb_select_events(connection, XCB_XKB_ID_USE_CORE_KBD,
                          XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY, 0,
                          XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY, 0, 0, nullptr);
    xcb_flush(connection);
    connection_ = connection;
    xkbEventBase_ = xkb->first_event;
    return true;
}

void LockKeyPanes::refresh() {
    refreshPending_ = false;
    if (connection_ == nullptr)
        return;
    std::array<xcb_xkb_get_named_indicator_cookie_t, 3> asked{};
    for (size_t i = 0; i < kLights.size(); ++i)
        asked[i] = xcb_xkb_get_named_indicator(connection_, XCB_XKB_ID_USE_CORE_KBD,
                                               XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                               XCB_XKB_ID_DFLT_XI_ID, indicators_[i]);
    for (size_t i = 0; i < kLights.size(); ++i) {
        xcb_xkb_get_named_indicator_reply_t* reply =
            xcb_xkb_get_named_indicator_reply(connection_, asked[i], nullptr);
        const bool lit = reply != nullptr && reply->found && reply->on;
        std::free(reply);
        panes_[i]->setText(lit ? QString::fromLatin1(kLights[i].word) : QString());
    }
}

bool LockKeyPanes::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    // Every XKB event carries the extension's one event code; its own kind is the next byte.
    const auto* event = static_cast<const xcb_xkb_indicator_state_notify_event_t*>(message);
    if ((event->response_type & 0x7f) != xkbEventBase_ ||
        event->xkbType != XCB_XKB_INDICATOR_STATE_NOTIFY)
        return false;
    // Asked again once the event is handled, not from inside Qt's event delivery.
    if (!std::exchange(refreshPending_, true))
        QMetaObject::invokeMethod(this, &LockKeyPanes::refresh, Qt::QueuedConnection);
    return false;
}

} // namespace browser

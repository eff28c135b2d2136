#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <array>
#include <cstdint>

class QLabel;
class QStatusBar;

struct xcb_connection_t;

namespace browser {

// The status bar's CAPS, NUM and SCRL panes: each shows its word while the keyboard's lock
// light is on. On X11 the lights are read from the XKB extension, again whenever the server
// says they changed, whichever window the key was pressed in. Where the platform tells no
// lock state (offscreen, Wayland) the panes stay empty.
class LockKeyPanes : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    explicit LockKeyPanes(QStatusBar* bar);
    ~LockKeyPanes() override;

    // Reads the three lights now.
    void refresh();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    bool connectToXkb();

    std::array<QLabel*, 3> panes_{};
    xcb_connection_t* connection_ = nullptr; // null where there is no lock state to read
    uint8_t xkbEventBase_ = 0;
    std::array<uint32_t, 3> indicators_{}; // the atoms naming each light
    bool refreshPending_ = false;
};

} // namespace browser

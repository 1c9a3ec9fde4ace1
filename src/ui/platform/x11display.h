#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

struct xcb_connection_t;

namespace vorlane {

// A connection of its own to the X server of $DISPLAY (whatever platform Qt
// itself runs on), for the few things the course window asks of other
// programs' windows: list the top-level windows, read their titles and
// processes, bring one to the front, ask one to close.
//
// Without a window manager the top-level windows are the mapped input-output
// children of the root; with one, its _NET_CLIENT_LIST. Every call is total:
// without a display, everything is empty or false.
class X11Display {
public:
    // `display` empty: $DISPLAY.
    explicit X11Display(const QByteArray &display = {});
    ~X11Display();
    X11Display(const X11Display &) = delete;
    X11Display &operator=(const X11Display &) = delete;

    bool isOpen() const { return m_connection != nullptr; }

    // Top-level client windows, bottom of the stack first when known.
    QList<quint32> topLevelWindows();
    // _NET_WM_NAME, else WM_NAME; empty when there is none.
    QString title(quint32 window);
    // _NET_WM_PID, else the process of the client that owns the window as the
    // server knows it (X-Resource extension); nullopt when neither is known.
    std::optional<qint64> processId(quint32 window);
    // Raises the window and gives it the focus: through the window manager
    // (_NET_ACTIVE_WINDOW) when one runs, else by mapping, raising and
    // focusing it directly.
    bool activate(quint32 window);
    // Sends WM_DELETE_WINDOW, as a click on the close box does, when the
    // window lists it in WM_PROTOCOLS; false (nothing sent) otherwise.
    bool requestClose(quint32 window);

    // The window that has the input focus (0 when none), and the root's
    // children in stacking order (bottom first): what tests look at.
    quint32 focusWindow();
    QList<quint32> stackingOrder();
    bool windowManagerRunning();

private:
    quint32 atom(const char *name);
    std::optional<QByteArray> property(quint32 window, quint32 property, quint32 type, int format);
    QList<quint32> windowList(quint32 property);

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
};

} // namespace vorlane

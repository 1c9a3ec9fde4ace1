#include "ui/platform/x11display.h"

#include <xcb/res.h>
#include <xcb/xcb.h>

#include <algorithm>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace vorlane {

namespace {
template <typename T>
struct FreeDeleter {
    void operator()(T *p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;
} // namespace

X11Display::X11Display(const QByteArray &display)
{
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem) {
        xcb_disconnect(c);
        return;
    }
    m_connection = c;
    m_root = it.data->root;
}

X11Display::~X11Display()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

quint32 X11Display::atom(const char *name)
{
    if (!m_connection)
        return 0;
    Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : 0;
}

std::optional<QByteArray> X11Display::property(quint32 window, quint32 prop, quint32 type, int format)
{
    if (!m_connection || !prop)
        return std::nullopt;
    // Titles and lists are short; 64 KiB of 32-bit units is far more than any.
    Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, prop, type, 0, 16384), nullptr));
    if (!r || r->type == XCB_NONE || (format && r->format != format))
        return std::nullopt;
    const int length = xcb_get_property_value_length(r.get());
    return QByteArray(static_cast<const char *>(xcb_get_property_value(r.get())), length);
}

QList<quint32> X11Display::windowList(quint32 prop)
{
    QList<quint32> out;
    const auto bytes = property(m_root, prop, XCB_ATOM_WINDOW, 32);
    if (!bytes)
        return out;
    const auto *ids = reinterpret_cast<const quint32 *>(bytes->constData());
    for (qsizetype i = 0; i < bytes->size() / 4; ++i)
        out.append(ids[i]);
    return out;
}

bool X11Display::windowManagerRunning()
{
    return property(m_root, atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 32).has_value() ||
           property(m_root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 32).has_value();
}

QList<quint32> X11Display::stackingOrder()
{
    QList<quint32> out;
    if (!m_connection)
        return out;
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    if (!tree)
        return out;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        out.append(children[i]);
    return out;
}

QList<quint32> X11Display::topLevelWindows()
{
    if (!m_connection)
        return {};
    QList<quint32> managed = windowList(atom("_NET_CLIENT_LIST_STACKING"));
    if (managed.isEmpty())
        managed = windowList(atom("_NET_CLIENT_LIST"));
    if (!managed.isEmpty())
        return managed;

    const quint32 wmState = atom("WM_STATE");
    QList<quint32> out;
    for (quint32 child : stackingOrder()) {
        Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, child), nullptr));
        // Qt and others keep unmapped helper windows at the top level.
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
            attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT)
            continue;
        quint32 client = child;
        // Under a reparenting manager without EWMH the child is a frame: the
        // client is the window below it that carries WM_STATE.
        if (!property(child, wmState, XCB_GET_PROPERTY_TYPE_ANY, 0)) {
            Reply<xcb_query_tree_reply_t> tree(
                xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, child), nullptr));
            if (tree) {
                const xcb_window_t *inner = xcb_query_tree_children(tree.get());
                for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
                    if (property(inner[i], wmState, XCB_GET_PROPERTY_TYPE_ANY, 0)) {
                        client = inner[i];
                        break;
                    }
                }
            }
        }
        out.append(client);
    }
    return out;
}

QString X11Display::title(quint32 window)
{
    if (const auto name = property(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8))
        return QString::fromUtf8(*name);
    if (const auto name = property(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 8))
        return QString::fromLatin1(*name);
    return {};
}

std::optional<qint64> X11Display::processId(quint32 window)
{
    if (const auto pid = property(window, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32);
        pid && pid->size() >= 4) {
        quint32 value = 0;
        std::memcpy(&value, pid->constData(), 4);
        return qint64(value);
    }
    if (!m_connection)
        return std::nullopt;
    // Programs that do not set _NET_WM_PID (Xt programs, old toolkits): ask
    // the server which local process owns the window.
    xcb_res_client_id_spec_t query{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    Reply<xcb_res_query_client_ids_reply_t> r(xcb_res_query_client_ids_reply(
        m_connection, xcb_res_query_client_ids(m_connection, 1, &query), nullptr));
    if (!r)
        return std::nullopt;
    for (xcb_res_client_id_value_iterator_t it = xcb_res_query_client_ids_ids_iterator(r.get()); it.rem;
         xcb_res_client_id_value_next(&it)) {
        // Only the process id was asked for, so every value that has one is it.
        if (xcb_res_client_id_value_value_length(it.data) >= 1)
            return qint64(*xcb_res_client_id_value_value(it.data));
    }
    return std::nullopt;
}

bool X11Display::activate(quint32 window)
{
    if (!m_connection || !window)
        return false;
    if (windowManagerRunning()) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 2; // from a pager-like tool: honoured without a user time
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
        xcb_flush(m_connection);
        return true;
    }
    xcb_map_window(m_connection, window);
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_generic_error_t *error = xcb_request_check(
        m_connection,
        xcb_set_input_focus_checked(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME));
    // Errors of the unchecked requests arrive as events nobody reads.
    while (xcb_generic_event_t *e = xcb_poll_for_event(m_connection))
        std::free(e);
    if (error) {
        std::free(error);
        return false;
    }
    return true;
}

bool X11Display::requestClose(quint32 window)
{
    if (!m_connection || !window)
        return false;
    // Only a window that takes part in the protocol is asked; another one is
    // left alone rather than killed.
    const quint32 deleteWindow = atom("WM_DELETE_WINDOW");
    const auto protocols = property(window, atom("WM_PROTOCOLS"), XCB_ATOM_ATOM, 32);
    if (!protocols || !deleteWindow)
        return false;
    const auto *atoms = reinterpret_cast<const quint32 *>(protocols->constData());
    if (std::find(atoms, atoms + protocols->size() / 4, deleteWindow) == atoms + protocols->size() / 4)
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = deleteWindow;
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(m_connection);
    return !xcb_connection_has_error(m_connection);
}

quint32 X11Display::focusWindow()
{
    if (!m_connection)
        return 0;
    Reply<xcb_get_input_focus_reply_t> r(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    return r ? r->focus : 0;
}

} // namespace vorlane

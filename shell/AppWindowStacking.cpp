// Keeps a shown window above the others, or not, by asking the X11 window manager.
#include "AppWindowStacking.h"

#include <QWindow>

#if ZINGAROO_HAVE_XCB && QT_CONFIG(xcb)
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

void AppWindowStacking::SetAbove(QWindow* window, bool above) {
    // Other platforms may offer the X11 interface too (the offscreen one
    // does, without a connection).
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr || window == nullptr || !window->isVisible())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr), &std::free);
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t stateAbove = Atom(connection, "_NET_WM_STATE_ABOVE");
    if (!tree || state == XCB_ATOM_NONE || stateAbove == XCB_ATOM_NONE)
        return;
    // The window manager's protocol: a client message to the root window
    // naming the window, the action (0 remove, 1 add), the state and the
    // source (1, a normal application).
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = state;
    message.data.data32[0] = above ? 1 : 0;
    message.data.data32[1] = stateAbove;
    message.data.data32[3] = 1;
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

#else

void AppWindowStacking::SetAbove(QWindow*, bool) {}

#endif

// The X11 desktop's own interface (EWMH hints and requests, through xcb),
// for windows on Qt's xcb platform. Elsewhere (offscreen, Wayland) there is
// no X connection and each call does nothing.
#include "platform/NativeWindow.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

namespace platform::native {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The atoms of `names`, asked for together: one round trip to the X server.
std::vector<xcb_atom_t> InternAtoms(xcb_connection_t* connection, std::initializer_list<const char*> names) {
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : names)
        cookies.push_back(xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name));
    std::vector<xcb_atom_t> atoms;
    for (const auto cookie : cookies) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
        atoms.push_back(reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE));
    }
    return atoms;
}

// Whether the window manager lists `atom` in _NET_SUPPORTED.
bool Supported(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t supported, xcb_atom_t atom) {
    const auto cookie = xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096);
    Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!property) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(property.get()));
    const int count = xcb_get_property_value_length(property.get()) / static_cast<int>(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i)
        if (atoms[i] == atom) return true;
    return false;
}

}  // namespace

void SetSkipTaskbar(QWidget& window) {
    xcb_connection_t* connection = Connection();
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const std::vector<xcb_atom_t> atoms =
        InternAtoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atoms[0], XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size() - 1), atoms.data() + 1);
    xcb_flush(connection);
}

// On X11 the program moves a window itself from the press on; the window
// manager's move is asked for only at the first motion (through XWayland).
bool DesktopMovesFromPress(Qt::MouseButton) { return false; }

// The window manager's move (_NET_WM_MOVERESIZE), asked for with the button
// really held, so that it ends when that button comes up. Qt's own request
// always names the left button.
bool RunDesktopMove(QWidget& window, Qt::MouseButton button) {
    xcb_connection_t* connection = Connection();
    if (!connection) return false;
    const std::vector<xcb_atom_t> atoms = InternAtoms(connection, {"_NET_WM_MOVERESIZE", "_NET_SUPPORTED"});
    const xcb_atom_t moveResize = atoms[0];
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen || moveResize == XCB_ATOM_NONE || atoms[1] == XCB_ATOM_NONE) return false;
    if (!Supported(connection, screen->root, atoms[1], moveResize)) return false;

    Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr), &std::free);
    if (!pointer) return false;

    const uint32_t xButton = button == Qt::RightButton ? 3 : button == Qt::MiddleButton ? 2 : 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = moveResize;
    message.data.data32[0] = static_cast<uint32_t>(pointer->root_x);
    message.data.data32[1] = static_cast<uint32_t>(pointer->root_y);
    message.data.data32[2] = 8;  // _NET_WM_MOVERESIZE_MOVE
    message.data.data32[3] = xButton;
    message.data.data32[4] = 1;  // asked for by an application
    // The window manager can take the pointer only once the press's own grab ends.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

}  // namespace platform::native

#include "platform/TaskbarHint.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <initializer_list>
#include <vector>

namespace platform {
namespace {

// The atoms of `names`, asked for together: one round trip to the X server.
std::vector<xcb_atom_t> InternAtoms(xcb_connection_t* connection, std::initializer_list<const char*> names) {
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : names)
        cookies.push_back(xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name));
    std::vector<xcb_atom_t> atoms;
    for (const auto cookie : cookies) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        atoms.push_back(reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE));
        free(reply);
    }
    return atoms;
}

}  // namespace

void SetSkipTaskbar(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const std::vector<xcb_atom_t> atoms =
        InternAtoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atoms[0], XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size() - 1), atoms.data() + 1);
    xcb_flush(connection);
}

}  // namespace platform

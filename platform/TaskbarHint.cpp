#include "platform/TaskbarHint.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <vector>

namespace platform {
namespace {

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

}  // namespace

void SetSkipTaskbar(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = InternAtom(connection, "_NET_WM_STATE");
    const std::vector<xcb_atom_t> atoms{InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                        InternAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
}

}  // namespace platform

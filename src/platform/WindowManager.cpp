// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowManager.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atomNamed(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name);
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr),
                                                  &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window named by a WINDOW property of `window`, if it has one.
std::optional<xcb_window_t> windowProperty(xcb_connection_t* c, xcb_window_t window,
                                           xcb_atom_t property) {
    const auto cookie = xcb_get_property(c, 0, window, property, XCB_ATOM_WINDOW, 0, 1);
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                   &std::free);
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A running manager names a window of its own on the root window, and that
// window names itself; a manager that has died leaves a name that no longer
// leads back.
bool managedDisplay(xcb_connection_t* c) {
    const xcb_atom_t check = atomNamed(c, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto supporting = windowProperty(c, root, check);
    return supporting && windowProperty(c, *supporting, check) == supporting;
}

} // namespace

// The offscreen platform offers an X11 interface too, without a connection.
bool windowManagerPresent() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) return managedDisplay(x11->connection());
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#include "qt/xwayland.h"

#include <cstdlib>
#include <memory>

#include <QGuiApplication>
#ifdef HORUMINA_X11
#include <xcb/xcb.h>
#endif

bool UnderXWayland()
{
#ifdef HORUMINA_X11
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // XWayland names itself by an extension of that name.
    const char name[] = "XWAYLAND";
    const std::unique_ptr<xcb_query_extension_reply_t, decltype(&std::free)> reply(
        xcb_query_extension_reply(connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr), &std::free);
    return reply && reply->present;
#else
    return false;
#endif
}

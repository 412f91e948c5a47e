#include "qt/x11_title.h"

#include <cstdlib>
#include <memory>

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

void TypeTitleAsUtf8(QWidget& window)
{
    // Qt's offscreen platform answers as X11 too, with no connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const char name[] = "UTF8_STRING";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr), &std::free);
    if (!atom)
        return;
    const QByteArray title = window.windowTitle().toUtf8();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), XCB_ATOM_WM_NAME, atom->atom, 8,
                        std::uint32_t(title.size()), title.constData());
    xcb_flush(connection);
}

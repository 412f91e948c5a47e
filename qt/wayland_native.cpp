#include "qt/wayland_native.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#ifdef HORUMINA_WAYLAND
#include <wayland-client.h>
#endif

bool IsWaylandNative()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#ifdef HORUMINA_WAYLAND
namespace {

void Announced(void* offers_frames, wl_registry*, std::uint32_t, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        *static_cast<bool*>(offers_frames) = true;
}

void Withdrawn(void*, wl_registry*, std::uint32_t) {}

// Read off the compositor's list of what it offers, on a connection of the
// game's own, opened and closed at once.
bool CompositorOffersFrames()
{
    // A socket handed down by the compositor can be connected once only: it
    // is Qt's, and Qt's frame stays.
    const char* socket = std::getenv("WAYLAND_SOCKET");
    if (socket && *socket)
        return true;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return true;
    bool offers_frames = false;
    static const wl_registry_listener listener{Announced, Withdrawn};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offers_frames);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offers_frames;
}

}  // namespace
#endif

bool CompositorLeavesFrameToWindow()
{
#ifdef HORUMINA_WAYLAND
    static const bool leaves = IsWaylandNative() && !CompositorOffersFrames();
    return leaves;
#else
    return false;
#endif
}

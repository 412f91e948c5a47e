#pragma once

// Whether the game runs as a native Wayland client, which can neither place
// its window nor have the compositor fade it: it draws its own translucency.
bool IsWaylandNative();

// Whether the compositor leaves the window's frame to the window itself, as
// GNOME's mutter and weston do: it offers no frames of its own (the
// xdg-decoration protocol). Qt's frame there, the only one it brings, offers
// maximise and minimise whatever the window asks for and is drawn opaque
// whatever the window's opacity, so the game draws a frame of its own.
bool CompositorLeavesFrameToWindow();

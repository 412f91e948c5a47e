#pragma once

// Whether the game is an X client of XWayland, a Wayland compositor's own X
// server. Such a compositor blends the window by its alpha as it blends any
// Wayland window, but not every one honours the X opacity property (sway
// ignores it), so there the window draws its own translucency, as on Wayland.
bool UnderXWayland();

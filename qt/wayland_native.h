#pragma once

// Whether the game runs as a native Wayland client, which can neither place
// its window nor have the compositor fade it: it draws its own translucency.
bool IsWaylandNative();

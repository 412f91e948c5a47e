#pragma once

#include <windows.h>

#include "core/colours.h"

// A layout colour as GDI draws it: system colours through GetSysColor, the
// none colour as `none`, the default of whatever draws it. Under the
// system's high-contrast scheme the tables' fixed colours give way to the
// system's (ShownColour).
COLORREF ScreenColour(ColourValue colour, COLORREF none);

// Whether the system shows a high-contrast scheme is read when a colour is
// first drawn; once the system's colours or settings have changed, it is
// read again and the window with all its children painted anew.
void FollowSystemColours(HWND window);

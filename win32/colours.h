#pragma once

#include <windows.h>

#include "core/colours.h"

// A layout colour as GDI draws it: system colours through GetSysColor, the
// none colour as `none`, the default of whatever draws it.
COLORREF ScreenColour(ColourValue colour, COLORREF none);

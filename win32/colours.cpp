#include "win32/colours.h"

COLORREF ScreenColour(ColourValue colour, COLORREF none)
{
    if (colour == clNone)
        return none;
    if (IsSystemColour(colour))
        return GetSysColor(int(colour & 0xFF));
    // $00BBGGRR is already GDI's own layout.
    return COLORREF(colour & 0x00FFFFFF);
}

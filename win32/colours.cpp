#include "win32/colours.h"

namespace {

bool SchemeIsHighContrast()
{
    HIGHCONTRASTW scheme{};
    scheme.cbSize = sizeof(scheme);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(scheme), &scheme, 0) &&
           (scheme.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool& HighContrast()
{
    static bool high_contrast = SchemeIsHighContrast();
    return high_contrast;
}

}  // namespace

COLORREF ScreenColour(ColourValue colour, COLORREF none)
{
    colour = ShownColour(colour, HighContrast());
    if (colour == clNone)
        return none;
    if (IsSystemColour(colour))
        return GetSysColor(int(colour & 0xFF));
    // $00BBGGRR is already GDI's own layout.
    return COLORREF(colour & 0x00FFFFFF);
}

void FollowSystemColours(HWND window)
{
    HighContrast() = SchemeIsHighContrast();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

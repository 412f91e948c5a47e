#include "win32/layout_scale.h"

#include "win32/fonts.h"

namespace {

constexpr int DesignPixelsPerInch = 96;

}  // namespace

LayoutScale LayoutScale::OfScreen()
{
    HDC screen = GetDC(nullptr);
    const int pixels_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return AtPixelsPerInch(pixels_per_inch);
}

LayoutScale LayoutScale::AtPixelsPerInch(int pixels_per_inch)
{
    HDC screen = GetDC(nullptr);
    // The window font is a type size: 12 pixels at 96 pixels per inch, and
    // whatever the face makes of that size on this screen.
    HFONT font = CreateLayoutFont(MulDiv(WindowFontPixels, pixels_per_inch, DesignPixelsPerInch), false);
    HGDIOBJ before = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, before);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    const int text_height = metrics.tmHeight - metrics.tmInternalLeading;
    return LayoutScale(text_height > 0 ? text_height : DesignHeight, pixels_per_inch);
}

Box LayoutScale::ToScreen(const Box& box) const
{
    return {ToScreen(box.left), ToScreen(box.top), ToScreen(box.width), ToScreen(box.height)};
}

#pragma once

#include <windows.h>

#include "form/layout.h"

// The layout is drawn for a screen where the window font is 12 pixels high
// (96 pixels per inch). Elsewhere every position, size and font grows by the
// ratio of the font's real height to 12, so the window keeps its proportions
// and its text fits where the layout put it.
class LayoutScale {
public:
    // Measures the window font at the screen's pixels per inch, or at those
    // of the monitor the window has moved to.
    static LayoutScale OfScreen();
    static LayoutScale AtPixelsPerInch(int pixels_per_inch);

    int ToScreen(int layout_pixels) const { return MulDiv(layout_pixels, text_height_, DesignHeight); }
    int ToLayout(int screen_pixels) const { return MulDiv(screen_pixels, DesignHeight, text_height_); }
    Box ToScreen(const Box& box) const;
    int PixelsPerInch() const { return pixels_per_inch_; }

private:
    static constexpr int DesignHeight = 12;
    LayoutScale(int text_height, int pixels_per_inch) : text_height_(text_height), pixels_per_inch_(pixels_per_inch) {}
    int text_height_;
    int pixels_per_inch_;
};

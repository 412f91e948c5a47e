#pragma once

#include <functional>
#include <map>
#include <utility>

#include <windows.h>

#include "win32/layout_scale.h"

// The layout's face, "ＭＳ Ｐゴシック" or the nearest proportional Japanese
// Gothic face installed, in the Shift-JIS character set, at a character
// height in screen pixels.
HFONT CreateLayoutFont(int screen_pixels, bool bold);

// The fonts of the window, made once each at the layout's sizes scaled to the
// screen, and kept for the whole run as the controls share them.
class FontCache {
public:
    explicit FontCache(const LayoutScale& scale) : scale_(scale) {}
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    HFONT Font(int layout_pixels, bool bold = false);

    // Once the scale has changed: `refont` gives every window its font
    // again, made anew at the scale's sizes, and then the fonts of the old
    // sizes, which no window uses any more, are deleted.
    void Renew(const std::function<void()>& refont);

private:
    const LayoutScale& scale_;
    std::map<std::pair<int, bool>, HFONT> fonts_;
};

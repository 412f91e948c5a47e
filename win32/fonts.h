#pragma once

#include <map>
#include <utility>

#include <windows.h>

#include "win32/layout_scale.h"

// The layout's face, "ＭＳ Ｐゴシック" in the Shift-JIS character set, at a
// character height in screen pixels.
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

private:
    const LayoutScale& scale_;
    std::map<std::pair<int, bool>, HFONT> fonts_;
};

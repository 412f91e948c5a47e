#include "win32/fonts.h"

HFONT CreateLayoutFont(int screen_pixels, bool bold)
{
    // A negative height asks for the character height, without the internal leading.
    return CreateFontW(-screen_pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_DONTCARE,
                       L"ＭＳ Ｐゴシック");
}

FontCache::~FontCache()
{
    for (auto& [size, font] : fonts_)
        DeleteObject(font);
}

void FontCache::Renew(const std::function<void()>& refont)
{
    std::map<std::pair<int, bool>, HFONT> old;
    old.swap(fonts_);
    refont();
    for (auto& [size, font] : old)
        DeleteObject(font);
}

HFONT FontCache::Font(int layout_pixels, bool bold)
{
    HFONT& font = fonts_[{layout_pixels, bold}];
    if (!font)
        font = CreateLayoutFont(scale_.ToScreen(layout_pixels), bold);
    return font;
}

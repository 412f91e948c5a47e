#include "win32/fonts.h"

#include <string>
#include <vector>

#include "form/layout.h"
#include "win32/wide_text.h"

namespace {

// The layout's faces, as the W functions name them.
const std::vector<std::wstring>& NearestFaces()
{
    static const std::vector<std::wstring> faces = [] {
        std::vector<std::wstring> wide;
        for (const char* face : LayoutFaces)
            wide.push_back(Wide(face));
        return wide;
    }();
    return faces;
}

// Keeps the rank of the nearest face of the list among those enumerated,
// passing over every fixed-pitch one; once the layout's own face is found,
// the rest need not be looked at.
int CALLBACK Consider(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD, LPARAM nearest)
{
    std::size_t& rank = *reinterpret_cast<std::size_t*>(nearest);
    // The bit is named for its opposite: set, the face is proportional.
    if (metrics->tmPitchAndFamily & TMPF_FIXED_PITCH)
        for (std::size_t better = 0; better < rank; ++better)
            if (lstrcmpiW(font->lfFaceName, NearestFaces()[better].c_str()) == 0)
                rank = better;
    return rank == 0 ? FALSE : TRUE;
}

// The nearest of the installed faces with Japanese characters, looked for
// once. Where none of them is installed, the layout's face by name, for
// which the font mapper takes a proportional face of its choosing.
const wchar_t* LayoutFace()
{
    static const wchar_t* const face = [] {
        std::size_t rank = NearestFaces().size();
        LOGFONTW japanese{};
        japanese.lfCharSet = SHIFTJIS_CHARSET;
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesExW(screen, &japanese, Consider, reinterpret_cast<LPARAM>(&rank), 0);
        ReleaseDC(nullptr, screen);
        return NearestFaces()[rank == NearestFaces().size() ? 0 : rank].c_str();
    }();
    return face;
}

}  // namespace

HFONT CreateLayoutFont(int screen_pixels, bool bold)
{
    // A negative height asks for the character height, without the internal leading.
    return CreateFontW(-screen_pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_DONTCARE,
                       LayoutFace());
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

// The Win32 controls themselves, in the game's real windows under a real
// window system, driven through the form's handlers with a tick counter set
// by hand: what the real-window tests cannot reach by playing.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "fakes.h"
#include "core/hidden_domain.h"
#include "form/tform1.h"
#include "pages/pages.h"
#include "win32/child_window.h"
#include "win32/layout_scale.h"
#include "win32/main_window.h"
#include "win32/platform.h"

namespace {

HWND HandleOf(Control* control) { return dynamic_cast<ChildWindow*>(control)->Handle(); }

RECT OnItsPage(Control* control)
{
    HWND window = HandleOf(control);
    RECT frame;
    GetWindowRect(window, &frame);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}

class Win32Form : public testing::Test {
protected:
    // Tells the window it has moved to a monitor of twice the pixels per
    // inch, as Windows does, its frame staying where it is.
    void MoveToTwiceThePixelsPerInch()
    {
        const int pixels_per_inch = scale.PixelsPerInch() * 2;
        RECT suggested;
        GetWindowRect(window->Handle(), &suggested);
        SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(pixels_per_inch, pixels_per_inch), LPARAM(&suggested));
        ASSERT_EQ(scale.PixelsPerInch(), pixels_per_inch);
    }

    LayoutScale scale = LayoutScale::OfScreen();
    Win32Platform platform{scale};
    FakeTicks ticks;
    TForm1 form{Form1Design(), ticks, platform};
    // Its windows go with it, at the end of each test or sooner.
    std::optional<MainWindow> window{std::in_place, form, platform, scale};
};

// The close button drawn as the page asks, into a bitmap of its size: each
// pixel 0x00RRGGBB.
std::vector<std::uint32_t> DrawnCloseButton(Control* button, UINT state, SIZE& size)
{
    HWND handle = HandleOf(button);
    RECT face;
    GetClientRect(handle, &face);
    size = {face.right, face.bottom};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, handle, dc, face, 0};
    dynamic_cast<ChildWindow*>(button)->Draw(item);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> drawn(pixels, pixels + size.cx * size.cy);
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return drawn;
}

int IconSide(HWND window, WPARAM which)
{
    ICONINFO info{};
    if (!GetIconInfo(HICON(SendMessageW(window, WM_GETICON, which, 0)), &info))
        return 0;
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return colour.bmWidth;
}

// A full match is too narrow to hit by hand in a test: 7.77 s on the
// counter. The 13-point verdict grows its box to the new font's height, the
// top edge staying where the table puts it.
TEST_F(Win32Form, VictoryGrowsTheVerdictsBoxWithItsFont)
{
    const RECT before = OnItsPage(form.Edit11);
    form.Dispatch(&TForm1::Button6Click);
    ticks.now = 7770;
    form.Dispatch(&TForm1::Timer3Timer);
    form.Dispatch(&TForm1::Button7Click);
    EXPECT_EQ(form.Edit11->Text(), "勝利");
    const RECT after = OnItsPage(form.Edit11);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.bottom - after.top, scale.ToScreen(PointsToPixels(VictoryFontPoints, 96) + 8));
}

// Moved to a monitor of twice the pixels per inch before the pages behind
// the first have their windows, the window makes them later at the new
// scale and in the font its live labels now use, not in one the move
// deleted.
// A label that sizes itself to its text and was measured before the move
// (the date on the Friends page, written at creation) is measured again in
// the new font: as wide and high as writing its text anew makes it.
TEST_F(Win32Form, APageMadeAfterARescaleTakesTheNewScaleAndFont)
{
    ChildWindow* behind = dynamic_cast<ChildWindow*>(form.Label9);
    ChildWindow* date = dynamic_cast<ChildWindow*>(form.Label27);
    ASSERT_FALSE(behind->Made());
    ASSERT_FALSE(date->Made());
    ASSERT_FALSE(form.Label27->Text().empty());
    HWND front = HandleOf(form.Label3);
    MoveToTwiceThePixelsPerInch();
    ASSERT_FALSE(behind->Made());
    ASSERT_FALSE(date->Made());

    const HFONT font = HFONT(SendMessageW(front, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    ASSERT_NE(GetObjectW(font, sizeof face, &face), 0);
    EXPECT_EQ(HFONT(SendMessageW(behind->Handle(), WM_GETFONT, 0, 0)), font);
    const RECT frame = OnItsPage(form.Label9);
    EXPECT_EQ(frame.bottom - frame.top, scale.ToScreen(20));

    const RECT made = OnItsPage(form.Label27);
    form.Label27->SetText(form.Label27->Text());
    const RECT written = OnItsPage(form.Label27);
    EXPECT_EQ(made.right - made.left, written.right - written.left);
    EXPECT_EQ(made.bottom - made.top, written.bottom - written.top);
}

// At twice the pixels per inch the close button's door is twice its size
// beside the doubled caption, its yellow knob of 2 x 2 pixels now 4 x 4 (as
// the scale rounds), and the focus rectangle stands twice as far inside the
// edge.
TEST_F(Win32Form, TheCloseButtonsGlyphAndFocusGrowWithTheScale)
{
    MoveToTwiceThePixelsPerInch();
    SIZE size{};
    const std::vector<std::uint32_t> focused = DrawnCloseButton(form.BitBtn1, ODS_FOCUS, size);
    const std::vector<std::uint32_t> plain = DrawnCloseButton(form.BitBtn1, 0, size);
    const int knob = (scale.ToScreen(11) - scale.ToScreen(9)) * (scale.ToScreen(12) - scale.ToScreen(10));
    EXPECT_EQ(std::count(plain.begin(), plain.end(), 0xFFFF00u), knob);
    int left = size.cx;
    int top = size.cy;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (focused[std::size_t(y * size.cx + x)] != plain[std::size_t(y * size.cx + x)]) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_EQ(left, scale.ToScreen(4));
    EXPECT_EQ(top, scale.ToScreen(4));
}

// Moved to a monitor of twice the pixels per inch, both windows take the
// icon at that monitor's sizes of the caption's and the task bar's icons.
TEST_F(Win32Form, TheIconsFollowTheMonitorsPixelsPerInch)
{
    const int big = GetSystemMetrics(SM_CXICON) * 2;
    const int small = GetSystemMetrics(SM_CXSMICON) * 2;
    MoveToTwiceThePixelsPerInch();
    HWND main = window->Handle();
    for (HWND shown : {main, GetWindow(main, GW_OWNER)}) {
        EXPECT_EQ(IconSide(shown, ICON_BIG), big);
        EXPECT_EQ(IconSide(shown, ICON_SMALL), small);
    }
}

// Once the game's windows are gone with their object, none of them is left
// for a message to reach it through.
TEST_F(Win32Form, NoWindowOutlivesTheMainWindow)
{
    HWND main = window->Handle();
    const std::vector<HWND> windows{main, GetWindow(main, GW_OWNER), GetParent(HandleOf(form.Label3)),
                                    HandleOf(form.Label3)};
    for (HWND made : windows)
        ASSERT_TRUE(IsWindow(made));
    window.reset();
    for (HWND made : windows)
        EXPECT_FALSE(IsWindow(made));
}

}  // namespace

// The Win32 controls themselves, in the game's real windows under a real
// window system, driven through the form's handlers with a tick counter set
// by hand: what the real-window tests cannot reach by playing.
#include <windows.h>

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

RECT OnItsPage(Control* control)
{
    HWND window = dynamic_cast<ChildWindow*>(control)->Handle();
    RECT frame;
    GetWindowRect(window, &frame);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}

class Win32Form : public testing::Test {
protected:
    LayoutScale scale = LayoutScale::OfScreen();
    Win32Platform platform{scale};
    FakeTicks ticks;
    TForm1 form{Form1Design(), ticks, platform};
    MainWindow window{form, platform, scale};
};

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
TEST_F(Win32Form, APageMadeAfterARescaleTakesTheNewScaleAndFont)
{
    ChildWindow* behind = dynamic_cast<ChildWindow*>(form.Label9);
    ASSERT_FALSE(behind->Made());
    HWND front = dynamic_cast<ChildWindow*>(form.Label3)->Handle();
    HWND main = GetAncestor(front, GA_ROOT);
    const int pixels_per_inch = scale.PixelsPerInch() * 2;
    RECT suggested;
    GetWindowRect(main, &suggested);
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(pixels_per_inch, pixels_per_inch), LPARAM(&suggested));
    ASSERT_EQ(scale.PixelsPerInch(), pixels_per_inch);
    ASSERT_FALSE(behind->Made());

    const HFONT font = HFONT(SendMessageW(front, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    ASSERT_NE(GetObjectW(font, sizeof face, &face), 0);
    EXPECT_EQ(HFONT(SendMessageW(behind->Handle(), WM_GETFONT, 0, 0)), font);
    const RECT frame = OnItsPage(form.Label9);
    EXPECT_EQ(frame.bottom - frame.top, scale.ToScreen(20));
}

}  // namespace

// The Win32 controls themselves, in the game's real windows under a real
// window system, driven through the form's handlers with a tick counter set
// by hand: what the real-window tests cannot reach by playing.
#include <windows.h>

#include <gtest/gtest.h>

#include "fakes.h"
#include "core/hidden_domain.h"
#include "form/tform1.h"
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
    TForm1 form{ticks, platform};
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

}  // namespace

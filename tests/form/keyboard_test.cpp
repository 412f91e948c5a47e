#include <gtest/gtest.h>

#include "form/fake_front_end.h"

namespace {

KeyPress Press(Key key, bool shift = false, bool alt = false) { return {key, 0, shift, false, alt}; }
KeyPress Letter(char32_t letter, bool alt = false, bool ctrl = false) { return {Key::Letter, letter, false, ctrl, alt}; }

using Kind = KeyAction::Kind;

class Keys : public ::testing::Test {
protected:
    KeyAction On(const KeyPress& key, const Control* focus, bool on_tab_strip = false)
    {
        return window.form.OnKey(key, focus, on_tab_strip);
    }
    FakeFrontEnd window;
    TForm1& form = window.form;
};

TEST_F(Keys, TabWalksTheTabStopsOfThePageInFrontWithWrap)
{
    EXPECT_EQ(On(Press(Key::Tab), form.Button1), (KeyAction{Kind::Focus, form.Button2}));
    EXPECT_EQ(On(Press(Key::Tab), form.Button2), (KeyAction{Kind::Focus, form.Button11})) << "read-only boxes skipped";
    EXPECT_EQ(On(Press(Key::Tab), form.Button11), (KeyAction{Kind::Focus, form.Button1})) << "wraps";
    EXPECT_EQ(On(Press(Key::Backtab, true), form.Button1), (KeyAction{Kind::Focus, form.Button11}));
    EXPECT_EQ(On(Press(Key::Tab), nullptr), (KeyAction{Kind::Focus, form.Button1})) << "from the tab strip, the first";
    EXPECT_EQ(On({Key::Tab, 0, false, true, false}, form.Button1), (KeyAction{Kind::Swallow})) << "Ctrl+Tab";
    window.notebook.index = 2;
    EXPECT_EQ(On(Press(Key::Tab), form.Bt5), (KeyAction{Kind::Focus, form.BitBtn1})) << "the hidden way is skipped";
}

TEST_F(Keys, ArrowsOnAButtonWalkEveryControlTheEditBoxKeepsThemForItsCaret)
{
    EXPECT_EQ(On(Press(Key::Right), form.Button1), (KeyAction{Kind::Focus, form.Button2}));
    EXPECT_EQ(On(Press(Key::Left), form.Button1), (KeyAction{Kind::Focus, form.Edit1})) << "no tab stop, still reached";
    EXPECT_EQ(On(Press(Key::Down), form.Button2), (KeyAction{Kind::Focus, form.Edit2}));
    EXPECT_EQ(On(Press(Key::Up), form.Edit1), (KeyAction{Kind::PassOn}));
    EXPECT_EQ(On(Press(Key::Left), nullptr, true), (KeyAction{Kind::TurnPage, nullptr, 4})) << "first page to last";
    window.notebook.index = 4;
    EXPECT_EQ(On(Press(Key::Right), nullptr, true), (KeyAction{Kind::TurnPage, nullptr, 0})) << "last page to first";
}

TEST_F(Keys, EnterClicksTheFocusedButtonOnlyEscapeDoesNothing)
{
    EXPECT_EQ(On(Press(Key::Enter), form.Button2), (KeyAction{Kind::Click, form.Button2}));
    EXPECT_EQ(On(Press(Key::Enter, true), form.Button2), (KeyAction{Kind::Swallow})) << "Shift+Enter";
    EXPECT_EQ(On(Press(Key::Enter), form.Edit1), (KeyAction{Kind::Swallow})) << "no default button";
    EXPECT_EQ(On(Press(Key::Escape), form.Button1), (KeyAction{Kind::Swallow})) << "no cancel button";
}

TEST_F(Keys, AnAcceleratorClicksOnlyAShownButtonOfThePageInFront)
{
    EXPECT_EQ(On(Letter(U'S'), form.Button2), (KeyAction{Kind::Click, form.Button1}));
    EXPECT_EQ(On(Letter(U'P', true), form.Edit1), (KeyAction{Kind::Click, form.Button2})) << "Alt from an edit box";
    EXPECT_EQ(On(Letter(U'C', true), form.Button1), (KeyAction{Kind::Swallow})) << "the close button is on the hall";
    EXPECT_EQ(On(Letter(U'S', false, true), form.Button1), (KeyAction{Kind::PassOn})) << "Ctrl+S";
    EXPECT_EQ(On(Letter(0, true), form.Button1), (KeyAction{Kind::Swallow})) << "a letter key that carries no letter";
    EXPECT_EQ(On(Letter(0), form.Button1), (KeyAction{Kind::PassOn}));
    window.notebook.index = 2;
    EXPECT_EQ(On(Letter(U'C'), form.Bt5), (KeyAction{Kind::Click, form.BitBtn1}));
    EXPECT_EQ(On(Letter(U'S', true), form.Bt5), (KeyAction{Kind::Swallow}));
    window.notebook.index = 3;
    EXPECT_EQ(On(Letter(U'S', true), nullptr), (KeyAction{Kind::Swallow})) << "the domain's buttons are hidden";
    form.Button6->Show();
    EXPECT_EQ(On(Letter(U'S', true), nullptr), (KeyAction{Kind::Click, form.Button6}));
    window.notebook.index = 4;
    EXPECT_EQ(On(Letter(U'S'), form.Edit12), (KeyAction{Kind::PassOn})) << "a plain S types in the box";
    EXPECT_EQ(On(Letter(U'S', true), form.Edit12), (KeyAction{Kind::Click, form.Button9}));
}

TEST_F(Keys, TheFocusLeavesWithItsPageOnlyFromThatPage)
{
    EXPECT_TRUE(form.FocusLeavesWith(0, form.Button1));
    EXPECT_TRUE(form.FocusLeavesWith(0, form.Edit1));
    EXPECT_FALSE(form.FocusLeavesWith(0, form.Bt5));
    EXPECT_FALSE(form.FocusLeavesWith(0, nullptr)) << "on the tab strip it stays there";
}

}  // namespace

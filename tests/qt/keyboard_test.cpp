#include "qt/form_fixture.h"

namespace {

using Keyboard = FormTest;

TEST_F(Keyboard, StartsOnButton1SoAPlainSStartsTheEyeTrial)
{
    EXPECT_EQ(Focused(), "Button1");
    Press(Qt::Key_S);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    EXPECT_EQ(Focused(), "Button1") << "an accelerator does not move the focus";
    Press(Qt::Key_P);
    EXPECT_EQ(form.Timer2->Interval(), 0);
}

// A layout with no Latin letters (Greek here) gives the keys of S and P as
// σ and π: the accelerators go by the keys' places, and Alt with one never
// types into an edit box.
TEST_F(Keyboard, UnderALayoutWithNoLatinLettersTheAcceleratorsGoByTheKeysPlaces)
{
    const auto key = [](QWidget* target, char16_t letter, quint32 keycode, Qt::KeyboardModifiers mods) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key(QChar(letter).toUpper().unicode()), mods, keycode, 0, 0, QString(QChar(letter)));
            QApplication::sendEvent(target, &event);
        }
    };
    constexpr quint32 KeyOfS = 39, KeyOfP = 33;
    key(QApplication::focusWidget(), u'σ', KeyOfS, Qt::NoModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10) << "σ on a button starts the eye trial";
    key(QApplication::focusWidget(), u'π', KeyOfP, Qt::NoModifier);
    EXPECT_EQ(form.Timer2->Interval(), 0);

    ShowPage(4);
    W(form.Edit12)->setFocus();
    E(form.Edit12)->setText(U("3"));
    key(W(form.Edit12), u'σ', KeyOfS, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10) << "Alt+σ starts the Friends Game";
    key(W(form.Edit12), u'π', KeyOfP, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 0);
    EXPECT_EQ(E(form.Edit12)->text(), U("3")) << "nothing typed into the target";
    key(W(form.Edit12), u'σ', KeyOfS, Qt::NoModifier);
    EXPECT_EQ(E(form.Edit12)->text(), U("3σ")) << "a plain letter is the box's";
}

TEST_F(Keyboard, TabWalksTheTabStopsOfThePageInFrontWithWrap)
{
    const char* forward[] = {"Button2", "Button11", "Button1", "Button2"};
    for (const char* name : forward) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), name);
    }
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "Button1");
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "Button11");
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Focused(), "Button11") << "Ctrl+Tab does nothing";
    EXPECT_EQ(form.TabbedNotebook1->PageIndex(), 0);
}

TEST_F(Keyboard, ArrowsOnAButtonWalkEveryControlAndSelectAnEditsText)
{
    Press(Qt::Key_Right);
    EXPECT_EQ(Focused(), "Button2");
    Press(Qt::Key_Down);
    EXPECT_EQ(Focused(), "Edit2") << "arrows ignore the tab-stop flag";
    EXPECT_EQ(E(form.Edit2)->selectedText(), E(form.Edit2)->text());

    W(form.Button1)->setFocus();
    Press(Qt::Key_Left);
    EXPECT_EQ(Focused(), "Edit1");
    EXPECT_EQ(E(form.Edit1)->selectedText(), E(form.Edit1)->text());
    Press(Qt::Key_Left);
    EXPECT_EQ(Focused(), "Edit1") << "an edit box keeps the arrows for its caret";

    W(form.Button11)->setFocus();
    Press(Qt::Key_Down);
    EXPECT_EQ(Focused(), "Edit1") << "wraps from the last control to the first";
}

TEST_F(Keyboard, EnterAndSpaceClickTheFocusedButtonEscapeDoesNothing)
{
    Press(Qt::Key_Return);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    Press(Qt::Key_Escape);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    W(form.Button2)->setFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(form.Timer2->Interval(), 0);
    W(form.Button1)->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    W(form.Button2)->setFocus();
    Press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10) << "Shift+Enter is not a click";
}

TEST_F(Keyboard, AcceleratorsReachOnlyTheVisibleButtonsOfThePageInFront)
{
    ticks.now = 4321;
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10) << "the eye trial starts";
    EXPECT_EQ(form.State.StartTick, 4321);
    EXPECT_EQ(form.State.VoiceGate, 0) << "page 2's S must not react";
    EXPECT_EQ(E(form.Edit4)->text(), U("・・・そろそろいけるか？"));
    Press(Qt::Key_P, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(E(form.Edit2)->text(), U("0\u3000回 、 見 切 っ た !"));

    ShowPage(2);
    window->TabbedNotebook1->TabStrip()->setFocus();
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 0) << "no S on the Hall of Memory page";

    ShowPage(1);
    Press(Qt::Key_S);
    EXPECT_EQ(form.Timer2->Interval(), 10) << "the plain letter works from the tab strip";
    EXPECT_EQ(form.State.VoiceGate, 1);
}

TEST_F(Keyboard, InAnEditBoxOnlyAltWithTheLetterIsAnAccelerator)
{
    W(form.Edit1)->setFocus();
    Press(Qt::Key_S);
    EXPECT_EQ(form.Timer2->Interval(), 0);
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    EXPECT_EQ(Focused(), "Edit1");
}

TEST_F(Keyboard, AHiddenButtonHasNoAccelerator)
{
    W(form.Button2)->hide();
    Click(form.Button1);
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10);
}

// A page can be turned with the focus on it, as a screen reader turns it.
TEST_F(Keyboard, APageThatGoesAwayWithTheFocusHandsItToTheTabStrip)
{
    ASSERT_EQ(Focused(), "Button1");
    ShowPage(3);
    EXPECT_EQ(QApplication::focusWidget(), window->TabbedNotebook1->TabStrip());
    Press(Qt::Key_Right);
    EXPECT_EQ(form.TabbedNotebook1->PageIndex(), 4) << "the arrows turn the pages from there";
}

TEST_F(Keyboard, ArrowsOnTheTabStripTurnThePagesWithWrap)
{
    QTabBar* tabs = window->TabbedNotebook1->TabStrip();
    Click(form.Button1);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(form.TabbedNotebook1->PageIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), tabs) << "the focus leaves the page that went away";
    Press(Qt::Key_Left);
    Press(Qt::Key_Up);
    EXPECT_EQ(form.TabbedNotebook1->PageIndex(), 4);
    Press(Qt::Key_Right);
    EXPECT_EQ(form.TabbedNotebook1->PageIndex(), 0);
    Press(Qt::Key_Down);
    EXPECT_EQ(form.TabbedNotebook1->PageIndex(), 1);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Button3") << "Tab enters the page in front";
    EXPECT_EQ(form.Timer2->Interval(), 10) << "turning pages stops no trial";
}

}  // namespace

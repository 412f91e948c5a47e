#include <gtest/gtest.h>

#include "core/friends_game.h"
#include "form/fake_front_end.h"

namespace {

class Friends : public ::testing::Test {
protected:
    Friends() { window.notebook.index = 4; }
    void Guess(std::uint32_t ms)
    {
        window.Click(form.Button9);
        window.Elapse(ms);
        window.Click(form.Button10);
    }
    FakeFrontEnd window;
    TForm1& form = window.form;
};

TEST_F(Friends, AHitFlipsTheBonusButtonAMissLeavesItAndNeitherScores)
{
    window.Click(form.Button9);
    EXPECT_EQ(form.Edit13->Text(), GuessPrompt);
    EXPECT_EQ(form.Edit18->Text(), ResultPrompt);
    window.Elapse(5800);
    window.Click(form.Button10);
    EXPECT_EQ(form.Edit18->Text(), HitText);
    EXPECT_EQ(form.Edit13->Text(), "5");
    EXPECT_TRUE(form.Button8->Visible());
    Guess(6020);
    EXPECT_EQ(form.Edit18->Text(), MissText);
    EXPECT_EQ(form.Edit13->Text(), "6");
    EXPECT_TRUE(form.Button8->Visible());
    Guess(5000);
    EXPECT_FALSE(form.Button8->Visible()) << "a second hit hides it again";
    EXPECT_EQ(form.State.Points, 0);
}

TEST_F(Friends, ATargetThatIsNoIntegerIsReportedAndTheCorrectedStopJudgesTheSameTime)
{
    form.Edit12->SetText("abc");
    Guess(2500);
    ASSERT_EQ(window.platform.errors.size(), 1u);
    EXPECT_EQ(window.platform.errors[0], "Horumina|'abc' は整数ではありません.");
    EXPECT_EQ(form.Edit18->Text(), ResultPrompt) << "the rest of the stop did not run";
    EXPECT_EQ(form.Timer2->Interval(), 0);
    form.Edit12->SetText("2");
    window.Click(form.Button10);
    EXPECT_EQ(form.Edit18->Text(), HitText);
}

TEST_F(Friends, TargetZeroWithNoStartIsAHit)
{
    form.Edit12->SetText("0");
    window.Click(form.Button10);
    EXPECT_EQ(form.Edit18->Text(), HitText);
    EXPECT_TRUE(form.Button8->Visible());
}

}  // namespace

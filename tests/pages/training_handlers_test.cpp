#include <gtest/gtest.h>

#include "core/training.h"
#include "form/fake_front_end.h"

namespace {

class Training : public ::testing::Test {
protected:
    FakeFrontEnd window;
    TForm1& form = window.form;
};

TEST_F(Training, AnEyeTrialIsSilentThenJudgedAndScored)
{
    window.Click(form.Button1);
    EXPECT_EQ(window.Of(form.Edit1)->colour, clNone);
    window.Elapse(5000);
    EXPECT_EQ(form.Edit1->Text(), EyePrompt) << "the count is silent";
    window.Elapse(990);
    window.Click(form.Button2);
    EXPECT_EQ(form.Edit1->Text(), EyeSuccess);
    EXPECT_EQ(window.Of(form.Edit1)->colour, clGreen);
    EXPECT_EQ(form.Edit2->Text(), "1\u3000回 、 見 切 っ た !");
    EXPECT_EQ(form.Edit3->Text(), "1\u3000H i t !");
    EXPECT_EQ(form.State.Points, 8);
    EXPECT_EQ(form.Timer2->Interval(), 0);

    window.Click(form.Button1);
    window.Elapse(6000);
    window.Click(form.Button2);
    EXPECT_EQ(form.Edit1->Text(), "6 : 0 : 0");
    EXPECT_EQ(window.Of(form.Edit1)->colour, clNone) << "a failure leaves the start's colour";
    EXPECT_EQ(form.Edit3->Text(), "0\u3000H i t !");
    EXPECT_EQ(form.State.Points, 7);
}

TEST_F(Training, AVoiceTrialBelowTheGateShowsTheGateAndStillScores)
{
    window.notebook.index = 1;
    window.Click(form.Button3);
    EXPECT_EQ(form.Edit4->Text(), VoiceGateText);
    window.Elapse(3540);
    window.Click(form.Button4);
    EXPECT_EQ(form.Edit4->Text(), VoiceGateText) << "the gate's text replaces the verdict";
    EXPECT_EQ(window.Of(form.Edit4)->colour, clSkyBlue);
    EXPECT_EQ(form.State.Points, 115);
    EXPECT_EQ(form.Edit5->Text(), "1\u3000回 、 見 切 っ た !");
    window.Click(form.Button3);
    EXPECT_EQ(form.Edit4->Text(), VoicePrompt) << "from 100 points the gate is open";
    window.Elapse(3490);
    window.Click(form.Button4);
    EXPECT_EQ(form.Edit4->Text(), "4 ");
}

TEST_F(Training, AStopBelow500HidesTheWayToTheDomainJudgedOnThePointsBeforeIt)
{
    form.Button5->Show();
    form.State.Points = 500;
    window.Click(form.Button2);
    EXPECT_TRUE(form.Button5->Visible()) << "500 before the stop: not below";
    EXPECT_EQ(form.State.Points, 499);
    window.Click(form.Button2);
    EXPECT_FALSE(form.Button5->Visible());
}

TEST_F(Training, AStartOnOnePageIsJudgedByAStopOnTheOther)
{
    window.Click(form.Button1);
    window.Elapse(3550);
    window.notebook.index = 1;
    form.State.Points = 200;
    window.Click(form.Button4);
    EXPECT_EQ(form.Edit4->Text(), VoiceSuccess);
}

}  // namespace

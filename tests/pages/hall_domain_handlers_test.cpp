#include <gtest/gtest.h>

#include "core/hidden_domain.h"
#include "form/fake_front_end.h"

namespace {

class HallAndDomain : public ::testing::Test {
protected:
    void OpenTheDomain()
    {
        form.State.Points = 500;
        window.notebook.index = 2;
        window.Click(form.Bt5);
        window.Click(form.Button5);
        window.notebook.index = 3;
    }
    FakeFrontEnd window;
    TForm1& form = window.form;
};

TEST_F(HallAndDomain, TheScoresShowOnDemandAndTheWayOpensAt500)
{
    window.notebook.index = 2;
    form.State.Points = 499;
    form.State.EyeTotal = 3;
    form.State.VoiceTotal = -2;
    window.Click(form.Bt5);
    EXPECT_EQ(form.Edit7->Text(), "499");
    EXPECT_EQ(form.Edit8->Text(), "3");
    EXPECT_EQ(form.Edit9->Text(), "-2");
    EXPECT_FALSE(form.Button5->Visible());
    form.State.Points = 500;
    EXPECT_EQ(form.Edit7->Text(), "499") << "the fields do not follow by themselves";
    window.Click(form.Bt5);
    EXPECT_TRUE(form.Button5->Visible());
}

TEST_F(HallAndDomain, TheDomainShowsItsWarningUntilOpenedThenItsTrialForGood)
{
    EXPECT_TRUE(form.Label13->Visible());
    for (Control* hidden : std::initializer_list<Control*>{form.Label12, form.Edit10, form.Button6, form.Button7, form.Button8})
        EXPECT_FALSE(hidden->Visible());
    OpenTheDomain();
    EXPECT_FALSE(form.Label13->Visible());
    for (Control* shown : std::initializer_list<Control*>{form.Label12, form.Edit10, form.Button6, form.Button7})
        EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(form.Button8->Visible()) << "the bonus comes only from the Friends Game";
    form.State.Points = 0;
    window.notebook.index = 0;
    window.Click(form.Button2);
    EXPECT_FALSE(form.Button5->Visible());
    EXPECT_TRUE(form.Button6->Visible()) << "the way may close; the domain stays open";
}

TEST_F(HallAndDomain, TheHiddenTrialRunsLiveInRedAndAVictoryWritesInLargerTypeThatStays)
{
    OpenTheDomain();
    window.Click(form.Button6);
    EXPECT_EQ(window.Of(form.Edit10)->colour, clRed);
    window.Elapse(7779);
    EXPECT_EQ(form.Edit10->Text(), "7 : 7 :7 ");
    window.Click(form.Button7);
    EXPECT_EQ(window.Of(form.Edit10)->colour, clGreen);
    EXPECT_EQ(form.Edit10->Text(), "7 : 7 :7 ") << "the last readout stays";
    EXPECT_EQ(form.Edit11->Text(), VictoryText);
    EXPECT_EQ(window.Of(form.Edit11)->font_pixels, 17) << "13 points at 96 pixels per inch";
    EXPECT_EQ(form.State.Points, 500 + 9100);
    window.Click(form.Button7);
    EXPECT_EQ(form.Edit11->Text(), DefeatText);
    EXPECT_EQ(window.Of(form.Edit11)->font_pixels, 17);
    EXPECT_EQ(form.State.Points, 500 + 9100 - 250);
}

// Both front ends give the layout's 96 pixels per inch, whatever the screen's
// scale, which they apply themselves: 13 points are 17 pixels, a box of 25.
TEST_F(HallAndDomain, TheVictorysTypeIsThirteenPointsAtTheLayoutsPixelsPerInch)
{
    window.platform.ppi = 96;
    OpenTheDomain();
    window.Click(form.Button6);
    window.Elapse(7770);
    window.Click(form.Button7);
    EXPECT_EQ(window.Of(form.Edit11)->font_pixels, 17);
    EXPECT_EQ(EditBoxHeight(window.Of(form.Edit11)->font_pixels), 25);
}

TEST_F(HallAndDomain, TheBonusPaysOnceAndHides)
{
    window.notebook.index = 3;
    form.Button8->Show();
    window.Click(form.Button8);
    window.Click(form.Button8);
    EXPECT_EQ(form.State.Points, 500);
    EXPECT_FALSE(form.Button8->Visible());
}

}  // namespace

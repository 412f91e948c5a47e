#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "core/training.h"
#include "form/fake_front_end.h"
#include "form/placement.h"
#include "pages/pages.h"

namespace {

FramePosition Centred(std::initializer_list<ScreenArea> monitors, int width = 500, int height = 300)
{
    return CentredFrame(std::span(monitors.begin(), monitors.size()), width, height);
}

TEST(Placement, TheFrameIsCentredOnTheDesktopFrom00WhereItLiesWhollyOnAMonitor)
{
    EXPECT_EQ(Centred({{0, 0, 1024, 768}}, 500, 301), (FramePosition{262, 233}));
    // A monitor left of the primary one, or above it, leaves the frame
    // centred on the primary one.
    EXPECT_EQ(Centred({{0, 0, 1920, 1080}, {-1920, 0, 1920, 1080}}), (FramePosition{710, 390}));
    EXPECT_EQ(Centred({{0, 0, 1920, 1080}, {0, -1080, 1920, 1080}}), (FramePosition{710, 390}));
    // A large monitor beside a small primary one holds the whole frame.
    EXPECT_EQ(Centred({{0, 0, 800, 600}, {800, 0, 2560, 1440}}), (FramePosition{1430, 570}));
}

TEST(Placement, AFrameThatWouldStraddleASeamOrFallOffEveryMonitorIsCentredOnOne)
{
    // Two equal monitors side by side, or one above the other: the seam
    // runs through the middle, which both hold; the first listed wins.
    EXPECT_EQ(Centred({{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}}), (FramePosition{710, 390}));
    EXPECT_EQ(Centred({{0, 0, 1920, 1080}, {0, 1080, 1920, 1080}}), (FramePosition{710, 390}));
    // Three unequal ones, tops aligned: the desktop's middle is on the second.
    EXPECT_EQ(Centred({{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}, {3200, 0, 1024, 768}}), (FramePosition{2310, 362}));
    // A portrait monitor below and right of the primary one: the middle is
    // on neither and as near to both; the primary one, listed first, wins.
    EXPECT_EQ(Centred({{0, 0, 1920, 1080}, {1920, 1080, 1080, 1920}}), (FramePosition{710, 390}));
    EXPECT_EQ(Centred({{1920, 1080, 1080, 1920}, {0, 0, 1920, 1080}}), (FramePosition{2210, 1890}));
    // Larger than its monitor, the frame keeps its corner on it, even where
    // the only monitor lies at negative coordinates.
    EXPECT_EQ(Centred({{0, 0, 800, 600}}, 1000, 700), (FramePosition{0, 0}));
    EXPECT_EQ(Centred({{-800, -600, 800, 600}}, 1000, 700), (FramePosition{-800, -600}));
}

// Edit boxes and buttons stack in tab order among themselves, which shows
// only where two overlap: none may.
TEST(Form, NoTwoEditBoxesOrButtonsOfAPageOverlap)
{
    for (const PageLayout& page : Form1Design().pages) {
        const std::vector<const ControlRow*> above = StackingOf(page.rows).above;
        for (std::size_t i = 0; i < above.size(); ++i)
            for (std::size_t j = i + 1; j < above.size(); ++j) {
                const Box &a = above[i]->box, &b = above[j]->box;
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(apart) << above[i]->name << " and " << above[j]->name;
            }
    }
}

// A press can come before a front end has built the whole form (a screen
// reader's action on the first page, say), when no timer exists yet.
TEST(Form, NothingReachesAHandlerBeforeTheFormIsWhole)
{
    FakeFrontEnd window(false, false);
    window.Click(window.form.Button1);
    EXPECT_EQ(window.form.Timer2, nullptr);
    EXPECT_TRUE(window.platform.errors.empty());
    window.form.Create();
    window.Click(window.form.Button1);
    EXPECT_EQ(window.form.Timer2->Interval(), 10);
}

TEST(Form, EveryRowBuildsItsOwnMemberAndEveryEditAndButtonTakesTheFocus)
{
    FakeFrontEnd window;
    std::set<std::string> names;
    std::set<const Control*> members;
    for (std::size_t page = 0; page < Form1Design().pages.size(); ++page) {
        std::set<int> places;
        for (const ControlRow& row : Form1Design().pages[page].rows) {
            EXPECT_TRUE(names.insert(row.name).second) << row.name << " has two rows";
            const Control* built = std::visit([&](auto m) -> const Control* { return window.form.*m; }, row.member);
            ASSERT_NE(built, nullptr) << row.name;
            EXPECT_TRUE(members.insert(built).second) << row.name << " shares its member with another row";
            if (DrawnOnPage(row)) {
                EXPECT_EQ(row.tab_order, -1) << row.name;
                continue;
            }
            EXPECT_GE(row.tab_order, 0) << row.name << " could take the focus but has no place in the tab order";
            EXPECT_TRUE(places.insert(row.tab_order).second) << row.name << " shares its place in the tab order";
        }
        EXPECT_EQ(window.form.TabOrder(int(page)).size(), places.size());
    }
    EXPECT_EQ(names.size(), 60u) << "the five pages hold sixty controls";
}

TEST(Form, CreationStartsTheClockWritesThePromptAndTheCounterAndTakesTheTitle)
{
    FakeFrontEnd window;
    TForm1& form = window.form;
    EXPECT_EQ(form.Timer1->Interval(), 1000);
    EXPECT_EQ(form.Timer2->Interval(), 0);
    EXPECT_EQ(form.Timer3->Interval(), 0);
    EXPECT_EQ(form.Edit1->Text(), EyePrompt);
    EXPECT_EQ(form.State.OpacityCounter, 230);
    EXPECT_EQ(form.Label27->Text(), "日付 : 2026/12/09");
    EXPECT_EQ(form.Label28->Text(), "現在の時刻 : 9:05:07");
    EXPECT_EQ(form.Title, "Horumina");
    EXPECT_TRUE(window.platform.errors.empty());
    EXPECT_EQ(form.FirstFocus(), form.Button1);
}

TEST(Form, AClockTimerThePlatformRefusesIsReportedAndTheStartGoesOn)
{
    FakeFrontEnd window(/*refuse_timers=*/true);
    ASSERT_EQ(window.platform.errors.size(), 1u);
    EXPECT_EQ(window.platform.errors[0], "Horumina|タイマーを取得できません.");
    EXPECT_EQ(window.form.Edit1->Text(), EyePrompt) << "the creation handler ran all the same";
    window.Click(window.form.Button1);
    EXPECT_EQ(window.platform.errors.size(), 2u) << "a trial's timer refused is the same error";
}

TEST(Form, TheCloseButtonClosesAndTheTranslucencyButtonStepsTheOpacity)
{
    FakeFrontEnd window;
    TForm1& form = window.form;
    window.Click(form.Button11);
    EXPECT_EQ(window.platform.opacity, 230);
    window.Click(form.Button11);
    EXPECT_EQ(window.platform.opacity, 220);
    window.notebook.index = 2;
    window.Click(form.BitBtn1);
    EXPECT_EQ(window.platform.closes, 1);
}

TEST(Form, TheClockTicksInTheLocalesFormatAndItsRowKeepsInsideThePage)
{
    FakeFrontEnd window;
    TForm1& form = window.form;
    window.platform.time = {21, 48, 58};
    ClockLocale& clock_locale = window.platform.clock;
    clock_locale.format.twelve_hour = true;
    clock_locale.format.hour_leading_zero = true;
    clock_locale.format.separator = ".";
    clock_locale.format.designator_first = true;
    clock_locale.am = "午前";
    clock_locale.pm = "午後";
    window.platform.today = "2027/01/01";
    form.Timer1Timer();
    EXPECT_EQ(form.Label28->Text(), "現在の時刻 : 21:48:58") << "the format read at start holds until the locale changes";
    form.LocaleChanged();
    form.Timer1Timer();
    const std::string clock = "現在の時刻 : 午後 09.48.58";
    EXPECT_EQ(form.Label28->Text(), clock);
    EXPECT_EQ(form.Label27->Text(), "日付 : 2026/12/09") << "the date keeps the day the game started";
    const int width = int(clock.size()) * FakeLabel::PixelsPerByte;
    ASSERT_GT(width, PageWidth - 352) << "the text must be too long to stand at the designed left";
    EXPECT_EQ(form.Label28->Left(), PageWidth - width) << "its right end at the page's edge";
    clock_locale.format.twelve_hour = false;
    clock_locale.format.hour_leading_zero = false;
    clock_locale.format.separator = ":";
    form.LocaleChanged();
    form.Timer1Timer();
    EXPECT_EQ(form.Label28->Left(), 352) << "a short text stands where the layout puts it";
    clock_locale.zero = "٠";
    form.LocaleChanged();
    form.Timer1Timer();
    EXPECT_EQ(form.Label28->Text(), "現在の時刻 : ٢١:٤٨:٥٨") << "in the locale's digits";
}

TEST(Form, AnErrorOfAnyKindLeavingAHandlerIsReportedWithItsFullStop)
{
    FakeFrontEnd window;
    TForm1& form = window.form;
    window.notebook.index = 4;
    form.Edit12->SetText("<b>");
    window.Click(form.Button10);
    // Whatever the platform throws from under a handler reaches the box too.
    window.notebook.index = 0;
    window.platform.opacity_fails = [] { throw std::runtime_error("opacity refused"); };
    window.Click(form.Button11);
    window.platform.opacity_fails = [] { throw 42; };
    window.Click(form.Button11);
    const std::vector<std::string> expected = {"Horumina|'<b>' は整数ではありません.", "Horumina|opacity refused.",
                                               "Horumina|不明なエラー."};
    EXPECT_EQ(window.platform.errors, expected) << "the text exactly as typed, and each kind with its full stop";
}

}  // namespace

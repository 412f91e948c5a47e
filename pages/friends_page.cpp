#include "core/friends_game.h"
#include "form/placement.h"
#include "form/tform1.h"
#include "pages/pages.h"

// Friends Game: guess a typed number of whole seconds, with four memo fields
// for keeping score among friends. Its top right corner carries the date the
// game started and a running clock.

namespace {

// Where the date and the clock stand, when their texts fit the page.
constexpr int ClockRowsLeft = 352;

const ControlRow FriendsGame[] = {
    {CONTROL(Label16), {88, 32, 197, 12}, "←指定する秒数(半角数字で整数のみ)"},
    {CONTROL(Label17), {16, 120, 209, 25}, "心の中で秒数を当ててください。", WindowFont, Flag::FixedSize},
    {CONTROL(Label18), {16, 144, 275, 12}, "なお、ストーリーモードのポイントには加算されません。"},
    {CONTROL(Label19), {320, 160, 75, 12}, "↑メモ欄です。"},
    {CONTROL(Label20), {320, 176, 138, 12}, "友達との対戦の結果などに"},
    {CONTROL(Label21), {432, 56, 6, 12}, "1"},
    {CONTROL(Label22), {432, 80, 6, 12}, "2"},
    {CONTROL(Label23), {432, 104, 6, 12}, "3"},
    {CONTROL(Label24), {432, 128, 6, 12}, "4"},
    {CONTROL(Label25), {152, 192, 48, 12}, "←結果♪"},
    {CONTROL(Label26), {320, 192, 79, 12}, "使ってください。"},
    {CONTROL(Label27), {ClockRowsLeft, 8, 4, 12}, ""},
    {CONTROL(Label28), {ClockRowsLeft, 24, 4, 12}, ""},
    {CONTROL(Edit12), {32, 16, 49, 23}, "5", {15, clWindowText, true}, Flag::None, 0, Cursor::Standard, nullptr, 3},
    {CONTROL(Edit13), {24, 72, 129, 24}, " 当 た る か  !  ?", {16, clGreen}, Flag::None, 1},
    {CONTROL(Button9), {192, 72, 75, 25}, "スタート (&S)", WindowFont, Flag::None, 2, Cursor::HandPoint, &TForm1::Button9Click},
    {CONTROL(Button10), {192, 112, 75, 25}, "ストップ (&P)", WindowFont, Flag::None, 3, Cursor::HandPoint,
     &TForm1::Button10Click},
    {CONTROL(Edit18), {24, 184, 121, 20}, "\u3000結 果 は 如 何 に ？", WindowFont, Flag::None, 4},
    {CONTROL(Edit14), {320, 56, 105, 20}, "", WindowFont, Flag::None, 5},
    {CONTROL(Edit15), {320, 80, 105, 20}, "", WindowFont, Flag::None, 6},
    {CONTROL(Edit16), {320, 104, 105, 20}, "", WindowFont, Flag::None, 7},
    {CONTROL(Edit17), {320, 128, 105, 20}, "", WindowFont, Flag::None, 8},
};

void ShowOnClockRow(Label& row, const std::string& text)
{
    row.SetText(text);
    row.SetLeft(ClockRowLeft(ClockRowsLeft, PageWidth, row.Width()));
}

}  // namespace

std::span<const ControlRow> FriendsGameRows() { return FriendsGame; }

void TForm1::Button9Click()
{
    const GuessStart shown = FriendsStart(State, ticks_, *Timer2);
    Edit13->SetText(shown.guess);
    Edit18->SetText(shown.result);
}

void TForm1::Button10Click()
{
    const GuessStop shown = FriendsStop(State, *Timer2, Edit12->Text());
    Edit18->SetText(shown.result);
    if (shown.hit)
        Button8->SetVisible(!Button8->Visible());
    Edit13->SetText(shown.seconds);
}

// The date and the running clock, in the top right corner of the page.

void ShowDate(Label& row, Platform& platform)
{
    ShowOnClockRow(row, "日付 : " + platform.Today());
}

void ShowClock(Label& row, Platform& platform, const ClockLocale& clock)
{
    const TimeOfDay now = platform.LocalTime();
    // In the locale's digits, as the date beside it is written.
    const std::string time = FormatClock(clock.format, now.hour, now.minute, now.second, clock.am, clock.pm);
    ShowOnClockRow(row, "現在の時刻 : " + InLocaleDigits(time, clock.zero));
}

void TForm1::Timer1Timer()
{
    ShowClock(*Label28, platform_, clock_locale_);
}

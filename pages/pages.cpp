#include "pages/pages.h"

#include "core/stopwatch.h"
#include "core/training.h"
#include "form/tform1.h"

const FormDesign& Form1Design()
{
    static const PageLayout notebook[] = {
        {"～ 心 の 目 ～", MindsEyeRows()},     {"～ 心 の 声 ～", HeartsVoiceRows()},
        {"- 記 憶 の 館 -", HallOfMemoryRows()}, {"＊謎ノ領域＊ ", MysteryDomainRows()},
        {"フレンズゲーム", FriendsGameRows()},
    };
    // The clock's second, the trials' refresh of their digits, and the
    // hidden trial's live readout.
    static const TimerRow timers[] = {
        {TIMER(Timer1), 1000, &TForm1::Timer1Timer},
        {TIMER(Timer2), 0, &TForm1::Timer2Timer},
        {TIMER(Timer3), 0, &TForm1::Timer3Timer},
    };
    static const FormDesign design{notebook, timers, &TForm1::FormCreate, &TForm1::ShowFirstPage};
    return design;
}

void TForm1::FormCreate()
{
    ShowDate(*Label27, platform_);
    ShowClock(*Label28, platform_, clock_locale_);
    ShowFirstPage();
    State.OpacityCounter = 230;
}

// What the creation handler writes on the first page.
void TForm1::ShowFirstPage()
{
    Edit1->SetText(EyePrompt);
}

// Both training pages and the Friends Game share the one refresh.
void TForm1::Timer2Timer()
{
    RefreshDigits(State, ticks_);
}

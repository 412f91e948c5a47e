#include "core/hidden_domain.h"
#include "form/tform1.h"
#include "pages/pages.h"

// The Hall of Memory (the scores, the way to the hidden domain, the close
// button) and the Mystery Domain (the live 7 : 7 : 7 trial and the bonus).

namespace {

const ControlRow HallOfMemory[] = {
    {CONTROL(Label1), {0, 8, 145, 17}, "～心の目～ のスコア", {15, clGreen}, Flag::FixedSize},
    {CONTROL(Label7), {0, 64, 134, 15}, "～心の声～ のスコア", {15, clNavy}},
    {CONTROL(Label10), {232, 8, 121, 20}, "トータル スコア", {15, clRed}, Flag::FixedSize},
    {CONTROL(Label11), {0, 176, 214, 12}, "計500以上デ記憶ヲ見セヨ。道ハ開カレン。"},
    {CONTROL(Image1), {384, 32, 73, 129}, "hall.jpg", WindowFont, Flag::None, -1, Cursor::Standard, nullptr, 0,
     "剣の一閃が残した軌跡の絵"},
    {CONTROL(Edit7), {224, 32, 121, 20}, "", WindowFont, Flag::ReadOnly | Flag::NoTabStop, 0},
    {CONTROL(Bt5), {216, 168, 75, 25}, "記憶表示", WindowFont, Flag::None, 1, Cursor::HandPoint, &TForm1::Bt5Click},
    {CONTROL(Edit8), {16, 32, 121, 20}, "", WindowFont, Flag::ReadOnly | Flag::NoTabStop, 2},
    {CONTROL(Edit9), {16, 96, 121, 20}, "", WindowFont, Flag::ReadOnly | Flag::NoTabStop, 3},
    {CONTROL(Button5), {232, 104, 113, 25}, "【隠し】 神の領域", WindowFont, Flag::Hidden, 4, Cursor::MultiDrag,
     &TForm1::Button5Click},
    {CONTROL(BitBtn1), {304, 168, 75, 25}, "閉じる(&C)", WindowFont, Flag::None, 5, Cursor::HandPoint, &TForm1::BitBtn1Click},
};

const ControlRow MysteryDomain[] = {
    {CONTROL(Label2), {16, 40, 241, 36}, "", {15, clWindowText}, Flag::FixedSize | Flag::Centred},
    {CONTROL(Label12), {136, 24, 88, 12}, "7 : 7 : 7 で 斬 れ!", WindowFont, Flag::Hidden},
    {CONTROL(Label13), {56, 64, 278, 12}, "？ : 「ここは貴様が来ていい領域ではない。立ち去れ。」"},
    {CONTROL(Label14), {96, 184, 194, 12}, "2004/07/07 刻読み工房 作:秒読み侍", {12, clTeal}, Flag::Centred},
    {CONTROL(Edit10), {56, 64, 217, 20}, "偽神 : 「かかって来い..」", WindowFont, Flag::ReadOnly | Flag::NoTabStop | Flag::Hidden, 0},
    {CONTROL(Button6), {32, 104, 75, 25}, "いくぞ (&S)", WindowFont, Flag::Hidden, 1, Cursor::HandPoint, &TForm1::Button6Click},
    {CONTROL(Button7), {224, 104, 75, 25}, "見切った (&P)", WindowFont, Flag::Hidden, 2, Cursor::HandPoint,
     &TForm1::Button7Click},
    {CONTROL(Edit11), {120, 152, 121, 20}, "", WindowFont, Flag::ReadOnly | Flag::NoTabStop, 3},
    {CONTROL(Button8), {304, 156, 49, 25}, "裏技(笑)", WindowFont, Flag::Hidden, 4, Cursor::Standard, &TForm1::Button8Click},
};

}  // namespace

std::span<const ControlRow> HallOfMemoryRows() { return HallOfMemory; }
std::span<const ControlRow> MysteryDomainRows() { return MysteryDomain; }

void TForm1::Bt5Click()
{
    const ScoreDisplay shown = ShowScores(State);
    Edit7->SetText(shown.points);
    Edit8->SetText(shown.eye_total);
    Edit9->SetText(shown.voice_total);
    Button5->SetVisible(shown.show_domain_button);
}

// Once open, the domain stays open for the rest of the run.
void TForm1::Button5Click()
{
    Label13->Hide();
    for (Control* control : std::initializer_list<Control*>{Label12, Edit10, Button6, Button7})
        control->Show();
}

void TForm1::BitBtn1Click() { platform_.CloseWindow(); }

void TForm1::Button6Click() { Edit10->SetTextColour(HiddenTrialStart(State, ticks_, *Timer3)); }

void TForm1::Button7Click()
{
    const HiddenTrialStop shown = HiddenTrialJudge(State, *Timer3);
    Edit10->SetTextColour(shown.readout_colour);
    if (shown.victory)
        Edit11->SetFontPixels(PointsToPixels(VictoryFontPoints, platform_.PixelsPerInch()));
    Edit11->SetText(shown.verdict);
}

void TForm1::Button8Click()
{
    TakeBonus(State);
    Button8->Hide();
}

void TForm1::Timer3Timer() { Edit10->SetText(LiveReadout(State, ticks_)); }

#include "core/hidden_domain.h"
#include "pages/pages.h"
#include "window/tform1.h"

// The Hall of Memory (the scores, the way to the hidden domain, the close
// button) and the Mystery Domain (the live 7 : 7 : 7 trial and the bonus).

namespace {

using T = TForm1;

const ControlRow HallOfMemory[] = {
    {&T::Label1, "Label1", {0, 8, 145, 17}, "～心の目～ のスコア", {15, clGreen}, FixedSize},
    {&T::Label7, "Label7", {0, 64, 134, 15}, "～心の声～ のスコア", {15, clNavy}},
    {&T::Label10, "Label10", {232, 8, 121, 20}, "トータル スコア", {15, clRed}, FixedSize},
    {&T::Label11, "Label11", {0, 176, 214, 12}, "計500以上デ記憶ヲ見セヨ。道ハ開カレン。"},
    {&T::Image1, "Image1", {384, 32, 73, 129}, ":/hall.jpg", WindowFont, 0, -1, Cursor::Standard, nullptr, 0,
     "剣の一閃が残した軌跡の絵"},
    {&T::Edit7, "Edit7", {224, 32, 121, 20}, "", WindowFont, ReadOnly | NoTabStop, 0},
    {&T::Bt5, "Bt5", {216, 168, 75, 25}, "記憶表示", WindowFont, 0, 1, Cursor::HandPoint, &T::Bt5Click},
    {&T::Edit8, "Edit8", {16, 32, 121, 20}, "", WindowFont, ReadOnly | NoTabStop, 2},
    {&T::Edit9, "Edit9", {16, 96, 121, 20}, "", WindowFont, ReadOnly | NoTabStop, 3},
    {&T::Button5, "Button5", {232, 104, 113, 25}, "【隠し】 神の領域", WindowFont, Hidden, 4, Cursor::MultiDrag,
     &T::Button5Click},
    {&T::BitBtn1, "BitBtn1", {304, 168, 75, 25}, "閉じる(&C)", WindowFont, 0, 5, Cursor::HandPoint, &T::BitBtn1Click},
};

const ControlRow MysteryDomain[] = {
    {&T::Label2, "Label2", {16, 40, 241, 36}, "", {15, clWindowText}, FixedSize | Centred},
    {&T::Label12, "Label12", {136, 24, 88, 12}, "7 : 7 : 7 で 斬 れ!", WindowFont, Hidden},
    {&T::Label13, "Label13", {56, 64, 278, 12}, "？ : 「ここは貴様が来ていい領域ではない。立ち去れ。」"},
    {&T::Label14, "Label14", {96, 184, 194, 12}, "2004/07/07 刻読み工房 作:秒読み侍", {12, clTeal}, Centred},
    {&T::Edit10, "Edit10", {56, 64, 217, 20}, "偽神 : 「かかって来い..」", WindowFont, ReadOnly | NoTabStop | Hidden, 0},
    {&T::Button6, "Button6", {32, 104, 75, 25}, "いくぞ (&S)", WindowFont, Hidden, 1, Cursor::HandPoint, &T::Button6Click},
    {&T::Button7, "Button7", {224, 104, 75, 25}, "見切った (&P)", WindowFont, Hidden, 2, Cursor::HandPoint,
     &T::Button7Click},
    {&T::Edit11, "Edit11", {120, 152, 121, 20}, "", WindowFont, ReadOnly | NoTabStop, 3},
    {&T::Button8, "Button8", {304, 156, 49, 25}, "裏技(笑)", WindowFont, Hidden, 4, Cursor::Standard, &T::Button8Click},
};

}  // namespace

std::span<const ControlRow> HallOfMemoryRows() { return HallOfMemory; }
std::span<const ControlRow> MysteryDomainRows() { return MysteryDomain; }

void TForm1::Bt5Click()
{
    const ScoreDisplay shown = ShowScores(State);
    Edit7->setText(Text(shown.points));
    Edit8->setText(Text(shown.eye_total));
    Edit9->setText(Text(shown.voice_total));
    Button5->setVisible(shown.show_domain_button);
}

// Once open, the domain stays open for the rest of the run.
void TForm1::Button5Click()
{
    Label13->hide();
    for (QWidget* control : {static_cast<QWidget*>(Label12), static_cast<QWidget*>(Edit10),
                             static_cast<QWidget*>(Button6), static_cast<QWidget*>(Button7)})
        control->show();
}

void TForm1::Button6Click() { Edit10->SetTextColour(HiddenTrialStart(State, ticks_, *Timer3)); }

void TForm1::Button7Click()
{
    const HiddenTrialStop shown = HiddenTrialJudge(State, *Timer3);
    Edit10->SetTextColour(shown.readout_colour);
    if (shown.victory)
        Edit11->SetFontPixels(PointsToPixels(VictoryFontPoints, Edit11->logicalDpiY()));
    Edit11->setText(Text(shown.verdict));
}

void TForm1::Button8Click()
{
    TakeBonus(State);
    Button8->hide();
}

void TForm1::Timer3Timer() { Edit10->setText(Text(LiveReadout(State, ticks_))); }

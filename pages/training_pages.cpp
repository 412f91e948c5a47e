#include "core/opacity.h"
#include "core/training.h"
#include "form/tform1.h"
#include "pages/pages.h"

// Mind's Eye (stop at five whole seconds) and Heart's Voice (stop when the
// tenths digit reads 5).

namespace {

const ControlRow MindsEye[] = {
    {CONTROL(Label3), {160, 24, 137, 25}, " 5  秒 を 心 で ヨ メ !", WindowFont, Flag::FixedSize | Flag::Centred},
    {CONTROL(Label4), {40, 150, 69, 13}, "いままでに、", {13, clGray}},
    {CONTROL(Label5), {40, 176, 59, 13}, "連続コンボ", {13, clWindowText}},
    {CONTROL(Label6), {152, 72, 138, 11}, "1 . 1/10 . 1/100 (秒) の順だ。", {11, clWindowText}},
    {CONTROL(Edit1), {136, 48, 233, 20}, "", WindowFont, Flag::ReadOnly | Flag::NoTabStop, 0},
    {CONTROL(Button1), {80, 96, 75, 25}, "スタート(&S)", WindowFont, Flag::None, 1, Cursor::HandPoint, &TForm1::Button1Click},
    {CONTROL(Button2), {336, 96, 75, 25}, "ストップ(&P)", WindowFont, Flag::None, 2, Cursor::HandPoint, &TForm1::Button2Click},
    {CONTROL(Edit2), {120, 144, 161, 21}, "0  回 、 見 切 っ た !", {13, clBlue}, Flag::ReadOnly | Flag::NoTabStop, 3},
    {CONTROL(Edit3), {120, 176, 161, 20}, "0  H i t !", {12, clTeal}, Flag::ReadOnly | Flag::NoTabStop, 4},
    {CONTROL(Button11), {304, 184, 153, 33}, "透明化 (Win2000/XP 以上)", WindowFont, Flag::None, 5, Cursor::HandPoint,
     &TForm1::Button11Click},
};

const ControlRow HeartsVoice[] = {
    {CONTROL(Label8), {40, 146, 65, 20}, "いままでに、", {12, clGray}, Flag::FixedSize},
    {CONTROL(Label9), {40, 176, 65, 20}, "連続コンボ", WindowFont, Flag::FixedSize},
    {CONTROL(Label15), {160, 24, 133, 12}, "1/10 の 位 を 5 で 断 て !"},
    {CONTROL(Edit4), {136, 48, 233, 20}, "・・・そろそろいけるか？", WindowFont, Flag::ReadOnly | Flag::NoTabStop, 0},
    {CONTROL(Button3), {80, 96, 73, 25}, "スタート(&S)", WindowFont, Flag::None, 1, Cursor::HandPoint, &TForm1::Button3Click},
    {CONTROL(Button4), {336, 96, 75, 25}, "ストップ (&P)", WindowFont, Flag::None, 2, Cursor::HandPoint, &TForm1::Button4Click},
    {CONTROL(Edit5), {120, 144, 161, 20}, "0 回 、 ヨ  ん だ !", {12, clBlue}, Flag::ReadOnly | Flag::NoTabStop, 3},
    {CONTROL(Edit6), {120, 176, 161, 20}, "0 H i t !", {12, clTeal}, Flag::ReadOnly | Flag::NoTabStop, 4},
};

void ShowStart(EditBox* prompt, const TrialStart& shown)
{
    prompt->SetTextColour(shown.colour);
    prompt->SetText(shown.prompt);
}

void ShowStop(TForm1& form, const TrialStop& shown, EditBox* verdict, EditBox* total, EditBox* combo)
{
    if (shown.hide_domain_button)
        form.Button5->Hide();
    if (shown.colour)
        verdict->SetTextColour(*shown.colour);
    verdict->SetText(shown.verdict);
    total->SetText(shown.total);
    combo->SetText(shown.combo);
}

}  // namespace

std::span<const ControlRow> MindsEyeRows() { return MindsEye; }
std::span<const ControlRow> HeartsVoiceRows() { return HeartsVoice; }

void TForm1::Button1Click() { ShowStart(Edit1, EyeStart(State, ticks_, *Timer2)); }

void TForm1::Button2Click() { ShowStop(*this, EyeStop(State, *Timer2), Edit1, Edit2, Edit3); }

void TForm1::Button3Click() { ShowStart(Edit4, VoiceStart(State, ticks_, *Timer2)); }

void TForm1::Button4Click() { ShowStop(*this, VoiceStop(State, *Timer2), Edit4, Edit5, Edit6); }

void TForm1::Button11Click() { platform_.SetOpacity(TransparencyClick(State)); }

#include "core/training.h"
#include "pages/pages.h"
#include "window/tform1.h"

// Mind's Eye (stop at five whole seconds) and Heart's Voice (stop when the
// tenths digit reads 5).

namespace {

using T = TForm1;

const ControlRow MindsEye[] = {
    {&T::Label3, "Label3", {160, 24, 137, 25}, " 5  秒 を 心 で ヨ メ !", WindowFont, FixedSize | Centred},
    {&T::Label4, "Label4", {40, 150, 69, 13}, "いままでに、", {13, clGray}},
    {&T::Label5, "Label5", {40, 176, 59, 13}, "連続コンボ", {13, clWindowText}},
    {&T::Label6, "Label6", {152, 72, 138, 11}, "1 . 1/10 . 1/100 (秒) の順だ。", {11, clWindowText}},
    {&T::Edit1, "Edit1", {136, 48, 233, 20}, "", WindowFont, ReadOnly | NoTabStop, 0},
    {&T::Button1, "Button1", {80, 96, 75, 25}, "スタート(&S)", WindowFont, 0, 1, Cursor::HandPoint, &T::Button1Click},
    {&T::Button2, "Button2", {336, 96, 75, 25}, "ストップ(&P)", WindowFont, 0, 2, Cursor::HandPoint, &T::Button2Click},
    {&T::Edit2, "Edit2", {120, 144, 161, 21}, "0  回 、 見 切 っ た !", {13, clBlue}, ReadOnly | NoTabStop, 3},
    {&T::Edit3, "Edit3", {120, 176, 161, 20}, "0  H i t !", {12, clTeal}, ReadOnly | NoTabStop, 4},
    {&T::Button11, "Button11", {304, 184, 153, 33}, "透明化 (Win2000/XP 以上)", WindowFont, 0, 5, Cursor::HandPoint,
     &T::Button11Click},
};

const ControlRow HeartsVoice[] = {
    {&T::Label8, "Label8", {40, 146, 65, 20}, "いままでに、", {12, clGray}, FixedSize},
    {&T::Label9, "Label9", {40, 176, 65, 20}, "連続コンボ", WindowFont, FixedSize},
    {&T::Label15, "Label15", {160, 24, 133, 12}, "1/10 の 位 を 5 で 断 て !"},
    {&T::Edit4, "Edit4", {136, 48, 233, 20}, "・・・そろそろいけるか？", WindowFont, ReadOnly | NoTabStop, 0},
    {&T::Button3, "Button3", {80, 96, 73, 25}, "スタート(&S)", WindowFont, 0, 1, Cursor::HandPoint, &T::Button3Click},
    {&T::Button4, "Button4", {336, 96, 75, 25}, "ストップ (&P)", WindowFont, 0, 2, Cursor::HandPoint, &T::Button4Click},
    {&T::Edit5, "Edit5", {120, 144, 161, 20}, "0 回 、 ヨ  ん だ !", {12, clBlue}, ReadOnly | NoTabStop, 3},
    {&T::Edit6, "Edit6", {120, 176, 161, 20}, "0 H i t !", {12, clTeal}, ReadOnly | NoTabStop, 4},
};

void ShowStart(EditBox* prompt, const TrialStart& shown)
{
    prompt->SetTextColour(shown.colour);
    prompt->setText(Text(shown.prompt));
}

void ShowStop(TForm1& form, const TrialStop& shown, EditBox* verdict, EditBox* total, EditBox* combo)
{
    if (shown.hide_domain_button)
        form.Button5->hide();
    if (shown.colour)
        verdict->SetTextColour(*shown.colour);
    verdict->setText(Text(shown.verdict));
    total->setText(Text(shown.total));
    combo->setText(Text(shown.combo));
}

}  // namespace

std::span<const ControlRow> MindsEyeRows() { return MindsEye; }
std::span<const ControlRow> HeartsVoiceRows() { return HeartsVoice; }

void TForm1::Button1Click() { ShowStart(Edit1, EyeStart(State, ticks_, *Timer2)); }

void TForm1::Button2Click() { ShowStop(*this, EyeStop(State, *Timer2), Edit1, Edit2, Edit3); }

void TForm1::Button3Click() { ShowStart(Edit4, VoiceStart(State, ticks_, *Timer2)); }

void TForm1::Button4Click() { ShowStop(*this, VoiceStop(State, *Timer2), Edit4, Edit5, Edit6); }

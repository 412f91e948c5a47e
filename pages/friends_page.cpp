#include "core/friends_game.h"
#include "pages/pages.h"
#include "window/tform1.h"

// Friends Game: guess a typed number of whole seconds, with four memo fields
// for keeping score among friends. The date and time labels belong to the
// clock.

namespace {

using T = TForm1;

const ControlRow FriendsGame[] = {
    {&T::Label16, "Label16", {88, 32, 197, 12}, "←指定する秒数(半角数字で整数のみ)"},
    {&T::Label17, "Label17", {16, 120, 209, 25}, "心の中で秒数を当ててください。", WindowFont, FixedSize},
    {&T::Label18, "Label18", {16, 144, 275, 12}, "なお、ストーリーモードのポイントには加算されません。"},
    {&T::Label19, "Label19", {320, 160, 75, 12}, "↑メモ欄です。"},
    {&T::Label20, "Label20", {320, 176, 138, 12}, "友達との対戦の結果などに"},
    {&T::Label21, "Label21", {432, 56, 6, 12}, "1"},
    {&T::Label22, "Label22", {432, 80, 6, 12}, "2"},
    {&T::Label23, "Label23", {432, 104, 6, 12}, "3"},
    {&T::Label24, "Label24", {432, 128, 6, 12}, "4"},
    {&T::Label25, "Label25", {152, 192, 48, 12}, "←結果♪"},
    {&T::Label26, "Label26", {320, 192, 79, 12}, "使ってください。"},
    {&T::Label27, "Label27", {ClockRowsLeft, 8, 4, 12}, ""},
    {&T::Label28, "Label28", {ClockRowsLeft, 24, 4, 12}, ""},
    {&T::Edit12, "Edit12", {32, 16, 49, 23}, "5", {15, clWindowText, true}, 0, 0, Cursor::Standard, nullptr, 3},
    {&T::Edit13, "Edit13", {24, 72, 129, 24}, " 当 た る か  !  ?", {16, clGreen}, 0, 1},
    {&T::Button9, "Button9", {192, 72, 75, 25}, "スタート (&S)", WindowFont, 0, 2, Cursor::HandPoint, &T::Button9Click},
    {&T::Button10, "Button10", {192, 112, 75, 25}, "ストップ (&P)", WindowFont, 0, 3, Cursor::HandPoint,
     &T::Button10Click},
    {&T::Edit18, "Edit18", {24, 184, 121, 20}, "\u3000結 果 は 如 何 に ？", WindowFont, 0, 4},
    {&T::Edit14, "Edit14", {320, 56, 105, 20}, "", WindowFont, 0, 5},
    {&T::Edit15, "Edit15", {320, 80, 105, 20}, "", WindowFont, 0, 6},
    {&T::Edit16, "Edit16", {320, 104, 105, 20}, "", WindowFont, 0, 7},
    {&T::Edit17, "Edit17", {320, 128, 105, 20}, "", WindowFont, 0, 8},
};

}  // namespace

std::span<const ControlRow> FriendsGameRows() { return FriendsGame; }

void TForm1::Button9Click()
{
    const GuessStart shown = FriendsStart(State, ticks_, *Timer2);
    Edit13->setText(Text(shown.guess));
    Edit18->setText(Text(shown.result));
}

void TForm1::Button10Click()
{
    const GuessStop shown = FriendsStop(State, *Timer2, Edit12->text().toStdString());
    Edit18->setText(Text(shown.result));
    if (shown.hit)
        Button8->setVisible(Button8->isHidden());
    Edit13->setText(Text(shown.seconds));
}

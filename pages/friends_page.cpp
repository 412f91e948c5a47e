#include "pages/pages.h"
#include "window/tform1.h"

namespace {

using T = TForm1;

const ControlRow FriendsGame[] = {
    {&T::Label27, "Label27", {352, 8, 4, 12}, ""},
    {&T::Label28, "Label28", {352, 24, 4, 12}, ""},
};

}  // namespace

std::span<const ControlRow> FriendsGameRows() { return FriendsGame; }

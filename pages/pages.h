#pragma once

#include <span>

#include "form/layout.h"

class Label;
class Platform;
struct ClockLocale;

// The game's window as designed: its five pages in order, each with its tab
// caption and its controls in the layout's order, its three timers and the
// handlers of the form's own events.
const FormDesign& Form1Design();

std::span<const ControlRow> MindsEyeRows();
std::span<const ControlRow> HeartsVoiceRows();
std::span<const ControlRow> HallOfMemoryRows();
std::span<const ControlRow> MysteryDomainRows();
std::span<const ControlRow> FriendsGameRows();

// The Friends Game page's date, written once at creation, and its clock.
void ShowDate(Label& row, Platform& platform);
void ShowClock(Label& row, Platform& platform, const ClockLocale& clock);

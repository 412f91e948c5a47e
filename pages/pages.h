#pragma once

#include <span>
#include <string>

#include <QString>

#include "window/layout.h"

// Each page's controls, in the layout's order.
std::span<const ControlRow> MindsEyeRows();
std::span<const ControlRow> HeartsVoiceRows();
std::span<const ControlRow> HallOfMemoryRows();
std::span<const ControlRow> MysteryDomainRows();
std::span<const ControlRow> FriendsGameRows();

// Where the date and the clock stand on the Friends Game page, when they fit.
inline constexpr int ClockRowsLeft = 352;

// The rules write their texts in UTF-8.
inline QString Text(const std::string& text) { return QString::fromStdString(text); }

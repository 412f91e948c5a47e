#pragma once

#include <span>

#include "window/layout.h"

// Each page's controls, in the layout's order.
std::span<const ControlRow> MindsEyeRows();
std::span<const ControlRow> HeartsVoiceRows();
std::span<const ControlRow> HallOfMemoryRows();
std::span<const ControlRow> MysteryDomainRows();
std::span<const ControlRow> FriendsGameRows();

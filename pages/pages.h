#pragma once

#include <span>

#include "form/layout.h"

// The notebook's five pages, in order, each with its tab caption and its
// controls in the layout's order.
std::span<const PageLayout> Pages();

std::span<const ControlRow> MindsEyeRows();
std::span<const ControlRow> HeartsVoiceRows();
std::span<const ControlRow> HallOfMemoryRows();
std::span<const ControlRow> MysteryDomainRows();
std::span<const ControlRow> FriendsGameRows();

#pragma once

#include <string>

#include "form/platform.h"

// The user's locale as the clock and the date label read it, asked afresh at
// each call, so a change of settings shows at the next reading.
ClockLocale ReadUserClockLocale();
std::string TodayInShortDate();

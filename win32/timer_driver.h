#pragma once

#include <functional>
#include <memory>

#include "form/layout_timer.h"

// A timer of the window over SetTimer, on a hidden message-only window of its
// own, so its ticks arrive as queued messages of the user-interface thread.
std::unique_ptr<TimerDriver> MakeWin32Timer(std::function<void()> tick);

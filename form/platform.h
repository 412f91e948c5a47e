#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/clock_format.h"
#include "form/layout_timer.h"

// A time of day as the local clock reads it.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// How the player's locale writes the clock: the format, its morning and
// afternoon designators already in the format's case, and its zero digit in
// UTF-8, after which its other nine digits follow.
struct ClockLocale {
    ClockFormat format;
    std::string am;
    std::string pm;
    std::string zero = "0";
};

// What the window needs of the platform it runs on. Each front end gives one.
class Platform {
public:
    virtual ~Platform() = default;

    // A timer whose ticks call `tick` on the user-interface thread.
    virtual std::unique_ptr<TimerDriver> MakeTimer(std::function<void()> tick) = 0;

    // A modal error box over the whole program, captioned `title`, showing
    // `text` as plain text; returns when the player has closed it, with the
    // focus back where it was.
    virtual void ShowError(const std::string& title, const std::string& text) = 0;

    // Closes the main window, which ends the program.
    virtual void CloseWindow() = 0;

    // The window's opacity, 1 (faintest) to 255 (opaque); where the platform
    // has no per-window opacity, nothing visible happens.
    virtual void SetOpacity(int opacity) = 0;

    // Today's date in the locale's short date format.
    virtual std::string Today() = 0;
    virtual TimeOfDay LocalTime() = 0;
    virtual ClockLocale ReadClockLocale() = 0;

    // The path of the running program, which the application's title is made from.
    virtual std::string ExecutablePath() = 0;

    // The screen's pixels per inch, for a type size given in points.
    virtual int PixelsPerInch() = 0;
};

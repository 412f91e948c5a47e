#pragma once

#include <windows.h>

#include "form/platform.h"
#include "win32/layout_scale.h"

// The game's platform on Windows.
class Win32Platform final : public Platform {
public:
    explicit Win32Platform(const LayoutScale& scale);

    // The application's hidden window, which owns the error box, and the main window.
    void SetWindows(HWND application, HWND main);
    // Whether this Windows has per-window opacity; the main window is made
    // layered only where it has.
    bool HasOpacity() const { return set_layered_ != nullptr; }

    std::unique_ptr<TimerDriver> MakeTimer(std::function<void()> tick) override;
    void ShowError(const std::string& title, const std::string& text) override;
    void CloseWindow() override;
    void SetOpacity(int opacity) override;
    std::string Today() override;
    TimeOfDay LocalTime() override;
    ClockLocale ReadClockLocale() override;
    std::string ExecutablePath() override;
    int PixelsPerInch() override;

private:
    using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    const LayoutScale& scale_;
    SetLayeredWindowAttributesFunction set_layered_ = nullptr;
    HWND application_ = nullptr;
    HWND main_ = nullptr;
};

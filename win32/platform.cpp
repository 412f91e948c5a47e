#include "win32/platform.h"

#include <vector>

#include "win32/user_locale.h"
#include "win32/timer_driver.h"
#include "win32/wide_text.h"

Win32Platform::Win32Platform(const LayoutScale& scale) : scale_(scale)
{
    // Windows before 2000 has no per-window opacity; looked up by name, its
    // absence leaves the transparency button without visible effect.
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll"))
        set_layered_ = reinterpret_cast<SetLayeredWindowAttributesFunction>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
}

void Win32Platform::SetWindows(HWND application, HWND main)
{
    application_ = application;
    main_ = main;
}

std::unique_ptr<TimerDriver> Win32Platform::MakeTimer(std::function<void()> tick)
{
    return MakeWin32Timer(std::move(tick));
}

// The box belongs to the application's window; the main window is disabled
// while it is open, so the player can only close the box, while the timers
// go on ticking. Afterwards the main window is active again with the focus
// where it was.
void Win32Platform::ShowError(const std::string& title, const std::string& text)
{
    HWND focus = GetFocus();
    const bool main_was_enabled = main_ && IsWindowEnabled(main_);
    if (main_was_enabled)
        EnableWindow(main_, FALSE);
    MessageBoxW(application_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONERROR | MB_APPLMODAL);
    if (main_was_enabled) {
        EnableWindow(main_, TRUE);
        if (IsWindowVisible(main_))
            SetActiveWindow(main_);
    }
    if (focus && IsWindow(focus))
        SetFocus(focus);
}

void Win32Platform::CloseWindow()
{
    // Posted, so the button whose click closes the window has returned from
    // its own message before the window goes.
    if (main_)
        PostMessageW(main_, WM_CLOSE, 0, 0);
}

void Win32Platform::SetOpacity(int opacity)
{
    if (set_layered_ && main_)
        set_layered_(main_, 0, BYTE(opacity), LWA_ALPHA);
}

std::string Win32Platform::Today() { return TodayInShortDate(); }

TimeOfDay Win32Platform::LocalTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

ClockLocale Win32Platform::ReadClockLocale() { return ReadUserClockLocale(); }

std::string Win32Platform::ExecutablePath()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size())
            return Utf8(std::wstring_view(path.data(), length));
        path.resize(path.size() * 2);
    }
}

// A size in points becomes a size in the layout's pixels, which the window
// scales to the screen like every other size: so the pixels per inch are
// given as the layout sees them.
int Win32Platform::PixelsPerInch() { return scale_.ToLayout(scale_.PixelsPerInch()); }

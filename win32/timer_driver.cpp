#include "win32/timer_driver.h"

#include <windows.h>

#include <timeapi.h>

namespace {

constexpr wchar_t ClassName[] = L"HoruminaTimer";
constexpr UINT_PTR TimerId = 1;
// Windows steps its timers at about 15.6 ms unless asked for finer steps;
// the stopwatch's refresh timers need every one of their 10 ms.
constexpr int FineBelow = 16;

// The system's timer resolution is shared by the whole machine: ask for 1 ms
// only while some fine timer of the game is running.
int running_fine_timers = 0;

void CountFineTimer(bool start)
{
    if (start && running_fine_timers++ == 0)
        timeBeginPeriod(1);
    else if (!start && --running_fine_timers == 0)
        timeEndPeriod(1);
}

class Win32Timer final : public TimerDriver {
public:
    explicit Win32Timer(std::function<void()> tick) : tick_(std::move(tick)) {}
    ~Win32Timer() override
    {
        Disarm();
        if (window_)
            DestroyWindow(window_);
    }

    bool Arm(int milliseconds) override
    {
        // Made when first armed: most of the game's timers are not running
        // at start-up.
        if (!window_)
            window_ = MakeWindow();
        if (!window_ || !SetTimer(window_, TimerId, UINT(milliseconds), nullptr))
            return false;
        SetFine(milliseconds < FineBelow);
        return true;
    }

    void Disarm() override
    {
        if (window_)
            KillTimer(window_, TimerId);
        SetFine(false);
    }

private:
    HWND MakeWindow()
    {
        static const ATOM registered = [] {
            WNDCLASSW window_class{};
            window_class.lpfnWndProc = Deliver;
            window_class.hInstance = GetModuleHandleW(nullptr);
            window_class.lpszClassName = ClassName;
            return RegisterClassW(&window_class);
        }();
        HWND window = registered ? CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                   GetModuleHandleW(nullptr), nullptr)
                                 : nullptr;
        if (window)
            SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(this));
        return window;
    }

    void SetFine(bool fine)
    {
        if (fine != fine_)
            CountFineTimer(fine);
        fine_ = fine;
    }

    static LRESULT CALLBACK Deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept
    {
        if (message == WM_TIMER && wparam == TimerId) {
            if (auto* timer = reinterpret_cast<Win32Timer*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
                timer->tick_();
            return 0;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    std::function<void()> tick_;
    HWND window_ = nullptr;
    bool fine_ = false;
};

}  // namespace

std::unique_ptr<TimerDriver> MakeWin32Timer(std::function<void()> tick)
{
    return std::make_unique<Win32Timer>(std::move(tick));
}

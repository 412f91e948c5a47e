// The Windows stopwatch's refresh as the game runs it: a 10 ms timer of the
// window over SetTimer, with the fine timer resolution it asks for. Prints
// the spacing of its ticks, and what a stop at a moment unrelated to the
// ticks would be judged on against the time truly elapsed (judged - true: 0
// or below, and above minus one refresh). Run it under Wine or Windows.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/percentile.h"
#include "form/layout_timer.h"
#include "win32/timer_driver.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Refreshes = 1000;
// Stops fall on a period that shares no divisor with the refresh's.
constexpr int StopEveryMs = 97;

void PrintSpread(const char* name, const std::vector<double>& samples)
{
    std::printf("%s_min=%.3f %s_p1=%.3f %s_p50=%.3f %s_p99=%.3f %s_max=%.3f %s_count=%zu\n", name,
                Percentile(samples, 0), name, Percentile(samples, 0.01), name, Percentile(samples, 0.5), name,
                Percentile(samples, 0.99), name, Percentile(samples, 1), name, samples.size());
}

}  // namespace

int main()
{
    std::vector<Clock::time_point> refreshes;
    refreshes.reserve(Refreshes + 1);
    std::vector<double> judged_minus_true;
    LayoutTimer refresh(MakeWin32Timer([&] {
        refreshes.push_back(Clock::now());
        if (refreshes.size() > Refreshes)
            PostQuitMessage(0);
    }));
    LayoutTimer stop(MakeWin32Timer([&] {
        if (!refreshes.empty())
            judged_minus_true.push_back(
                -std::chrono::duration<double, std::milli>(Clock::now() - refreshes.back()).count());
    }));
    refresh.SetInterval(10);
    stop.SetInterval(StopEveryMs);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    if (refreshes.size() <= Refreshes || judged_minus_true.empty()) {
        std::fprintf(stderr, "win32_refresh: the timers did not run\n");
        return 1;
    }
    PrintSpread("spacing", SpacingMs(refreshes));
    PrintSpread("judged_minus_true", judged_minus_true);
    return 0;
}

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include <unistd.h>

#include <QApplication>
#include <QMetaObject>

#include "bench/cpu_time.h"
#include "bench/percentile.h"
#include "bench/recording_ticks.h"
#include "qt/controls.h"
#include "qt/main_window.h"

// The real window on the real clock, driven from a second thread the way a
// player drives it: clicks arrive at moments of their own, and the window's
// event loop takes them in between its timer ticks. Measures the CPU of a
// silent and of a live trial, the spacing of the stopwatch's refreshes, and
// how far each judged time lies from the true time between the two clicks.
//
//   window_bench [--repeats N] [--trials N]
//
// N may be 0, so that a caller can put each span of the game right beside
// a span of something else, and take the judged trials on their own.
//
// Prints key=value lines, one line for each span measured; times in
// milliseconds.

namespace {

using Clock = RecordingTicks::Clock;

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

// Runs on the window's thread, between its events, and waits for it.
template <class Action>
void OnWindow(MainWindow& window, Action action)
{
    QMetaObject::invokeMethod(&window, action, Qt::BlockingQueuedConnection);
}

void Click(Button* button)
{
    static_cast<QPushButton*>(WidgetOf(button))->click();
}

double CpuPercentOver(Clock::duration span)
{
    const auto cpu_before = CpuTimeOf(getpid());
    const Clock::time_point from = Clock::now();
    std::this_thread::sleep_for(span);
    const auto used = CpuTimeOf(getpid()) - cpu_before;
    return 100.0 * std::chrono::duration<double>(used) / (Clock::now() - from);
}

void PrintSpread(const char* name, const std::vector<double>& samples)
{
    std::printf("%s_min=%.3f %s_p1=%.3f %s_p50=%.3f %s_p99=%.3f %s_max=%.3f %s_count=%zu\n", name,
                Percentile(samples, 0), name, Percentile(samples, 0.01), name, Percentile(samples, 0.5), name,
                Percentile(samples, 0.99), name, Percentile(samples, 1), name, samples.size());
}

constexpr int MindsEye = 0;
constexpr int HallOfMemory = 2;
constexpr int MysteryDomain = 3;
constexpr auto Span = std::chrono::seconds(10);

struct Player {
    MainWindow& window;
    TForm1& form;
    RecordingTicks& ticks;
    int repeats;
    int trials;

    void Play()
    {
        // Let start-up and the window manager's framing die down.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        if (repeats > 0) {
            SilentTrials();
            LiveTrials();
        }
        if (trials > 0)
            Judgements();
        OnWindow(window, [] { QApplication::quit(); });
    }

    void SilentTrials()
    {
        OnWindow(window, [this] { form.TabbedNotebook1->SetPageIndex(MindsEye); });
        for (int run = 0; run < repeats; ++run) {
            OnWindow(window, [this] {
                Click(form.Button1);
                ticks.StartRecording();
            });
            const double cpu = CpuPercentOver(Span);
            std::vector<Clock::time_point> refreshes;
            OnWindow(window, [&] {
                Click(form.Button2);
                refreshes = ticks.StopRecording();
            });
            std::printf("silent_cpu_percent=%.4f\n", cpu);
            PrintSpread("spacing", SpacingMs(refreshes));
        }
    }

    void LiveTrials()
    {
        // The way in without earning 500 points first: give them, then open
        // the domain from the Hall of Memory as a player would.
        bool shown = false;
        OnWindow(window, [&] {
            form.State.Points = 500;
            form.TabbedNotebook1->SetPageIndex(HallOfMemory);
            Click(form.Bt5);
            Click(form.Button5);
            form.TabbedNotebook1->SetPageIndex(MysteryDomain);
            shown = WidgetOf(form.Edit10)->isVisible();
        });
        if (!shown) {
            std::fprintf(stderr, "window_bench: the hidden trial did not open\n");
            std::exit(1);
        }
        for (int run = 0; run < repeats; ++run) {
            OnWindow(window, [this] { Click(form.Button6); });
            const double cpu = CpuPercentOver(Span);
            std::string readout;
            OnWindow(window, [&] {
                readout = form.Edit10->Text();
                Click(form.Button7);
            });
            std::printf("live_cpu_percent=%.4f live_readout=\"%s\"\n", cpu, readout.c_str());
        }
    }

    // Each trial starts and stops at moments of the player's own, between
    // and during the ticks. judged - true is what the player meets; the last
    // refresh before the stop and the cut to whole hundredths make it up.
    void Judgements()
    {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pause_us(20'000, 80'000), count_us(100'000, 300'000);
        std::vector<double> lag, since_refresh;
        OnWindow(window, [this] { form.TabbedNotebook1->SetPageIndex(MindsEye); });
        for (int trial = 0; trial < trials; ++trial) {
            std::this_thread::sleep_for(std::chrono::microseconds(pause_us(random)));
            const Clock::time_point start = Clock::now();
            OnWindow(window, [this] { Click(form.Button1); });
            std::this_thread::sleep_until(start + std::chrono::microseconds(count_us(random)));
            const Clock::time_point stop = Clock::now();
            int judged_cs = 0;
            Clock::time_point last_refresh;
            OnWindow(window, [&] {
                last_refresh = ticks.LastRead();
                Click(form.Button2);
                // The stop clears the digits but keeps the hundredths they came from.
                judged_cs = form.State.Centiseconds;
            });
            lag.push_back(judged_cs * 10.0 - Ms(stop - start));
            since_refresh.push_back(Ms(stop - last_refresh));
        }
        PrintSpread("lag", lag);
        PrintSpread("stop_after_refresh", since_refresh);
    }
};

int Count(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 100'000) {
        std::fprintf(stderr, "window_bench: a count must be a whole number from 0\n");
        std::exit(1);
    }
    return int(value);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int repeats = 3, trials = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--repeats") == 0)
            repeats = Count(argv[i + 1]);
        else if (std::strcmp(argv[i], "--trials") == 0)
            trials = Count(argv[i + 1]);
    }

    if (repeats == 0 && trials == 0) {
        std::fprintf(stderr, "window_bench: nothing to measure with no repeats and no trials\n");
        return 1;
    }

    RecordingTicks ticks;
    MainWindow window(ticks);
    window.ReportError = [](const QString& text) {
        std::fprintf(stderr, "window_bench: the game reported: %s\n", text.toUtf8().constData());
        std::exit(1);
    };
    Player player{window, window.Form1, ticks, repeats, trials};
    std::thread playing([&player] { player.Play(); });
    const int status = application.exec();
    playing.join();
    return status;
}

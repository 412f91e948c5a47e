#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "bench/percentile.h"
#include "qt/layout_font.h"

// The least a Qt Widgets program of the game's kind can do, measured beside
// the game: one window of the game's size and one label in the game's
// Japanese face. With "tick" a precise 10 ms timer runs and does nothing but
// note when it fired; with "readout" it also rewrites the label each time,
// as the hidden trial's live readout does. With "bare" the label is the
// window itself, at its text's size: the least window of one label.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const bool tick = argc > 1 && std::strcmp(argv[1], "tick") == 0;
    const bool readout = argc > 1 && std::strcmp(argv[1], "readout") == 0;
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QLabel alone(QStringLiteral("～ 心 の 目 ～"));
        alone.setWindowTitle(QStringLiteral("floor"));
        alone.setFont(LayoutFont(12));
        alone.show();
        return application.exec();
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(494, 265);
    QLabel label(QStringLiteral("～ 心 の 目 ～"), &window);
    label.setFont(LayoutFont(12));
    // Sized to its text, as a layout or the game's own labels size theirs:
    // like the game, the floor has its face loaded before its window maps.
    label.move(56, 64);
    label.adjustSize();

    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> fired;
    fired.reserve(100'000);
    const Clock::time_point started = Clock::now();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        fired.push_back(Clock::now());
        if (!readout)
            return;
        const auto centiseconds = std::chrono::duration_cast<std::chrono::milliseconds>(fired.back() - started).count() / 10;
        label.setText(QString::asprintf("%d : %d :%d ", int(centiseconds / 100), int(centiseconds / 10 % 10),
                                        int(centiseconds % 10)));
    });
    if (tick || readout)
        timer.start(10);

    window.show();
    const int status = application.exec();
    // Only the last ten seconds, the span the launcher measures, away from
    // the stir of start-up.
    if (fired.size() > 1) {
        const Clock::time_point from = fired.back() - std::chrono::seconds(10);
        std::erase_if(fired, [from](Clock::time_point at) { return at < from; });
        const std::vector<double> gaps = SpacingMs(fired);
        std::printf("spacing_p50=%.3f spacing_p99=%.3f spacing_max=%.3f\n", Percentile(gaps, 0.5),
                    Percentile(gaps, 0.99), Percentile(gaps, 1.0));
    }
    return status;
}

#include <chrono>
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTimer>

#include "core/tick_source.h"
#include "qt/font_warmup.h"
#include "qt/layout_font.h"
#include "qt/main_window.h"
#include "qt/timed_phase.h"

// The game's start-up as main() does it, with each phase timed from inside:
// the application object, the font database and the layout's face, each
// page's controls, the picture decode, show, and the first paint. Quits once
// the first frame is drawn.
//
// Prints one line for each phase: phase="…" ms=…

namespace {

using Clock = std::chrono::steady_clock;

void Print(const char* name, Clock::time_point from)
{
    std::printf("phase=\"%s\" ms=%.3f\n", name, std::chrono::duration<double, std::milli>(Clock::now() - from).count());
}

// Ends "first paint" once the window's first paint event has been handled
// and the frame flushed: a zero timer fires only after both.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(Clock::time_point from) : from_(from) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                Print("first paint", from_);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    Clock::time_point from_;
    bool seen_ = false;
};

}  // namespace

TimedPhase::TimedPhase(const char* name) : name_(name), from_(Clock::now()) {}

TimedPhase::~TimedPhase() { Print(name_, from_); }

int main(int argc, char* argv[])
{
    const Clock::time_point started = Clock::now();
    std::optional<TimedPhase> application_phase(std::in_place, "application object");
    FontConfigWarmUp fonts;
    QApplication application(argc, argv);
    fonts.Join();
    QGuiApplication::setDesktopFileName(QStringLiteral(HORUMINA_APP_ID));
    application_phase.reset();
    {
        const TimedPhase timed("font database and the layout's face");
        QFontDatabase::families();
        QApplication::setFont(LayoutFont(WindowFontPixels));
        QFontMetrics(QApplication::font()).height();
    }
    SteadyTickSource ticks;
    std::optional<TimedPhase> form_phase(std::in_place, "TForm1 with its first page");
    MainWindow window(ticks, MainWindow::Showing::FirstPageFirst);
    form_phase.reset();
    FirstPaint first_paint(Clock::now());
    window.installEventFilter(&first_paint);
    const int status = application.exec();
    Print("start to first paint", started);
    return status;
}

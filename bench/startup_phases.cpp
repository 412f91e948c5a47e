#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPixmap>
#include <QTimer>

#include "core/jpeg_picture.h"
#include "core/tick_source.h"
#include "qt/font_warmup.h"
#include "qt/layout_font.h"
#include "qt/main_window.h"

// The game's start-up as main() does it, each phase timed from outside the
// window: the application object, the font database and the layout's face,
// the window made with its first page and shown, its first paint, and the
// pages behind the first, built once that paint is on its way. Beside them,
// on their own, the two decodes the start-up makes: the window's icon and
// the hall's picture. Quits once every page is built.
//
// Prints one line for each phase: phase="…" ms=…

namespace {

using Clock = std::chrono::steady_clock;

void Print(const char* name, Clock::time_point from)
{
    std::printf("phase=\"%s\" ms=%.3f\n", name, std::chrono::duration<double, std::milli>(Clock::now() - from).count());
}

// Ends "first paint" once the window's first paint event has been handled
// and the frame flushed (a zero timer fires only after both), then waits
// for the form to be whole, its timers made last, looking every millisecond:
// a zero timer would keep the event loop from ever waiting, which is when
// the window starts on the pages behind.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(const MainWindow& window) : window_(window), from_(Clock::now()) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                Print("first paint", from_);
                WaitForTheRest(Clock::now());
            });
        }
        return false;
    }

private:
    void WaitForTheRest(Clock::time_point from)
    {
        if (window_.Form1.Timer1) {
            Print("the pages behind the first", from);
            QApplication::quit();
            return;
        }
        QTimer::singleShot(std::chrono::milliseconds(1), Qt::PreciseTimer, [this, from] { WaitForTheRest(from); });
    }

    const MainWindow& window_;
    Clock::time_point from_;
    bool seen_ = false;
};

void TimeTheDecodes()
{
    Clock::time_point from = Clock::now();
    QPixmap(QStringLiteral(":/horumina.png")).isNull();
    Print("window icon", from);
    QFile file(QStringLiteral(":/hall.jpg"));
    const QByteArray jpeg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    from = Clock::now();
    DecodeJpeg({reinterpret_cast<const std::uint8_t*>(jpeg.constData()), std::size_t(jpeg.size())});
    Print("picture decode", from);
}

}  // namespace

int main(int argc, char* argv[])
{
    Clock::time_point started = Clock::now();
    FontConfigWarmUp fonts;
    QApplication application(argc, argv);
    fonts.Join();
    QGuiApplication::setDesktopFileName(QStringLiteral(HORUMINA_APP_ID));
    Print("application object", started);
    Clock::time_point from = Clock::now();
    QFontDatabase::families();
    QApplication::setFont(LayoutFont(WindowFontPixels));
    QFontMetrics(QApplication::font()).height();
    Print("font database and the layout's face", from);
    SteadyTickSource ticks;
    from = Clock::now();
    MainWindow window(ticks);
    Print("window with its first page, shown", from);
    FirstPaint first_paint(window);
    window.installEventFilter(&first_paint);
    const int status = application.exec();
    Print("start to every page built", started);
    TimeTheDecodes();
    return status;
}

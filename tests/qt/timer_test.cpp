#include <gtest/gtest.h>

#include <thread>

#include <QCoreApplication>
#include <QTimerEvent>

#include "core/error_text.h"
#include "form/layout_timer.h"
#include "qt/timer.h"

namespace {

// The window's timer as the game has it: the layout's rule over a real QTimer.
struct RealTimer {
    RealTimer()
    {
        auto driver = std::make_unique<QtTimer>([this] { ++ticks; });
        qt = driver.get();
        timer = std::make_unique<LayoutTimer>(std::move(driver));
    }
    // What the event loop does when the period is up.
    void Fire()
    {
        QTimerEvent due(qt->timerId());
        QCoreApplication::sendEvent(qt, &due);
    }
    int ticks = 0;
    QtTimer* qt = nullptr;
    std::unique_ptr<LayoutTimer> timer;
};

// Keeping the phase is the layout timer's rule, counted on a fake driver;
// here, what the real timer does once armed and disarmed.
TEST(QtTimer, TicksOnlyWhileArmedPreciselyAtItsInterval)
{
    RealTimer real;
    EXPECT_FALSE(real.qt->isActive()) << "nothing ticks before it is armed";
    real.timer->SetInterval(10);
    ASSERT_TRUE(real.qt->isActive());
    EXPECT_EQ(real.qt->interval(), 10);
    EXPECT_EQ(real.qt->timerType(), Qt::PreciseTimer);
    real.Fire();
    EXPECT_EQ(real.ticks, 1);
    real.timer->SetInterval(20);
    EXPECT_EQ(real.qt->interval(), 20) << "a new interval";

    real.timer->SetInterval(0);
    EXPECT_FALSE(real.qt->isActive()) << "interval 0 stops it";
    EXPECT_EQ(real.timer->Interval(), 0);
}

TEST(QtTimer, ATimerThePlatformCannotGiveRaisesTheTimerError)
{
    // A thread without an event loop cannot have timers.
    std::string message;
    std::thread([&] {
        RealTimer orphan;
        try {
            orphan.timer->SetInterval(10);
        } catch (const GameError& error) {
            message = error.what();
        }
        EXPECT_FALSE(orphan.qt->isActive());
        EXPECT_EQ(orphan.timer->Interval(), 0);
    }).join();
    EXPECT_EQ(message, "タイマーを取得できません");
}

}  // namespace

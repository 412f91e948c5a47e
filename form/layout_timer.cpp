#include "form/layout_timer.h"

#include "core/error_text.h"

void LayoutTimer::SetInterval(int milliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    if (milliseconds == interval_)
        return;
    if (milliseconds == 0) {
        driver_->Disarm();
        interval_ = 0;
        return;
    }
    if (!driver_->Arm(milliseconds)) {
        driver_->Disarm();
        interval_ = 0;
        throw GameError("タイマーを取得できません");
    }
    interval_ = milliseconds;
}

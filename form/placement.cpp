#include "form/placement.h"

#include <algorithm>

FramePosition CentredFrame(const ScreenArea& desktop, int outer_width, int outer_height)
{
    return {desktop.left + std::max(0, (desktop.width - outer_width) / 2),
            desktop.top + std::max(0, (desktop.height - outer_height) / 2)};
}

int ClockRowLeft(int designed_left, int page_width, int label_width)
{
    return std::max(0, std::min(designed_left, page_width - label_width));
}

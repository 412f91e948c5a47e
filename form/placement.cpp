#include "form/placement.h"

#include <algorithm>

FramePosition CentredFrame(int desktop_width, int desktop_height, int outer_width, int outer_height)
{
    return {std::max(0, (desktop_width - outer_width) / 2), std::max(0, (desktop_height - outer_height) / 2)};
}

int ClockRowLeft(int designed_left, int page_width, int label_width)
{
    return std::max(0, std::min(designed_left, page_width - label_width));
}

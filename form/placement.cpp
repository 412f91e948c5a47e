#include "form/placement.h"

#include <algorithm>
#include <climits>

namespace {

bool Holds(const ScreenArea& monitor, int left, int top, int width, int height)
{
    return left >= monitor.left && top >= monitor.top && left + width <= monitor.left + monitor.width &&
           top + height <= monitor.top + monitor.height;
}

// How far a point lies outside a monitor, 0 inside it, on each axis apart.
long long DistanceSquared(const ScreenArea& monitor, int x, int y)
{
    const long long dx = std::max({0LL, (long long)monitor.left - x, (long long)x - (monitor.left + monitor.width)});
    const long long dy = std::max({0LL, (long long)monitor.top - y, (long long)y - (monitor.top + monitor.height)});
    return dx * dx + dy * dy;
}

FramePosition CentredOn(const ScreenArea& area, int outer_width, int outer_height)
{
    return {area.left + std::max(0, (area.width - outer_width) / 2),
            area.top + std::max(0, (area.height - outer_height) / 2)};
}

}  // namespace

FramePosition CentredFrame(std::span<const ScreenArea> monitors, int outer_width, int outer_height)
{
    if (monitors.empty())
        return {0, 0};
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const ScreenArea& m : monitors) {
        left = std::min(left, m.left);
        top = std::min(top, m.top);
        right = std::max(right, m.left + m.width);
        bottom = std::max(bottom, m.top + m.height);
    }
    const FramePosition on_desktop = CentredOn({0, 0, right, bottom}, outer_width, outer_height);
    for (const ScreenArea& m : monitors)
        if (Holds(m, on_desktop.left, on_desktop.top, outer_width, outer_height))
            return on_desktop;
    const int middle_x = left + (right - left) / 2;
    const int middle_y = top + (bottom - top) / 2;
    const ScreenArea* nearest = &monitors.front();
    for (const ScreenArea& m : monitors)
        if (DistanceSquared(m, middle_x, middle_y) < DistanceSquared(*nearest, middle_x, middle_y))
            nearest = &m;
    return CentredOn(*nearest, outer_width, outer_height);
}

int ClockRowLeft(int designed_left, int page_width, int label_width)
{
    return std::max(0, std::min(designed_left, page_width - label_width));
}

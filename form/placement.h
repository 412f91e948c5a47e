#pragma once

#include <span>

// One monitor's rectangle, in the window system's own pixels. Its corner
// need not be 0, 0: a monitor left of or above the primary one has negative
// coordinates.
struct ScreenArea {
    int left;
    int top;
    int width;
    int height;
};

// Where the window's frame goes when first shown; the frame's outer size
// includes the caption.
struct FramePosition {
    int left;
    int top;
    bool operator==(const FramePosition&) const = default;
};

// The window is centred on the desktop: the rectangle from 0, 0 to the far
// edges of every monitor, a result below 0 raised to 0. Where the frame so
// placed would not lie wholly on one monitor (across a seam, or where no
// monitor is), it is centred instead on the monitor that holds the middle
// of all the monitors, or else the one nearest to it, the first listed on a
// tie; a frame larger than that monitor keeps its corner on it, so that its
// caption can still be reached. List the primary monitor first.
FramePosition CentredFrame(std::span<const ScreenArea> monitors, int outer_width, int outer_height);

// A clock row stands where the layout puts it while its text fits the page;
// a longer text keeps its right end at the page's edge, so that no character
// is ever cut off.
int ClockRowLeft(int designed_left, int page_width, int label_width);

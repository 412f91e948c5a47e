#pragma once

// The desktop a window is centred on: the rectangle that holds every
// monitor, in the window system's own pixels. Its corner need not be 0, 0:
// on Windows a monitor left of or above the primary one has negative
// coordinates.
struct ScreenArea {
    int left;
    int top;
    int width;
    int height;
};

// Where the window's frame goes when first shown: centred on the desktop;
// the frame's outer size includes the caption. A frame larger than the
// desktop keeps its corner on it, so that its caption can still be reached.
struct FramePosition {
    int left;
    int top;
    bool operator==(const FramePosition&) const = default;
};

FramePosition CentredFrame(const ScreenArea& desktop, int outer_width, int outer_height);

// A clock row stands where the layout puts it while its text fits the page;
// a longer text keeps its right end at the page's edge, so that no character
// is ever cut off.
int ClockRowLeft(int designed_left, int page_width, int label_width);

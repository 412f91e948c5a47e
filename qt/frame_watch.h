#pragma once

#include <functional>

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>

class QWindow;

// Tells when the window manager frames the window: on X11 it sets the
// frame's extents on the window, reparents it into the frame and moves it,
// and the window system reports each step. After each, `placed` runs (once
// the toolkit has taken the step in), so the window can be placed again by
// its frame. It listens from the first showing for a moment after the first
// frame is seen, or for a few seconds where nothing frames the window, and
// then no more: a window the player moves later stays where they put it.
// It costs nothing between notices: it polls nothing.
class FrameWatch final : public QObject, public QAbstractNativeEventFilter {
public:
    FrameWatch(QWindow* window, std::function<void()> placed);
    ~FrameWatch() override;

    // Starts listening; returns false where the window system is not X11.
    bool Start();
    // Whether the frame has been seen: from then on it listens only a moment longer.
    void FrameSeen();

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    void Stop();

    QWindow* window_;
    std::function<void()> placed_;
    QTimer until_;
    bool listening_ = false;
    bool framed_ = false;
    bool pending_ = false;
    unsigned frame_extents_ = 0;  // the atom _NET_FRAME_EXTENTS
};

#include "qt/frame_watch.h"

#include <cstring>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#ifdef HORUMINA_X11
#include <xcb/xcb.h>
#endif

namespace {
// How long it listens where nothing frames the window, and how long after the
// first frame it still places the window again (a window manager may take a
// few steps to settle its frame).
constexpr int UnframedMs = 5000;
constexpr int SettleMs = 300;
}  // namespace

FrameWatch::FrameWatch(QWindow* window, std::function<void()> placed) : window_(window), placed_(std::move(placed))
{
    until_.setSingleShot(true);
    connect(&until_, &QTimer::timeout, this, &FrameWatch::Stop);
}

FrameWatch::~FrameWatch()
{
    Stop();
}

#ifdef HORUMINA_X11

bool FrameWatch::Start()
{
    if (listening_)
        return true;
    // Asked only of the X11 platform: others may answer with no connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = QGuiApplication::platformName() == QLatin1String("xcb") && x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    static constexpr char name[] = "_NET_FRAME_EXTENTS";
    if (xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr)) {
        frame_extents_ = reply->atom;
        std::free(reply);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    listening_ = true;
    until_.start(UnframedMs);
    return true;
}

bool FrameWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const xcb_window_t ours = xcb_window_t(window_->winId());
    bool step = false;
    switch (event->response_type & 0x7F) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* changed = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        step = changed->window == ours && changed->atom == frame_extents_;
        break;
    }
    case XCB_REPARENT_NOTIFY: step = reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window == ours; break;
    case XCB_CONFIGURE_NOTIFY: step = reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window == ours; break;
    default: break;
    }
    // Queued, so that Qt has taken the step in (the frame's margins, the
    // window's position) before the window is placed; several steps in one
    // burst place it once.
    if (step && !pending_) {
        pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                pending_ = false;
                if (listening_)
                    placed_();
            },
            Qt::QueuedConnection);
    }
    return false;
}

#else

bool FrameWatch::Start() { return false; }

bool FrameWatch::nativeEventFilter(const QByteArray&, void*, qintptr*) { return false; }

#endif

void FrameWatch::FrameSeen()
{
    if (framed_ || !listening_)
        return;
    framed_ = true;
    until_.start(SettleMs);
}

void FrameWatch::Stop()
{
    if (!listening_)
        return;
    listening_ = false;
    until_.stop();
    QCoreApplication::instance()->removeNativeEventFilter(this);
}


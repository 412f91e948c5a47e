#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/cpu_time.h"

// Starts a program on the X server of $DISPLAY and measures it from outside:
// the time from exec to its window being mapped (viewable), optionally the
// time from exec to the window's first complete picture (the last change of
// its pixels before they hold still for a second), optionally the CPU it
// uses over a span once it has settled, and the peak resident memory from
// start to close. The window is closed the way a window manager's close
// button does it, with WM_DELETE_WINDOW. With --then, a shell command runs
// once the window has settled and before the CPU span, with the window's id
// in $WINDOW (to start a trial in it, say); it must succeed.
//
// With --shown it also takes, from the same watch of the pixels, the time to
// the first picture that the window still shows a second later.
//
//   launch [--picture | --shown] [--settle S] [--then COMMAND] [--cpu S] PROGRAM [ARGS...]
//
// Prints one line:
//   startup_ms=… [complete_ms=… [shown_ms=…]] peak_rss_kb=… [cpu_percent=…]

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "launch: %s\n", what);
    std::exit(1);
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Session {
    xcb_connection_t* x;
    xcb_window_t root;
    xcb_atom_t wm_pid;
};

bool Viewable(const Session& s, xcb_window_t window)
{
    Owned<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(s.x, xcb_get_window_attributes(s.x, window), nullptr), &std::free);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool OwnedBy(const Session& s, xcb_window_t window, pid_t pid)
{
    Owned<xcb_get_property_reply_t> property(
        xcb_get_property_reply(s.x, xcb_get_property(s.x, 0, window, s.wm_pid, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    return property && xcb_get_property_value_length(property.get()) == 4 &&
           *static_cast<const std::uint32_t*>(xcb_get_property_value(property.get())) == std::uint32_t(pid);
}

// The program's window at or below a window just mapped: the window itself
// when no window manager frames it, else inside the frame.
std::optional<xcb_window_t> ProgramWindow(const Session& s, xcb_window_t window, pid_t pid, int depth = 0)
{
    if (OwnedBy(s, window, pid) && Viewable(s, window))
        return window;
    if (depth == 3)
        return std::nullopt;
    Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(s.x, xcb_query_tree(s.x, window), nullptr), &std::free);
    if (!tree)
        return std::nullopt;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        if (auto found = ProgramWindow(s, children[i], pid, depth + 1))
            return found;
    return std::nullopt;
}

bool Exited(pid_t pid, int& status, rusage& usage)
{
    return wait4(pid, &status, WNOHANG, &usage) == pid;
}

void Close(const Session& s, xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(s.x, "WM_PROTOCOLS");
    message.data.data32[0] = Atom(s.x, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(s.x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(s.x);
}

// The window's pixels, reduced to one number; nullopt when the server
// cannot read them.
std::optional<std::uint64_t> PictureOf(const Session& s, xcb_window_t window)
{
    Owned<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(s.x, xcb_get_geometry(s.x, window), nullptr), &std::free);
    if (!size)
        return std::nullopt;
    Owned<xcb_get_image_reply_t> image(
        xcb_get_image_reply(s.x, xcb_get_image(s.x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, size->width, size->height, ~0u),
                            nullptr),
        &std::free);
    if (!image)
        return std::nullopt;
    // FNV-1a over every byte, with the size, so a resize counts as a change.
    std::uint64_t hash = 1469598103934665603ull ^ (std::uint64_t(size->width) << 16 | size->height);
    const std::uint8_t* bytes = xcb_get_image_data(image.get());
    for (int i = 0; i < xcb_get_image_data_length(image.get()); ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

// Two readings of one watch of the window's pixels, taken every millisecond
// from the moment it was mapped until they have held still for a second:
//   complete: the last change before they held still;
//   shown: the first moment the window showed a picture that it still showed
//     a second later.
// They differ only where a picture comes back after another was shown for
// less than a second in between.
struct Pictures {
    Clock::time_point complete;
    Clock::time_point shown;
};

Pictures WatchPicture(const Session& s, xcb_window_t window, Clock::time_point mapped)
{
    constexpr auto Still = std::chrono::seconds(1);
    struct Sample {
        Clock::time_point at;
        std::uint64_t picture;
    };
    std::vector<Sample> samples;
    Clock::time_point changed = mapped;
    std::optional<std::uint64_t> shown;
    for (;;) {
        const Clock::time_point seen = Clock::now();
        if (seen - mapped > std::chrono::seconds(15))
            Fail("the window's picture never held still");
        const std::optional<std::uint64_t> picture = PictureOf(s, window);
        if (!picture)
            Fail("cannot read the window's pixels");
        samples.push_back({seen, *picture});
        if (picture != shown) {
            shown = picture;
            changed = seen;
        }
        // Stops on a sample a second or more after the last change, so that
        // every sample before it has one a second later to be held against.
        if (seen - changed >= Still)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    for (auto sample = samples.begin(); sample != samples.end(); ++sample) {
        const auto later =
            std::find_if(sample, samples.end(), [&](const Sample& other) { return other.at - sample->at >= Still; });
        if (later != samples.end() && later->picture == sample->picture)
            return {changed, sample->at};
    }
    Fail("no picture was still shown a second later");
}

double Seconds(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || value < 0)
        Fail("a span must be a number of seconds");
    return value;
}

}  // namespace

int main(int argc, char* argv[])
{
    double settle_s = 0.5;
    double cpu_s = 0;
    bool picture = false;
    bool shown = false;
    const char* then = nullptr;
    int first = 1;
    while (first < argc && std::strncmp(argv[first], "--", 2) == 0) {
        if (std::strcmp(argv[first], "--picture") == 0 || std::strcmp(argv[first], "--shown") == 0) {
            picture = true;
            if (std::strcmp(argv[first], "--shown") == 0)
                shown = true;
            ++first;
            continue;
        }
        if (first + 1 >= argc)
            Fail("an option lacks its value");
        if (std::strcmp(argv[first], "--settle") == 0)
            settle_s = Seconds(argv[first + 1]);
        else if (std::strcmp(argv[first], "--cpu") == 0)
            cpu_s = Seconds(argv[first + 1]);
        else if (std::strcmp(argv[first], "--then") == 0)
            then = argv[first + 1];
        else
            Fail("unknown option");
        first += 2;
    }
    if (first >= argc)
        Fail("usage: launch [--picture | --shown] [--settle S] [--then COMMAND] [--cpu S] PROGRAM [ARGS...]");

    int screen_number = 0;
    Session s{xcb_connect(nullptr, &screen_number), 0, 0};
    if (xcb_connection_has_error(s.x))
        Fail("no X server on $DISPLAY");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(s.x));
    for (int i = 0; i < screen_number; ++i)
        xcb_screen_next(&screens);
    s.root = screens.data->root;
    s.wm_pid = Atom(s.x, "_NET_WM_PID");
    // Every window mapped on the root: a frame, or an unframed window itself.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    Owned<xcb_generic_error_t> refused(
        xcb_request_check(s.x, xcb_change_window_attributes_checked(s.x, s.root, XCB_CW_EVENT_MASK, &mask)), &std::free);
    if (refused)
        Fail("cannot watch the root window");

    const Clock::time_point started = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0)
        Fail("cannot start the program");

    int status = 0;
    rusage usage{};
    std::optional<xcb_window_t> window;
    Clock::time_point mapped;
    const pollfd connection{xcb_get_file_descriptor(s.x), POLLIN, 0};
    while (!window) {
        if (Clock::now() - started > std::chrono::seconds(30) || Exited(pid, status, usage)) {
            kill(pid, SIGKILL);
            Fail("the program's window never appeared");
        }
        pollfd ready = connection;
        poll(&ready, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(s.x)) {
            Owned<xcb_generic_event_t> owned(event, &std::free);
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY || window)
                continue;
            const Clock::time_point seen = Clock::now();
            if ((window = ProgramWindow(s, reinterpret_cast<xcb_map_notify_event_t*>(event)->window, pid)))
                mapped = seen;
        }
    }

    std::optional<Pictures> pictures;
    if (picture)
        pictures = WatchPicture(s, *window, mapped);
    std::this_thread::sleep_for(std::chrono::duration<double>(settle_s));
    if (then) {
        setenv("WINDOW", std::to_string(*window).c_str(), 1);
        if (std::system(then) != 0) {
            Close(s, *window);
            Fail("the command given with --then failed");
        }
    }
    double cpu_percent = -1;
    if (cpu_s > 0) {
        const auto cpu_before = CpuTimeOf(pid);
        const Clock::time_point from = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(cpu_s));
        const auto used = CpuTimeOf(pid) - cpu_before;
        cpu_percent = 100.0 * std::chrono::duration<double>(used) / (Clock::now() - from);
    }

    Close(s, *window);
    const Clock::time_point asked = Clock::now();
    while (!Exited(pid, status, usage)) {
        if (Clock::now() - asked > std::chrono::seconds(10)) {
            kill(pid, SIGKILL);
            Fail("the program did not close its window");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    xcb_disconnect(s.x);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail("the program did not end cleanly");

    const auto ms = [started](Clock::time_point t) { return std::chrono::duration<double, std::milli>(t - started).count(); };
    std::printf("startup_ms=%.2f", ms(mapped));
    if (pictures)
        std::printf(" complete_ms=%.2f", ms(pictures->complete));
    if (pictures && shown)
        std::printf(" shown_ms=%.2f", ms(pictures->shown));
    std::printf(" peak_rss_kb=%ld", usage.ru_maxrss);
    if (cpu_percent >= 0)
        std::printf(" cpu_percent=%.4f", cpu_percent);
    std::printf("\n");
    return 0;
}

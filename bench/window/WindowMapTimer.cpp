// Starts a program and times it until the X server maps its first top-level
// window, then reads how much memory the program holds once the window is up.
// Prints one line: "mapped_ms WIDTH HEIGHT rss_kib". Run it with DISPLAY set
// to a server without a window manager (Xvfb), so that top-level windows are
// children of the root window. With --title, windows whose title does not
// start with TEXT (a splash, a dialog) are passed over.
// Usage: WindowMapTimer [--settle-ms N] [--title TEXT] PROGRAM [ARG ...]

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int MapTimeoutMs = 30000;

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

pid_t Start(char** argv) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

bool TitleStartsWith(xcb_connection_t* x, xcb_window_t window, const std::string& prefix) {
    if (prefix.empty())
        return true;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr),
        &std::free);
    if (!reply)
        return false;
    const std::string title(static_cast<const char*>(xcb_get_property_value(reply.get())),
                            static_cast<size_t>(xcb_get_property_value_length(reply.get())));
    return title.rfind(prefix, 0) == 0;
}

// The first window mapped straight on the root that is not a menu or tooltip.
bool WaitForTopLevelMap(xcb_connection_t* x, const std::string& title, xcb_window_t& window,
                        double& mappedAt) {
    const double deadline = NowMs() + MapTimeoutMs;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (NowMs() < deadline) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x),
                                                                         &std::free);
        if (!event) {
            if (xcb_connection_has_error(x))
                return false;
            poll(&fd, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        // Before the title is asked for: that takes a round trip.
        const double now = NowMs();
        auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
        if (!map->override_redirect && TitleStartsWith(x, map->window, title)) {
            window = map->window;
            mappedAt = now;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    int settleMs = 500;
    std::string title;
    int first = 1;
    for (; first + 1 < argc; first += 2) {
        if (std::strcmp(argv[first], "--settle-ms") == 0)
            settleMs = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--title") == 0)
            title = argv[first + 1];
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle-ms N] [--title TEXT] PROGRAM [ARG ...]\n",
                     argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const double start = NowMs();
    const pid_t pid = Start(argv + first);
    xcb_window_t window = 0;
    double mappedAt = 0;
    const bool mapped = WaitForTopLevelMap(x, title, window, mappedAt);
    const double mappedMs = mappedAt - start;
    int status = 0;
    if (!mapped) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        std::fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr), &std::free);
    // What the program holds once the first paint and its idle work are done.
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long rss = ResidentKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    xcb_disconnect(x);
    std::printf("%.3f %d %d %ld\n", mappedMs, geometry ? geometry->width : 0,
                geometry ? geometry->height : 0, rss);
    return 0;
}

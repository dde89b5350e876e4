// Starts a program and times it by the X server's own events: from the start until the
// MapNotify of its first top-level window. It waits for the server, not polling it, so
// nothing else competes with the program for the processors meanwhile.
// Usage: map_timer [--stay MS] program [argument ...]
// Prints "<ms to the first window created> <ms to the map> <peak memory in kB>"; the
// program is ended at the map, or MS milliseconds after it (to let it finish what it
// does once on screen, for its peak memory).
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int fail(const char* what) {
    std::fprintf(stderr, "map_timer: %s\n", what);
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    int stayMs = 0;
    if (argc > 2 && std::strcmp(argv[1], "--stay") == 0) {
        stayMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) return fail("usage: map_timer [--stay MS] program [argument ...]");

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) return fail("cannot open the display");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> e{xcb_request_check(x, cookie),
                                                                     &std::free})
        return fail("cannot watch the root window");

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0)
        return fail("cannot start the program");

    double created = -1;
    double mapped = -1;
    while (mapped < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{xcb_wait_for_event(x),
                                                                         &std::free};
        if (!event) break;  // the connection went
        switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY:
                if (created < 0) created = msSince(start);
                break;
            case XCB_MAP_NOTIFY: {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (!map->override_redirect) mapped = msSince(start);
                break;
            }
        }
    }
    if (stayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(stayMs));
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    xcb_disconnect(x);
    if (mapped < 0) return fail("the program mapped no window");
    std::printf("%.3f %.3f %ld\n", created, mapped, usage.ru_maxrss);
    return 0;
}

// Times the agent from its start to the moment a window of its covers the whole screen.
// Usage: lock_cover_latency RUNS COMMAND [ARGS...]   (on the display in $DISPLAY)
// Each run starts COMMAND, waits for an override-redirect window as large as the root window to
// be mapped, prints the milliseconds, and kills the command.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool CoversRoot(xcb_connection_t* connection, xcb_window_t window, const xcb_screen_t& screen) {
    const xcb_get_geometry_cookie_t cookie = xcb_get_geometry(connection, window);
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> geometry(
        xcb_get_geometry_reply(connection, cookie, nullptr), &free);
    return geometry != nullptr && geometry->x <= 0 && geometry->y <= 0 &&
           geometry->width >= screen.width_in_pixels && geometry->height >= screen.height_in_pixels;
}

// Milliseconds from the start of the command to the covering map; negative on time-out.
double TimeOneRun(xcb_connection_t* connection, const xcb_screen_t& screen, char** command) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    double elapsed = -1;
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    while (elapsed < 0 && Clock::now() < deadline) {
        std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(connection),
                                                                    &free);
        if (event == nullptr) {
            usleep(200);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->override_redirect && CoversRoot(connection, map->window, screen)) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t& screen = *xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = TimeOneRun(connection, screen, argv + 2);
        std::printf("run %d: %s%.1f ms\n", i + 1, ms < 0 ? "timed out, " : "", ms);
        if (ms >= 0) times.push_back(ms);
        usleep(300000);  // let the killed agent's windows go
    }
    if (times.empty()) return 1;
    std::sort(times.begin(), times.end());
    std::printf("start to covered screen: median %.1f ms, best %.1f ms, worst %.1f ms (%zu runs)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}

// Times the agent from its start to the moment a window of its covers the whole screen, and to
// the moment the lock form itself (the covering window titled "Ostrel 3.0") is mapped.
// Usage: lock_cover_latency RUNS COMMAND [ARGS...]   (on the display in $DISPLAY)
// Each run starts COMMAND, waits for those maps, prints the milliseconds, and kills the command.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
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

bool IsLockForm(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> name(
        xcb_get_property_reply(connection, cookie, nullptr), &free);
    if (name == nullptr) return false;
    const std::string text(static_cast<const char*>(xcb_get_property_value(name.get())),
                           xcb_get_property_value_length(name.get()));
    return text == "Ostrel 3.0";
}

struct RunTimes {
    double covered = -1;
    double lockForm = -1;
};

// Milliseconds from the start of the command to the first covering map and to the lock form's
// map; negative on time-out.
RunTimes TimeOneRun(xcb_connection_t* connection, const xcb_screen_t& screen, char** command) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    RunTimes times;
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    while (times.lockForm < 0 && Clock::now() < deadline) {
        std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(connection),
                                                                    &free);
        if (event == nullptr) {
            usleep(200);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (!map->override_redirect || !CoversRoot(connection, map->window, screen)) continue;
        const double elapsed =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (times.covered < 0) times.covered = elapsed;
        if (IsLockForm(connection, map->window)) times.lockForm = elapsed;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return times;
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

    std::vector<double> covered;
    std::vector<double> lockForm;
    for (int i = 0; i < runs; ++i) {
        const RunTimes times = TimeOneRun(connection, screen, argv + 2);
        std::printf("run %d: covered %.1f ms, lock form %.1f ms%s\n", i + 1, times.covered,
                    times.lockForm, times.lockForm < 0 ? " (timed out)" : "");
        if (times.lockForm < 0) continue;
        covered.push_back(times.covered);
        lockForm.push_back(times.lockForm);
        usleep(300000);  // let the killed agent's windows go
    }
    if (covered.empty()) return 1;
    const auto report = [](const char* what, std::vector<double>& ms) {
        std::sort(ms.begin(), ms.end());
        std::printf("start to %s: median %.1f ms, best %.1f ms, worst %.1f ms (%zu runs)\n", what,
                    ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
    };
    report("covered screen", covered);
    report("lock form", lockForm);
    return 0;
}

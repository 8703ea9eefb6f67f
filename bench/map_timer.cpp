// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times a program on an X display from its start to the map of its top-level window with a given
// title, as a user sees the window appear, and reports the program's peak memory over its whole
// run (the program is expected to end by itself soon after):
//   psn_map_timer TITLE PROGRAM [ARGUMENTS...]   prints "milliseconds kilobytes cpu-milliseconds"
// The last is the processor time the program had used when the window was mapped, by all its
// threads, those that had already ended included; a busy machine disturbs it less than the wall
// time.
// The program's output goes to /dev/null. The display is $DISPLAY; with no window manager there,
// top-level windows are children of the root window, whose map notifications this watches.
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                     xcb_atom_t type) {
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       xcb_get_property_value_length(reply.get()));
}

// The processor time used so far by a process, threads that have already ended included (a
// thread's own statistics go with it). Negative when the system does not give it.
double CpuMilliseconds(pid_t pid) {
    clockid_t clock = 0;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return -1;
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the X display '%s'\n", std::getenv("DISPLAY"));
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the server watches before the program starts.
    if (xcb_generic_error_t* error = xcb_request_check(
            c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "cannot watch the root window\n");
        return 1;
    }
    const xcb_atom_t netName = Atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (const int error = posix_spawn(&pid, argv[2], &actions, nullptr, argv + 2, environ)) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[2], std::strerror(error));
        return 1;
    }
    posix_spawn_file_actions_destroy(&actions);

    std::optional<double> mapped;
    double cpu = 0;
    int status = 0;
    rusage usage{};
    bool ended = false;
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    while (!ended && Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const Clock::time_point now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                if (!map->override_redirect &&
                    (Property(c, map->window, netName, utf8) == title ||
                     Property(c, map->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == title)) {
                    mapped = Milliseconds(start, now);
                    cpu = CpuMilliseconds(pid);
                }
            }
            std::free(event);
        }
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid || (done < 0 && errno != EINTR)) {
            ended = true;
            break;
        }
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, 10); // the map wakes it at once; the timeout only looks for the end
    }
    if (!ended) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
        std::fprintf(stderr, "%s did not end within 30 seconds\n", argv[2]);
        return 1;
    }
    xcb_disconnect(c);
    if (!mapped) {
        std::fprintf(stderr, "%s ended without mapping a window titled '%s'\n", argv[2],
                     title.c_str());
        return 1;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[2]);
        return 1;
    }
    std::printf("%.1f %ld %.1f\n", *mapped, usage.ru_maxrss, cpu);
    return 0;
}

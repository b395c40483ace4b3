// Starts a program and times it from exec to its window being mapped on the X server, then
// reports its processor time to that moment, and its memory and shared libraries once settled.
#include <xcb/xcb.h>

#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Nanoseconds on a processor, summed over the process's threads.
long long CpuNanoseconds(pid_t pid) {
    long long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu)
            total += onCpu;
    }
    return total;
}

// The resident set in kibibytes.
long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// Distinct shared objects mapped into the process.
std::size_t SharedLibraries(pid_t pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> paths;
    std::string line;
    while (std::getline(maps, line)) {
        const std::size_t slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            paths.insert(line.substr(slash));
    }
    return paths.size();
}

// Waits for the first top-level window of a client to be mapped: its own window, or the frame
// a window manager puts it in. Menus and tooltips bypass the window manager and don't count.
bool WaitForMap(xcb_connection_t* connection, Clock::time_point deadline) {
    const int fd = xcb_get_file_descriptor(connection);
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owner(event,
                                                                                   &std::free);
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd readable{fd, POLLIN, 0};
        poll(&readable, 1, static_cast<int>(left.count()));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    // Woken at once when the map comes, however busy the machine: real-time priority where
    // it is allowed, not handed down to the program.
    sched_param priority{};
    priority.sched_priority = sched_get_priority_min(SCHED_FIFO);
    sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &priority);
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server watches for maps before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const bool mapped = WaitForMap(connection, start + std::chrono::seconds(20));
    const Clock::time_point shown = Clock::now();
    const long long cpu = CpuNanoseconds(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = ResidentKiB(pid);
    const std::size_t libraries = SharedLibraries(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window mapped\n", argv[2]);
        return 1;
    }
    std::printf("mapped_ms %.1f cpu_ms %.1f rss_mib %.1f libraries %zu\n",
                std::chrono::duration<double, std::milli>(shown - start).count(), cpu / 1e6,
                rss / 1024.0, libraries);
    return 0;
}

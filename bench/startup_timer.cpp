// Starts programs under the running X server and measures, for each, the time
// from the start to its first top-level window being mapped, and its resident
// memory two seconds later. The programs take turns, so that both see the same
// machine; medians and their ratio to the first program are printed.
//
//   startup_timer RUNS NAME=COMMAND [NAME=COMMAND ...]

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

struct Sample {
    double millis;
    long kib;
};

Sample RunOnce(Display* display, const std::string& command) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), nullptr);
        _exit(127);
    }
    double millis = -1;
    const auto deadline = start + std::chrono::seconds(20);
    while (millis < 0 && Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                millis = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                break;
            }
        }
        if (millis < 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long kib = ResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {millis, kib};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS NAME=COMMAND [NAME=COMMAND ...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<std::string> names, commands;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        names.push_back(arg.substr(0, eq));
        commands.push_back(arg.substr(eq + 1));
    }
    std::vector<std::vector<double>> times(names.size()), memory(names.size());
    RunOnce(display, commands[0]);  // warms the file cache
    for (int run = 0; run < runs; ++run)
        for (std::size_t p = 0; p < names.size(); ++p) {
            const Sample sample = RunOnce(display, commands[p]);
            times[p].push_back(sample.millis);
            memory[p].push_back(double(sample.kib));
        }
    std::printf("%-16s %14s %14s %10s %10s\n", "program", "map ms (med)", "RSS KiB (med)", "time x", "memory x");
    for (std::size_t p = 0; p < names.size(); ++p)
        std::printf("%-16s %14.1f %14.0f %10.2f %10.2f\n", names[p].c_str(), Median(times[p]), Median(memory[p]),
                    Median(times[p]) / Median(times[0]), Median(memory[p]) / Median(memory[0]));
    XCloseDisplay(display);
    return 0;
}

// Starts programs under the running X server and measures, for each, the time
// from the start to its first top-level window being mapped, and its resident
// memory two seconds later (idle).
//
// With --play SECONDS each program is also started with its playing command
// (--playing NAME=COMMAND); once its window is mapped, its start command
// (--then NAME=SHELL, given the program's process id in $PID) runs and must
// succeed: it starts playback where the command line does not, and checks that
// sound flows. After a settling pause the CPU time that the program uses over
// SECONDS is taken, told as seconds per minute, and its resident memory at the
// end of that interval.
//
// --reset SHELL runs before every start, untimed (e.g. restores a settings
// folder, so that no run sees what an earlier one saved).
//
// The programs take turns, so that all see the same machine. Medians are
// printed, then the ratios of the first program to each of the others.
//
//   startup_timer [--reset SHELL] [--play SECONDS] [--playing NAME=COMMAND ...]
//                 [--then NAME=SHELL ...] RUNS NAME=COMMAND [NAME=COMMAND ...]

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kIdleWait = std::chrono::seconds(2);
constexpr auto kSettle = std::chrono::seconds(3);

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// User plus system CPU time of the process so far, in seconds.
double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto paren = text.rfind(')');  // the command name may hold blanks
    if (paren == std::string::npos) return -1;
    std::istringstream fields(text.substr(paren + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::strtoull(field.c_str(), nullptr, 10);
        if (i == 15) stime = std::strtoull(field.c_str(), nullptr, 10);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

void RunShell(const std::string& command) {
    if (!command.empty() && std::system(command.c_str()) != 0)
        std::fprintf(stderr, "warning: '%s' failed\n", command.c_str());
}

struct Started {
    pid_t pid;
    double mapMillis;  // negative when no window was mapped in time
};

Started Start(Display* display, const std::string& command) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), nullptr);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return {pid, std::chrono::duration<double, std::milli>(Clock::now() - start).count()};
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return {pid, -1};
}

void End(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    if (n == 0) return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Program {
    std::string name, command, playing, then;
    std::vector<double> mapMillis, idleKiB, playKiB, cpuPerMinute;
};

std::pair<std::string, std::string> SplitAssignment(const std::string& arg) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos) return {arg, ""};
    return {arg.substr(0, eq), arg.substr(eq + 1)};
}

void MeasureIdle(Display* display, const std::string& reset, Program& program) {
    RunShell(reset);
    const Started started = Start(display, program.command);
    std::this_thread::sleep_for(kIdleWait);
    program.mapMillis.push_back(started.mapMillis);
    program.idleKiB.push_back(double(ResidentKiB(started.pid)));
    End(started.pid);
}

// False when playback could not be started.
bool MeasurePlaying(Display* display, const std::string& reset, int seconds, Program& program) {
    RunShell(reset);
    const Started started = Start(display, program.playing);
    bool playing = started.mapMillis >= 0;
    if (playing && !program.then.empty()) {
        setenv("PID", std::to_string(started.pid).c_str(), 1);
        playing = std::system(program.then.c_str()) == 0;
    }
    if (playing) {
        std::this_thread::sleep_for(kSettle);
        const double before = CpuSeconds(started.pid);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const double after = CpuSeconds(started.pid);
        program.cpuPerMinute.push_back((after - before) * 60.0 / seconds);
        program.playKiB.push_back(double(ResidentKiB(started.pid)));
    }
    End(started.pid);
    return playing;
}

}  // namespace

int main(int argc, char** argv) {
    std::string reset;
    int playSeconds = 0;
    std::map<std::string, std::string> playing, then;
    int arg = 1;
    for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
        const std::string option = argv[arg], value = argv[arg + 1];
        if (option == "--reset") reset = value;
        else if (option == "--play") playSeconds = std::atoi(value.c_str());
        else if (option == "--playing") playing.insert(SplitAssignment(value));
        else if (option == "--then") then.insert(SplitAssignment(value));
        else break;
    }
    if (argc - arg < 2) {
        std::fprintf(stderr,
                     "usage: %s [--reset SHELL] [--play SECONDS] [--playing NAME=COMMAND ...] "
                     "[--then NAME=SHELL ...] RUNS NAME=COMMAND [NAME=COMMAND ...]\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const int runs = std::atoi(argv[arg++]);
    std::vector<Program> programs;
    for (; arg < argc; ++arg) {
        auto [name, command] = SplitAssignment(argv[arg]);
        programs.push_back({name, command, playing[name], then[name], {}, {}, {}, {}});
        if (playSeconds > 0 && programs.back().playing.empty()) {
            std::fprintf(stderr, "no --playing command for %s\n", name.c_str());
            return 2;
        }
    }

    RunShell(reset);
    End(Start(display, programs[0].command).pid);  // warms the file cache
    for (int run = 0; run < runs; ++run)
        for (Program& program : programs) {
            MeasureIdle(display, reset, program);
            if (playSeconds > 0 && !MeasurePlaying(display, reset, playSeconds, program)) {
                std::fprintf(stderr, "%s did not start playing\n", program.name.c_str());
                return 1;
            }
        }

    std::printf("%-16s %12s %14s %14s %14s\n", "program", "map ms", "idle RSS KiB", "play RSS KiB",
                "CPU s/min");
    for (const Program& p : programs)
        std::printf("%-16s %12.1f %14.0f %14.0f %14.2f\n", p.name.c_str(), Median(p.mapMillis),
                    Median(p.idleKiB), Median(p.playKiB), Median(p.cpuPerMinute));
    const Program& subject = programs[0];
    auto ratio = [](const std::vector<double>& a, const std::vector<double>& b) {
        return Median(b) > 0 ? Median(a) / Median(b) : 0.0;
    };
    std::printf("\n%-16s %12s %14s %14s %14s\n", (subject.name + " / ...").c_str(), "map", "idle RSS",
                "play RSS", "CPU");
    for (std::size_t p = 1; p < programs.size(); ++p) {
        const Program& other = programs[p];
        std::printf("%-16s %12.2f %14.2f %14.2f %14.2f\n", other.name.c_str(),
                    ratio(subject.mapMillis, other.mapMillis), ratio(subject.idleKiB, other.idleKiB),
                    ratio(subject.playKiB, other.playKiB), ratio(subject.cpuPerMinute, other.cpuPerMinute));
    }
    std::printf("(medians of %d runs%s)\n", runs,
                playSeconds > 0 ? (", CPU over " + std::to_string(playSeconds) + " s of playback").c_str()
                                : "");
    XCloseDisplay(display);
    return 0;
}

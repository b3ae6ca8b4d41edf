// Hand-overs between copies of the program. The test process plays the running
// copy: it holds a real main window and runs the real guard and listener, and
// real copies of the program are started against it. A minimised window that
// comes back shows that the running copy was brought to the front.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <utility>

#include "app/HandOverFrame.h"
#include "app/InstanceManager.h"
#include "support/FormFixture.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using namespace std::string_literals;

std::string ProgramPath() {
    const char* build = std::getenv("QUILBY_BUILD_DIR");
    return std::string(build ? build : ".") + "/QuilbyMP3Player";
}

// Holds copies back until all of them are ready to go at once.
class Gate {
public:
    Gate() { EXPECT_EQ(pipe2(fds_, O_CLOEXEC), 0); }
    ~Gate() { Open(); }
    // In a started copy: waits until the gate opens.
    void Wait() {
        char byte;
        close(fds_[1]);
        if (read(fds_[0], &byte, 1) != 0) _exit(125);
    }
    void Open() {
        for (int& fd : fds_)
            if (fd >= 0) close(std::exchange(fd, -1));
    }

private:
    int fds_[2] = {-1, -1};
};

// Starts a copy of the program; argv[0] is the path it is started by. With a
// gate, the copy waits until the gate opens.
pid_t StartCopy(const std::string& program, const std::vector<std::string>& params, const std::string& cwd = {},
                Gate* gate = nullptr) {
    std::vector<std::string> args{program};
    args.insert(args.end(), params.begin(), params.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
        if (gate) gate->Wait();
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

void Pump() {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(1ms);
}

// Runs the event loop until the condition holds; false when the limit ran out first.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 20s) {
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > end) return false;
        Pump();
    }
    return true;
}

// Waits for the processes, running the event loop meanwhile; the exit statuses
// of those that ended, -1 for those still running when the limit ran out.
std::vector<int> WaitFor(const std::vector<pid_t>& pids, std::chrono::milliseconds limit = 20s) {
    std::vector<int> statuses(pids.size(), -1);
    std::size_t left = pids.size();
    PumpUntil(
        [&] {
            for (std::size_t i = 0; i < pids.size(); ++i) {
                int status = 0;
                if (statuses[i] == -1 && waitpid(pids[i], &status, WNOHANG) == pids[i]) {
                    statuses[i] = status;
                    --left;
                }
            }
            return left == 0;
        },
        limit);
    return statuses;
}

void Kill(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool ExitedWithZero(int status) { return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0; }

std::string Header(std::size_t length) {
    return {char(length >> 24), char(length >> 16), char(length >> 8), char(length)};
}

std::string Raw(const std::string& body) { return Header(body.size()) + body; }

std::string Frame(const std::string& commandLine, const std::string& workingDir) {
    return handover::EncodeFrame({commandLine, workingDir});
}

bool FlockFree(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

class HandOver : public FormFixture {
protected:
    void SetUp() override {
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        FormFixture::SetUp();
        form->Show();
        form->Minimize();
        ASSERT_TRUE(PumpUntil([&] { return form->Minimized(); }));
    }

    void TearDown() override {
        for (pid_t pid : leftovers) Kill(pid);
        InstanceManager::Finish();
        FormFixture::TearDown();
    }

    void BecomeFirst() {
        char name[] = "QuilbyMP3Player";
        char* argv[] = {name, nullptr};
        ASSERT_TRUE(InstanceManager::Startup(1, argv));
        InstanceManager::Listen();
    }

    std::string Folder() const { return runtime / "quilby-mp3-player"; }
    std::string SocketPath() const { return Folder() + "/socket"; }

    int Connect() const {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, SocketPath().c_str());
        EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return fd;
    }

    // Whether the running copy has closed the connection, and what it answered.
    struct Reply {
        bool closed = false;
        std::string bytes;
    };
    Reply Peek(int fd) const {
        Reply reply;
        char buffer[16];
        for (;;) {
            const ssize_t n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n > 0) {
                reply.bytes.append(buffer, n);
                continue;
            }
            reply.closed = n == 0 || errno == ECONNRESET;
            return reply;
        }
    }
    Reply AwaitClose(int fd) const {
        Reply reply;
        PumpUntil([&] {
            const Reply now = Peek(fd);
            reply.bytes += now.bytes;
            reply.closed = now.closed;
            return reply.closed;
        });
        return reply;
    }

    // Sends a whole frame and waits for the running copy to finish with it.
    Reply Exchange(const std::string& bytes) const {
        const int fd = Connect();
        EXPECT_EQ(send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
        const Reply reply = AwaitClose(fd);
        close(fd);
        return reply;
    }

    TempDir runtime;
    std::vector<pid_t> leftovers;
};

TEST_F(HandOver, SecondStartAppendsTheFileTickedNotCurrentAndBringsTheWindowToTheFront) {
    Fill({"-first.mp3"});
    form->l1->SetItemIndex(0);
    BecomeFirst();
    const std::string file = dir / "second.mp3";

    const auto started = Clock::now();
    const pid_t copy = StartCopy(ProgramPath(), {file});
    const int status = WaitFor({copy})[0];
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
    if (status == -1) leftovers.push_back(copy);

    ASSERT_TRUE(ExitedWithZero(status)) << "status " << status;
    EXPECT_LT(took, 10s) << "a hand-over took " << took.count() << " ms";
    std::printf("second start handed over and ended after %d ms\n", int(took.count()));
    EXPECT_EQ(Texts(), (std::vector<std::string>{dir / "first.mp3", file}));
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true}));
    EXPECT_EQ(form->l1->ItemIndex(), 0);
    EXPECT_FALSE(form->Minimized());
    EXPECT_TRUE(form->Visible());
}

// How the running copy reads the second copy's command line: parameter 1 by
// the rules of the first start, made absolute against the second copy's folder.
struct LineCase {
    const char* name;
    bool programPathWithBlank;
    std::vector<std::string> params;  // "@" stands for the test's folder
    const char* cwd;                  // below the test's folder
    std::optional<std::string> appended;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class HandOverLines : public HandOver, public ::testing::WithParamInterface<LineCase> {
protected:
    std::string Expand(std::string text) const {
        if (text.rfind('@', 0) == 0) text.replace(0, 1, dir.path());
        return text;
    }
};

TEST_P(HandOverLines, AppendParameterOne) {
    const LineCase& c = GetParam();
    BecomeFirst();
    std::string program = ProgramPath();
    if (c.programPathWithBlank) {
        program = dir.MakeDir("my player") + "/QuilbyMP3Player";
        ASSERT_EQ(symlink(ProgramPath().c_str(), program.c_str()), 0);
    }
    std::vector<std::string> params;
    for (const auto& param : c.params) params.push_back(Expand(param));

    const pid_t copy = StartCopy(program, params, dir.MakeDir(c.cwd));
    const int status = WaitFor({copy})[0];
    if (status == -1) leftovers.push_back(copy);

    ASSERT_TRUE(ExitedWithZero(status)) << "status " << status;
    if (c.appended) {
        EXPECT_EQ(Texts(), std::vector<std::string>{Expand(*c.appended)});
        EXPECT_EQ(Ticks(), std::vector<bool>{true});
    } else {
        EXPECT_EQ(Texts(), std::vector<std::string>{});
    }
    EXPECT_FALSE(form->Minimized());
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandOverLines,
    ::testing::Values(
        LineCase{"ProgramPathInQuotes", true, {"@/a b.mp3"}, "", "@/a b.mp3"},
        LineCase{"Unquoted", false, {"@/plain.mp3"}, "", "@/plain.mp3"},
        LineCase{"Relative", false, {"song.mp3"}, "music", "@/music/song.mp3"},
        LineCase{"RelativeFromHere", false, {".//song.mp3"}, "music", "@/music/song.mp3"},
        LineCase{"RelativeIntoFolder", false, {"sub dir/song.mp3"}, "music", "@/music/sub dir/song.mp3"},
        LineCase{"EmptyParameterFirst", false, {"", "@/c.mp3"}, "", "@/c.mp3"},
        LineCase{"OnlyTheFirstOfTwo", false, {"@/d.mp3", "@/e.mp3"}, "", "@/d.mp3"},
        LineCase{"NoParameter", true, {}, "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandOver, SevenCopiesStartedAtOnceWhileTheFirstIsStartingAllHandOver) {
    // As the program does: the guard first, the event loop only later.
    BecomeFirst();
    std::vector<pid_t> copies;
    std::set<std::string> files;
    Gate gate;
    for (int i = 0; i < 7; ++i) {
        const std::string file = dir / ("song " + std::to_string(i) + ".mp3");
        files.insert(file);
        copies.push_back(StartCopy(ProgramPath(), {file}, {}, &gate));
    }
    gate.Open();

    const std::vector<int> statuses = WaitFor(copies, 60s);
    for (std::size_t i = 0; i < copies.size(); ++i) {
        EXPECT_TRUE(ExitedWithZero(statuses[i])) << "copy " << i << " status " << statuses[i];
        if (statuses[i] == -1) leftovers.push_back(copies[i]);
    }
    const std::vector<std::string> texts = Texts();
    EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()), files);
    EXPECT_EQ(texts.size(), files.size());
    EXPECT_EQ(Ticks(), std::vector<bool>(texts.size(), true));
}

TEST_F(HandOver, OfEightCopiesStartedAtOnceExactlyOneKeepsRunning) {
    std::vector<pid_t> copies;
    Gate gate;
    for (int i = 0; i < 8; ++i)
        copies.push_back(StartCopy(ProgramPath(), {dir / ("race " + std::to_string(i) + ".mp3")}, {}, &gate));
    gate.Open();

    std::vector<int> statuses(copies.size(), -1);
    PumpUntil(
        [&] {
            for (std::size_t i = 0; i < copies.size(); ++i) {
                int status = 0;
                if (statuses[i] == -1 && waitpid(copies[i], &status, WNOHANG) == copies[i]) statuses[i] = status;
            }
            return std::count(statuses.begin(), statuses.end(), -1) <= 1;
        },
        60s);

    const auto running = std::count(statuses.begin(), statuses.end(), -1);
    EXPECT_EQ(running, 1);
    EXPECT_TRUE(std::filesystem::is_socket(SocketPath()));
    for (std::size_t i = 0; i < copies.size(); ++i) {
        if (statuses[i] == -1)
            leftovers.push_back(copies[i]);
        else
            EXPECT_TRUE(ExitedWithZero(statuses[i])) << "copy " << i << " status " << statuses[i];
    }
}

TEST_F(HandOver, ACopyKilledWhileRunningLeavesItsSocketAndTheNextStartTakesItsPlace) {
    const pid_t killed = StartCopy(ProgramPath(), {});
    const bool listening = PumpUntil([&] {
        return std::filesystem::exists(SocketPath()) && FlockFree(Folder() + "/lock");
    });
    Kill(killed);
    ASSERT_TRUE(listening);
    ASSERT_TRUE(std::filesystem::is_socket(SocketPath()));

    BecomeFirst();
    const pid_t copy = StartCopy(ProgramPath(), {dir / "after.mp3"});
    const int status = WaitFor({copy})[0];
    if (status == -1) leftovers.push_back(copy);

    EXPECT_TRUE(ExitedWithZero(status)) << "status " << status;
    EXPECT_EQ(Texts(), std::vector<std::string>{dir / "after.mp3"});
}

TEST_F(HandOver, WhileTheLockStaysTakenASecondStartGivesUpAfterFiveSecondsAndEnds) {
    BecomeFirst();
    const int lock = open((Folder() + "/lock").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);

    const auto started = Clock::now();
    const pid_t copy = StartCopy(ProgramPath(), {dir / "late.mp3"});
    const int status = WaitFor({copy}, 30s)[0];
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
    close(lock);
    if (status == -1) leftovers.push_back(copy);

    EXPECT_TRUE(ExitedWithZero(status)) << "status " << status;
    EXPECT_GE(took, 5s);
    std::printf("a start held up by the lock ended after %d ms\n", int(took.count()));
    EXPECT_EQ(Texts(), std::vector<std::string>{});
    EXPECT_TRUE(form->Minimized());
}

TEST_F(HandOver, ARunningCopyThatDoesNotAnswerLeavesTheNewCopyToRunOnItsOwn) {
    // A stand-in for a running copy: it takes the message and closes unanswered.
    std::filesystem::create_directories(Folder());
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const timeval limit{20, 0};
    setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, SocketPath().c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    const pid_t copy = StartCopy(ProgramPath(), {dir / "own.mp3"});
    leftovers.push_back(copy);
    const int connection = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    ASSERT_GE(connection, 0);
    char header[4];
    ASSERT_EQ(recv(connection, header, 4, MSG_WAITALL), 4);
    close(connection);
    close(listener);

    // Ending with 0 now would mean it took the silence for a hand-over.
    EXPECT_EQ(WaitFor({copy}, 3s)[0], -1);
}

TEST_F(HandOver, AnotherUserIsRefusedEvenWhenTheFolderLetsItIn) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    BecomeFirst();
    ASSERT_EQ(chmod(runtime.path().c_str(), 0711), 0);
    ASSERT_EQ(chmod(Folder().c_str(), 0711), 0);
    ASSERT_EQ(chmod(SocketPath().c_str(), 0666), 0);
    const std::string frame = Frame("QuilbyMP3Player " + (dir / "intruder.mp3"), "/");
    const std::string path = SocketPath();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());

    const pid_t child = fork();
    if (child == 0) {
        if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) _exit(3);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) _exit(2);
        send(fd, frame.data(), frame.size(), MSG_NOSIGNAL);
        char answer = 0;
        _exit(recv(fd, &answer, 1, 0) == 1 ? 1 : 0);
    }
    const int status = WaitFor({child})[0];
    if (status == -1) leftovers.push_back(child);

    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: could not connect, 1: was answered, 3: could not become nobody";
    EXPECT_EQ(Texts(), std::vector<std::string>{});
    EXPECT_TRUE(form->Minimized());
}

TEST_F(HandOver, WithoutAMainWindowAHandOverIsDroppedUnanswered) {
    BecomeFirst();
    FormFixture::TearDown();
    ASSERT_EQ(Form1, nullptr);
    const Reply reply = Exchange(Frame("QuilbyMP3Player /music/a.mp3", "/"));
    EXPECT_TRUE(reply.closed);
    EXPECT_EQ(reply.bytes, "");
}

// Connections that break the rules; each is dropped unanswered, the playlist and
// the window stay as they were, and the next hand-over is taken as usual.
enum class Sender {
    Waits,  // has sent less than a frame and keeps the connection open
    Stays,  // has sent something wrong and keeps the connection open
    Closes  // closes its end after sending
};

struct BadCase {
    const char* name;
    std::string bytes;
    Sender sender;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

std::string Body(std::size_t size) {
    std::string body = "QuilbyMP3Player /" + std::string(size, 'x');
    body.resize(size - 2);
    return body + '\0' + '/';
}

class BadConnections : public HandOver, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadConnections, AreDroppedWithoutTouchingThePlaylist) {
    const BadCase& c = GetParam();
    BecomeFirst();
    const int fd = Connect();
    ASSERT_EQ(send(fd, c.bytes.data(), c.bytes.size(), MSG_NOSIGNAL), ssize_t(c.bytes.size()));
    if (c.sender == Sender::Closes) shutdown(fd, SHUT_WR);

    // The window goes on answering while the connection is being read.
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = true; });
    ASSERT_TRUE(PumpUntil([&] { return answered; }));
    if (c.sender == Sender::Waits) {
        EXPECT_FALSE(Peek(fd).closed) << "the connection was closed before the window answered";
    }

    const Reply reply = AwaitClose(fd);
    close(fd);
    EXPECT_TRUE(reply.closed);
    EXPECT_EQ(reply.bytes, "");
    EXPECT_EQ(Texts(), std::vector<std::string>{});
    EXPECT_TRUE(form->Minimized());

    const Reply next = Exchange(Frame("QuilbyMP3Player /music/next.mp3", "/"));
    EXPECT_EQ(next.bytes, std::string(1, handover::kHandled));
    EXPECT_EQ(Texts(), std::vector<std::string>{"/music/next.mp3"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadConnections,
    ::testing::Values(
        BadCase{"Silent", "", Sender::Waits},
        BadCase{"UnfinishedHeader", "\0\0"s, Sender::Waits},
        BadCase{"UnfinishedBody", Header(100) + "QuilbyMP3Player", Sender::Waits},
        BadCase{"OneByteOverTheLimit", Header(handover::kFrameLimit - 3) + "x", Sender::Stays},
        BadCase{"FarOverTheLimit", Header(0xFFFFFFFF), Sender::Stays},
        BadCase{"ZeroLength", Header(0), Sender::Stays},
        BadCase{"NoZeroByte", Raw("QuilbyMP3Player /a.mp3 /b"), Sender::Stays},
        BadCase{"TwoZeroBytes", Raw("QuilbyMP3Player /a.mp3\0/\0"s), Sender::Stays},
        BadCase{"RelativeWorkingFolder", Raw("QuilbyMP3Player a.mp3\0tmp"s), Sender::Stays},
        BadCase{"ClosedHalfway", Header(100) + "QuilbyMP3Player", Sender::Closes},
        BadCase{"ClosedBeforeTheAnswer", Frame("QuilbyMP3Player /music/gone.mp3", "/"), Sender::Closes}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandOver, AFrameOfExactlyTheLimitIsTaken) {
    BecomeFirst();
    const std::string body = Body(handover::kFrameLimit - handover::kHeaderSize);
    const Reply reply = Exchange(Raw(body));
    EXPECT_EQ(reply.bytes, std::string(1, handover::kHandled));
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0], body.substr(16, body.size() - 18));
}

// The keys of the [Desktop Entry] group of a desktop entry file.
std::map<std::string, std::string> DesktopEntry(const std::string& path) {
    std::map<std::string, std::string> keys;
    std::ifstream in(path);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        if (line.rfind('[', 0) == 0) inGroup = line == "[Desktop Entry]";
        const auto equals = line.find('=');
        if (inGroup && equals != std::string::npos) keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        if (!part.empty()) parts.push_back(part);
    return parts;
}

TEST_F(HandOver, AFileOpenedThroughTheInstalledDesktopEntryJoinsTheRunningCopy) {
    TempDir prefix;
    const std::string install = "cmake --install '" + ProgramPath().substr(0, ProgramPath().rfind('/')) +
                                "' --prefix '" + prefix.path() + "' > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;

    const auto entry = DesktopEntry(prefix / "share/applications/quilby-mp3-player.desktop");
    ASSERT_TRUE(entry.count("Exec"));
    EXPECT_EQ(entry.at("Type"), "Application");
    const auto mimeTypes = Split(entry.at("MimeType"), ';');
    EXPECT_EQ(std::set<std::string>(mimeTypes.begin(), mimeTypes.end()),
              (std::set<std::string>{"audio/mpeg", "audio/x-wav", "audio/wav", "audio/midi", "audio/x-midi"}));
    const std::string icon = ReadFile(prefix / ("share/icons/hicolor/scalable/apps/" + entry.at("Icon") + ".svg"));
    EXPECT_NE(icon.find("<svg"), std::string::npos);

    // As a file manager does: one file in place of %f, the program found in bin.
    std::vector<std::string> exec = Split(entry.at("Exec"), ' ');
    ASSERT_EQ(exec.size(), 2u);
    EXPECT_EQ(exec[1], "%f");
    const std::string program = prefix / ("bin/" + exec[0]);
    ASSERT_EQ(access(program.c_str(), X_OK), 0) << program;
    BecomeFirst();
    const std::string file = dir / "opened from the file manager.mp3";
    const pid_t copy = StartCopy(program, {file});
    const int status = WaitFor({copy})[0];
    if (status == -1) leftovers.push_back(copy);

    EXPECT_TRUE(ExitedWithZero(status)) << "status " << status;
    EXPECT_EQ(Texts(), std::vector<std::string>{file});
    EXPECT_EQ(Ticks(), std::vector<bool>{true});
    EXPECT_FALSE(form->Minimized());
}

}  // namespace

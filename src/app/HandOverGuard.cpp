#include "app/HandOverGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace handover {
namespace {

enum class Lock { Taken, Busy, Failed };

Lock TakeLock(int fd, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return Lock::Taken;
        if (errno != EWOULDBLOCK && errno != EINTR) return Lock::Failed;
        if (std::chrono::steady_clock::now() >= deadline) return Lock::Busy;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void SetTimeout(int fd, int option, int ms) {
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

sockaddr_un Address(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

bool SendAll(int fd, const std::string& data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Sends the frame on a connected socket; true when the answer is "handled".
bool HandOver(int fd, const std::string& frame) {
    if (frame.empty() || !SendAll(fd, frame)) return false;
    char answer = 0;
    ssize_t n;
    do n = recv(fd, &answer, 1, 0);
    while (n < 0 && errno == EINTR);
    return n == 1 && answer == kHandled;
}

std::string Absolute(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0] == '/' ? value : "";
}

}  // namespace

std::string Guard::Folder() {
    std::string folder = Absolute("XDG_RUNTIME_DIR");
    if (!folder.empty()) {
        folder += "/quilby-mp3-player";
    } else {
        folder = Absolute("TMPDIR");
        if (folder.empty()) folder = "/tmp";
        folder += "/quilby-mp3-player-" + std::to_string(geteuid());
    }
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return {};
    if ((st.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0) return {};
    return folder;
}

Guard::Outcome Guard::Start(const Message& message) {
    const std::string folder = Folder();
    socketPath_ = folder + "/socket";
    if (folder.empty() || socketPath_.size() >= sizeof(sockaddr_un::sun_path)) return Outcome::Alone;
    lock_ = open((folder + "/lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock_ < 0) return Outcome::Alone;
    switch (TakeLock(lock_, kLockWaitMs)) {
        case Lock::Taken:
            break;
        case Lock::Busy:
            Stop();
            return Outcome::Busy;
        case Lock::Failed:
            Stop();
            return Outcome::Alone;
    }

    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        Stop();
        return Outcome::Alone;
    }
    SetTimeout(fd, SO_SNDTIMEO, kLockWaitMs);
    SetTimeout(fd, SO_RCVTIMEO, kAnswerWaitMs);
    const sockaddr_un address = Address(socketPath_);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        // Copies queue on the running one's socket, not on the lock.
        Stop();
        const bool handed = HandOver(fd, EncodeFrame(message));
        close(fd);
        return handed ? Outcome::HandedOver : Outcome::Alone;
    }
    const int error = errno;
    close(fd);
    // No socket, or one whose copy has died: this copy takes its place.
    const bool first = (error == ENOENT || error == ECONNREFUSED) && Listen();
    flock(lock_, LOCK_UN);
    if (!first) Stop();
    return first ? Outcome::First : Outcome::Alone;
}

bool Guard::Listen() {
    if (unlink(socketPath_.c_str()) != 0 && errno != ENOENT) return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const sockaddr_un address = Address(socketPath_);
    struct stat st {};
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        chmod(socketPath_.c_str(), 0600) != 0 || listen(fd, SOMAXCONN) != 0 || lstat(socketPath_.c_str(), &st) != 0) {
        close(fd);
        return false;
    }
    listen_ = fd;
    socketDev_ = st.st_dev;
    socketIno_ = st.st_ino;
    return true;
}

void Guard::Stop() {
    if (listen_ >= 0) {
        // Waiting senders see the socket close; a copy that starts meanwhile may
        // already have put its own socket in place, which stays.
        close(listen_);
        listen_ = -1;
        if (TakeLock(lock_, kLockWaitMs) == Lock::Taken) {
            struct stat st {};
            if (lstat(socketPath_.c_str(), &st) == 0 && st.st_dev == socketDev_ && st.st_ino == socketIno_)
                unlink(socketPath_.c_str());
        }
    }
    if (lock_ >= 0) close(lock_);
    lock_ = -1;
}

}  // namespace handover

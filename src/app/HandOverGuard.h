#pragma once
// Decides at start whether this copy of the program runs or hands its message
// to a copy that runs already. Both meet in a folder of the user's own: the
// user's runtime folder, or, without one, a folder under the temporary folder
// that this user owns, mode 0700. In it an advisory lock on the file "lock"
// lets one starting copy at a time look for the running one, and the running
// one listens on the Unix socket "socket", mode 0600.

#include <sys/types.h>

#include <string>

#include "app/HandOverFrame.h"

namespace handover {

class Guard {
public:
    static constexpr int kLockWaitMs = 5000;
    static constexpr int kAnswerWaitMs = 10000;

    enum class Outcome {
        First,       // this copy listens: ListenFd() is open
        HandedOver,  // the running copy took the message
        Alone,       // no hand-over and no listening: this copy runs on its own
        Busy,        // the lock stayed taken for kLockWaitMs
    };

    Guard() = default;
    ~Guard() { Stop(); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

    // When a copy is listening, sends it the message and waits for its answer;
    // when none is (no socket, or one that a copy left behind when it died),
    // this copy starts listening. The lock is held from before the look until
    // the socket listens or the connection is made.
    Outcome Start(const Message& message);
    // The listening socket, non-blocking; -1 unless Start gave First.
    int ListenFd() const { return listen_; }
    // Stops listening and removes the socket unless another copy has put its own there.
    void Stop();

    // The meeting folder, made when missing; empty when it cannot be used.
    static std::string Folder();

private:
    bool Listen();

    std::string socketPath_;
    int lock_ = -1;
    int listen_ = -1;
    dev_t socketDev_ = 0;
    ino_t socketIno_ = 0;
};

}  // namespace handover

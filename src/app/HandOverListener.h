#pragma once
// Takes hand-overs from second copies on a listening Unix socket, inside the
// event loop and one connection at a time. A connection from another user, a
// frame that is too long, short or malformed, a sender that closes before the
// answer, or one that has not sent its whole frame within two seconds is
// dropped unanswered and the handler never sees it.

#include <functional>
#include <memory>
#include <string>

#include "app/HandOverFrame.h"
#include "vcl/FdWatch.h"
#include "vcl/Timer.h"

namespace handover {

class Listener {
public:
    // Handles one message; true when it was taken, which the sender is told.
    using Handler = std::function<bool(const Message&)>;
    static constexpr int kSilenceLimitMs = 2000;
    // With no file descriptor left to accept a connection, the listener rests this long.
    static constexpr int kRetryMs = 200;

    // listenFd stays the caller's; it must be non-blocking.
    Listener(int listenFd, Handler handler);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    void Accept();
    void Receive();
    void Deliver(const Message& message);
    void Drop();

    int listenFd_;
    Handler handler_;
    vcl::TFdWatch listenWatch_;
    vcl::TTimer silence_;
    vcl::TTimer retry_;
    int connection_ = -1;
    std::unique_ptr<vcl::TFdWatch> connectionWatch_;
    std::string received_;
    std::size_t expected_ = kHeaderSize;
};

}  // namespace handover

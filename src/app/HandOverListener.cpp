#include "app/HandOverListener.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace handover {
namespace {

bool SameUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

// True when the sender has closed its end, so that no one waits for the answer.
bool SenderGone(int fd) {
    pollfd p{fd, POLLRDHUP, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & (POLLRDHUP | POLLHUP | POLLERR));
}

}  // namespace

Listener::Listener(int listenFd, Handler handler)
    : listenFd_(listenFd), handler_(std::move(handler)), listenWatch_(listenFd, [this] { Accept(); }) {
    silence_.SetEnabled(false);
    silence_.SetInterval(kSilenceLimitMs);
    silence_.OnTimer = [this](vcl::TObject*) { Drop(); };
    retry_.SetEnabled(false);
    retry_.SetInterval(kRetryMs);
    retry_.OnTimer = [this](vcl::TObject*) {
        retry_.SetEnabled(false);
        if (connection_ < 0) listenWatch_.SetEnabled(true);
    };
}

Listener::~Listener() { Drop(); }

void Listener::Accept() {
    const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        // The waiting connection stays queued; asking again at once would only spin.
        if (errno == EMFILE || errno == ENFILE) {
            listenWatch_.SetEnabled(false);
            retry_.SetEnabled(true);
        }
        return;
    }
    if (!SameUser(fd)) {
        close(fd);
        return;
    }
    connection_ = fd;
    received_.clear();
    expected_ = kHeaderSize;
    listenWatch_.SetEnabled(false);
    connectionWatch_ = std::make_unique<vcl::TFdWatch>(fd, [this] { Receive(); });
    silence_.SetEnabled(true);
}

void Listener::Receive() {
    char buffer[4096];
    while (received_.size() < expected_) {
        const std::size_t want = std::min(sizeof buffer, expected_ - received_.size());
        const ssize_t n = recv(connection_, buffer, want, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        if (n <= 0) return Drop();
        received_.append(buffer, static_cast<std::size_t>(n));
        if (received_.size() == kHeaderSize) {
            const auto length = BodyLength(received_.data());
            if (!length) return Drop();
            expected_ = kHeaderSize + *length;
        }
    }
    const auto message = DecodeBody(received_.substr(kHeaderSize));
    if (!message || SenderGone(connection_)) return Drop();
    Deliver(*message);
}

void Listener::Deliver(const Message& message) {
    // The connection ends here whether the handler returns or raises.
    struct Answer {
        Listener* self;
        bool handled = false;
        ~Answer() {
            if (handled) send(self->connection_, &kHandled, 1, MSG_NOSIGNAL);
            self->Drop();
        }
    } answer{this};
    silence_.SetEnabled(false);
    connectionWatch_->SetEnabled(false);
    answer.handled = handler_(message);
}

void Listener::Drop() {
    silence_.SetEnabled(false);
    connectionWatch_.reset();
    if (connection_ >= 0) close(connection_);
    connection_ = -1;
    listenWatch_.SetEnabled(true);
}

}  // namespace handover

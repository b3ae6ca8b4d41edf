#pragma once
// Watches a file descriptor from the event loop. OnReadable runs on the UI
// thread whenever the descriptor has data to read, a connection waiting to be
// accepted, or an end of stream; it runs through the application's error
// report. The watch may be destroyed from inside its own OnReadable.

#include <functional>

class QSocketNotifier;

namespace vcl {

class TFdWatch {
public:
    TFdWatch(int fd, std::function<void()> onReadable);
    ~TFdWatch();
    TFdWatch(const TFdWatch&) = delete;
    TFdWatch& operator=(const TFdWatch&) = delete;

    void SetEnabled(bool enabled);

private:
    QSocketNotifier* notifier_;
    std::function<void()> onReadable_;
};

}  // namespace vcl

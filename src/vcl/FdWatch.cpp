#include "vcl/FdWatch.h"

#include <QSocketNotifier>

#include "vcl/Application.h"

namespace vcl {

TFdWatch::TFdWatch(int fd, std::function<void()> onReadable)
    : notifier_(new QSocketNotifier(fd, QSocketNotifier::Read)), onReadable_(std::move(onReadable)) {
    QObject::connect(notifier_, &QSocketNotifier::activated, [this] {
        // A copy, so that the handler may destroy this watch while it runs.
        auto handler = onReadable_;
        Dispatch(handler);
    });
}

TFdWatch::~TFdWatch() { delete notifier_; }

void TFdWatch::SetEnabled(bool enabled) { notifier_->setEnabled(enabled); }

}  // namespace vcl

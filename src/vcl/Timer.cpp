#include "vcl/Timer.h"

#include <QTimer>

#include "vcl/Application.h"

namespace vcl {

TTimer::TTimer() : timer_(new QTimer) {
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, [this] { Tick(); });
    timer_->start(interval_);
}

TTimer::~TTimer() { delete timer_; }

void TTimer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (enabled)
        timer_->start(interval_);
    else
        timer_->stop();
}

void TTimer::SetInterval(int milliseconds) {
    if (interval_ == milliseconds) return;
    interval_ = milliseconds;
    if (enabled_) timer_->start(interval_);
}

void TTimer::Tick() {
    if (OnTimer) Dispatch([this] { OnTimer(this); });
}

}  // namespace vcl

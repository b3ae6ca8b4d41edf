#pragma once
// A repeating timer. Enabling it starts a full interval; setting the state it
// already has changes nothing. Ticks run through the application's error report.

#include "vcl/Types.h"

class QTimer;

namespace vcl {

class TTimer : public TObject {
public:
    TTimer();
    ~TTimer() override;
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);

    TNotifyEvent OnTimer;

    // One tick, as when the interval has run out.
    void Tick();

private:
    QTimer* timer_;
    bool enabled_ = true;
    int interval_ = 1000;
};

}  // namespace vcl

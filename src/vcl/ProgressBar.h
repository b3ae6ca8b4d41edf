#pragma once
// A smooth progress bar with a 32-bit range and a bar colour of its own.

#include "vcl/Control.h"

namespace vcl {

class TProgressBar : public TControl {
public:
    explicit TProgressBar(TForm* parent);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);
    void SetBarColor(TColor color);
    TColor BarColor() const { return barColor_; }

private:
    void Show();
    int min_ = 0;
    int max_ = 0;
    int position_ = 0;
    TColor barColor_ = clBlack;
};

}  // namespace vcl

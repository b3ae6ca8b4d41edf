#include "vcl/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "vcl/Palette.h"

namespace vcl {

TProgressBar::TProgressBar(TForm* parent) : TControl(parent, new QProgressBar) {
    auto* bar = static_cast<QProgressBar*>(Widget());
    bar->setTextVisible(false);
    Show();
}

// A new range takes the position into it, as the position may never stand outside.
void TProgressBar::SetMin(int value) {
    min_ = value;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
    Show();
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
    Show();
}

void TProgressBar::SetPosition(int value) {
    position_ = value;
    Show();
}

void TProgressBar::SetBarColor(TColor color) {
    barColor_ = color;
    SetWidgetColor(Widget(), QPalette::Highlight, color);
}

void TProgressBar::Show() {
    // An empty range would make the bar show a busy animation; it shows an empty bar instead.
    auto* bar = static_cast<QProgressBar*>(Widget());
    const int high = std::max(max_, min_ + 1);
    bar->setRange(min_, high);
    bar->setValue(max_ > min_ ? std::clamp(position_, min_, max_) : min_);
}

}  // namespace vcl

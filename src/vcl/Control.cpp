#include "vcl/Control.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include "vcl/Form.h"

namespace vcl {

TControl::TControl(TForm* parent, QWidget* widget) : widget_(widget), parent_(parent) {
    if (parent) widget_->setParent(parent->Widget());
    widget_->show();
}

TControl::~TControl() { delete widget_; }

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, width, height);
}

int TControl::Left() const { return widget_->x(); }
int TControl::Top() const { return widget_->y(); }
int TControl::Width() const { return widget_->width(); }
int TControl::Height() const { return widget_->height(); }

bool TControl::Enabled() const { return widget_->isEnabled(); }
void TControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool TControl::Visible() const { return !widget_->isHidden(); }
void TControl::SetVisible(bool visible) { widget_->setVisible(visible); }

void TControl::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    widget_->setCursor(cursor == TCursor::crHandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TControl::SetTabOrder(int order) {
    tabOrder_ = order;
    if (parent_) parent_->UpdateTabOrder();
}

}  // namespace vcl

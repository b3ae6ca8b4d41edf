#include "vcl/StaticText.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "vcl/Application.h"
#include "vcl/Palette.h"

namespace vcl {
namespace {

TMouseButton ButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton) return TMouseButton::mbRight;
    if (button == Qt::MiddleButton) return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

TShiftState ShiftOf(const QMouseEvent* event) {
    TShiftState shift = 0;
    const auto mods = event->modifiers();
    if (mods & Qt::ShiftModifier) shift |= ssShift;
    if (mods & Qt::AltModifier) shift |= ssAlt;
    if (mods & Qt::ControlModifier) shift |= ssCtrl;
    const auto buttons = event->buttons() | event->button();
    if (buttons & Qt::LeftButton) shift |= ssLeft;
    if (buttons & Qt::RightButton) shift |= ssRight;
    if (buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

class Label : public QLabel {
public:
    explicit Label(TStaticText* owner) : owner_(owner) {}

protected:
    // Enter and leave reach disabled labels as well. While a button pressed on
    // the label is held, Qt sends the label the pointer's moves instead of
    // enter and leave; the label then tells them itself as the pointer crosses
    // its edge, so the pressed label learns of the pointer going off and back.
    void enterEvent(QEnterEvent* event) override {
        QLabel::enterEvent(event);
        Follow(true);
    }
    void leaveEvent(QEvent* event) override {
        QLabel::leaveEvent(event);
        Follow(false);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QLabel::mouseMoveEvent(event);
        if (event->buttons() != Qt::NoButton) Follow(rect().contains(event->position().toPoint()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton) leftPressed_ = true;
        if (owner_->OnMouseDown)
            Dispatch([&] { owner_->OnMouseDown(owner_, ButtonOf(event->button()), ShiftOf(event), at.x(), at.y()); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton) {
            const bool click = leftPressed_ && rect().contains(at);
            leftPressed_ = false;
            if (click) Dispatch([this] { owner_->Click(); });
        }
        if (owner_->OnMouseUp)
            Dispatch([&] { owner_->OnMouseUp(owner_, ButtonOf(event->button()), ShiftOf(event), at.x(), at.y()); });
    }

private:
    void Follow(bool over) {
        if (over == over_) return;
        over_ = over;
        Dispatch([this, over] { over ? owner_->MouseEnter() : owner_->MouseLeave(); });
    }

    TStaticText* owner_;
    bool leftPressed_ = false;
    bool over_ = false;
};

}  // namespace

TStaticText::TStaticText(TForm* parent) : TControl(parent, new Label(this)) {
    auto* label = static_cast<QLabel*>(Widget());
    label->setAutoFillBackground(false);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    font_.OnChange = [this] {
        ShowFont(Widget(), font_, QPalette::WindowText);
        QPalette palette = Widget()->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(font_.Color()).darker(160));
        Widget()->setPalette(palette);
        Resize();
    };
    font_.OnChange();
}

void TStaticText::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QLabel*>(Widget())->setText(QString::fromStdString(caption));
    Resize();
}

void TStaticText::Click() {
    if (OnClick) OnClick(this);
}

void TStaticText::Repaint() { Widget()->repaint(); }
void TStaticText::Invalidate() { Widget()->update(); }

void TStaticText::Resize() {
    QWidget* label = Widget();
    const QSize hint = static_cast<QLabel*>(label)->sizeHint();
    label->resize(hint.width(), std::max(label->height(), hint.height()));
}

bool MouseCaptured() { return QGuiApplication::mouseButtons() != Qt::NoButton; }

}  // namespace vcl

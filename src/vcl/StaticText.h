#pragma once
// A static text: a caption in its own font that reports clicks and mouse
// presses, and is told when the pointer comes onto it and goes off it. It
// sizes itself to its text.

#include <memory>
#include <string>

#include "vcl/Control.h"
#include "vcl/Font.h"

namespace vcl {

class TStaticText : public TControl {
public:
    explicit TStaticText(TForm* parent);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The font the label shows; every change shows at once.
    TFont* Font() { return &font_; }

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    // The left button, pressed on the label, was released over it: runs OnClick.
    virtual void Click();
    // The pointer came onto the label / went off it.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    void Repaint();     // paints the label now
    void Invalidate();  // paints the label at the next chance

private:
    void Resize();
    std::string caption_;
    TFont font_;
};

// True while a mouse button is held down in this application.
bool MouseCaptured();

}  // namespace vcl

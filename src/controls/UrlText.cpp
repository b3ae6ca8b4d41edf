#include "controls/UrlText.h"

#include "vcl/LinkOpener.h"

TUrlText::TUrlText(vcl::TForm* parent) : vcl::TStaticText(parent) {
    SetCursor(vcl::TCursor::crHandPoint);
}

vcl::TFont* TUrlText::HighLightFont() {
    if (!highLightFont_) highLightFont_ = std::make_unique<vcl::TFont>();
    return highLightFont_.get();
}

void TUrlText::Click() {
    // The click event comes first, so it may still change the target of this click.
    vcl::TStaticText::Click();
    if (Url != "nil") vcl::OpenLink(Url);
}

void TUrlText::MouseEnter() {
    // A held button (a press on this or another label) means the pointer is
    // being dragged across: no highlight then.
    if (vcl::MouseCaptured()) return;
    savedFont_.Assign(*Font());
    Font()->Assign(*HighLightFont());
    highlighted_ = true;
    Repaint();
}

void TUrlText::MouseLeave() {
    // A disabled label keeps showing whatever font it has.
    if (!highlighted_ || !Enabled()) return;
    highlighted_ = false;
    Font()->Assign(savedFont_);
    Invalidate();
}

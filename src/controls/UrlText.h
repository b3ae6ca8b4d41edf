#pragma once
// The link label: a static text that serves as every command and web link of
// the main window. While the pointer is over it, it shows its highlight font;
// a click runs its click event and then hands its Url to the desktop's opener,
// unless the Url is exactly "nil".

#include <memory>
#include <string>

#include "vcl/Font.h"
#include "vcl/StaticText.h"

class TUrlText : public vcl::TStaticText {
public:
    explicit TUrlText(vcl::TForm* parent);

    // The link target; "nil" (lower case) means the label has no link.
    std::string Url = "Http://";

    // The font shown while the pointer is over the label; made with the
    // default font attributes on first use.
    vcl::TFont* HighLightFont();
    // True from an enter that showed the highlight font until the leave that
    // put the label's own font back.
    bool Highlighted() const { return highlighted_; }

    void Click() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool highlighted_ = false;
    vcl::TFont savedFont_;
    std::unique_ptr<vcl::TFont> highLightFont_;
};

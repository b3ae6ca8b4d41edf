#pragma once
// A single-line edit box.

#include <string>

#include "vcl/Control.h"
#include "vcl/Font.h"

namespace vcl {

class TEdit : public TControl {
public:
    explicit TEdit(TForm* parent);

    std::string Text() const;
    void SetText(const std::string& text);
    TFont* Font() { return &font_; }

private:
    TFont font_;
};

}  // namespace vcl

#include "vcl/Font.h"

#include <QFont>
#include <QStringList>

namespace vcl {

TFont::TFont() : name_("MS Sans Serif"), height_(11) {}

void TFont::SetName(const std::string& name) {
    if (name_ == name) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int pixels) {
    if (height_ == pixels) return;
    height_ = pixels;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style_ == style) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset_ == charset) return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

QFont TFont::ToQFont() const {
    // The old desktop's dialog font is not on Linux desktops; a narrow sans
    // face of similar metrics stands in for it.
    QFont font;
    if (name_ == "MS Sans Serif")
        font.setFamilies(QStringList{"Liberation Sans", "Arial", "DejaVu Sans"});
    else
        font.setFamily(QString::fromStdString(name_));
    font.setPixelSize(height_ > 0 ? height_ : 11);
    font.setBold(style_ & fsBold);
    font.setItalic(style_ & fsItalic);
    font.setUnderline(style_ & fsUnderline);
    font.setStrikeOut(style_ & fsStrikeOut);
    return font;
}

}  // namespace vcl

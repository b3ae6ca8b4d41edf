#pragma once
// A font: name, height in pixels, style, colour and character set. A control
// shows its font and follows every change of it.

#include <functional>
#include <string>

#include "vcl/Types.h"

class QFont;

namespace vcl {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
constexpr int DEFAULT_CHARSET = 1;

class TFont : public TObject {
public:
    TFont();

    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TFontStyles Style() const { return style_; }
    TColor Color() const { return color_; }
    int Charset() const { return charset_; }

    void SetName(const std::string& name);
    void SetHeight(int pixels);
    void SetStyle(TFontStyles style);
    void SetColor(TColor color);
    void SetCharset(int charset);
    // Copies every attribute of the other font into this one.
    void Assign(const TFont& other);

    // Called after every change.
    std::function<void()> OnChange;

    QFont ToQFont() const;

private:
    void Changed();
    std::string name_;
    int height_;
    TFontStyles style_ = 0;
    TColor color_ = clBlack;
    int charset_ = DEFAULT_CHARSET;
};

}  // namespace vcl

#pragma once
// Colours and fonts of the platform layer put onto Qt widgets.

#include <QPalette>

#include "vcl/Font.h"

class QWidget;

namespace vcl {

QColor ToQColor(TColor color);
// Sets one colour role of the widget's palette.
void SetWidgetColor(QWidget* widget, QPalette::ColorRole role, TColor color);
// Shows the font on the widget: its face and size, and its colour in the given role.
void ShowFont(QWidget* widget, const TFont& font, QPalette::ColorRole role);

}  // namespace vcl

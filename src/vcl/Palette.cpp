#include "vcl/Palette.h"

#include <QWidget>

namespace vcl {

QColor ToQColor(TColor color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

void SetWidgetColor(QWidget* widget, QPalette::ColorRole role, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}

void ShowFont(QWidget* widget, const TFont& font, QPalette::ColorRole role) {
    widget->setFont(font.ToQFont());
    SetWidgetColor(widget, role, font.Color());
}

}  // namespace vcl

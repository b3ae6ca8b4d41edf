#include "vcl/Edit.h"

#include <QLineEdit>

#include "vcl/Palette.h"

namespace vcl {

TEdit::TEdit(TForm* parent) : TControl(parent, new QLineEdit) {
    auto* edit = static_cast<QLineEdit*>(Widget());
    // The window's own background colour is not inherited: the box keeps the system's.
    edit->setAutoFillBackground(true);
    edit->setPalette(QPalette());
    font_.OnChange = [this, edit] { ShowFont(edit, font_, QPalette::Text); };
    font_.OnChange();
}

std::string TEdit::Text() const { return static_cast<QLineEdit*>(Widget())->text().toStdString(); }
void TEdit::SetText(const std::string& text) {
    static_cast<QLineEdit*>(Widget())->setText(QString::fromStdString(text));
}

}  // namespace vcl

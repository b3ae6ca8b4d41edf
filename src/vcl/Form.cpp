#include "vcl/Form.h"

#include <QFile>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

#include "vcl/Control.h"
#include "vcl/Palette.h"

namespace vcl {

TForm::TForm() : widget_(new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                                  Qt::WindowCloseButtonHint)) {
    widget_->setAutoFillBackground(true);
    font_.OnChange = [this] { widget_->setFont(font_.ToQFont()); };
    SetColor(clBlack);
}

TForm::~TForm() {
    // Components go first, while the window they sit on still exists.
    while (!components_.empty()) components_.pop_back();
    delete widget_;
}

std::string TForm::Caption() const { return widget_->windowTitle().toStdString(); }
void TForm::SetCaption(const std::string& caption) { widget_->setWindowTitle(QString::fromStdString(caption)); }

void TForm::SetBounds(int left, int top, int clientWidth, int clientHeight) {
    widget_->setFixedSize(clientWidth, clientHeight);
    widget_->move(left, top);
}

void TForm::SetColor(TColor color) {
    color_ = color;
    SetWidgetColor(widget_, QPalette::Window, color);
}

void TForm::Show() { widget_->show(); }
void TForm::Close() { widget_->close(); }
bool TForm::Visible() const { return widget_->isVisible(); }
bool TForm::Minimized() const { return widget_->isMinimized(); }
void TForm::Minimize() { widget_->showMinimized(); }

bool TForm::SaveImage(const std::string& path) const {
    return widget_->grab().save(QFile::decodeName(path.c_str()), "PNG");
}

void TForm::UpdateTabOrder() {
    std::vector<TControl*> ordered;
    for (auto& component : components_)
        if (auto* control = dynamic_cast<TControl*>(component.get()); control && control->TabOrder() >= 0)
            ordered.push_back(control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1]->Widget(), ordered[i]->Widget());
}

}  // namespace vcl

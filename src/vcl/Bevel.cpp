#include "vcl/Bevel.h"

#include <QPainter>
#include <QWidget>

namespace vcl {
namespace {

class TopLine : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

}  // namespace

TBevel::TBevel(TForm* parent) : TControl(parent, new TopLine) {
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace vcl

// The yardstick for start-up: a bare Qt 6 window of the player's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.setFixedSize(465, 567);
    window.show();
    return app.exec();
}

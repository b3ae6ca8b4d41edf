// The yardsticks for start-up: a bare Qt 6 window of the player's size, and the
// same window with one line of text ("--text"), which also starts the font system.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.setFixedSize(465, 567);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) (new QLabel("Quilby MP3 Player", &window))->move(8, 8);
    window.show();
    return app.exec();
}

#include "vcl/Application.h"

#include <QApplication>
#include <QWidget>

#include "vcl/Form.h"
#include "vcl/MessageBox.h"

namespace vcl {

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv) : qt_(std::make_unique<QApplication>(argc, argv)) {
    Application = this;
    // Desktops match the window to its desktop entry (icon, task bar) by this name.
    QGuiApplication::setDesktopFileName("quilby-mp3-player");
}

TApplication::~TApplication() {
    if (Application == this) Application = nullptr;
}

int TApplication::Run() {
    if (MainForm) MainForm->Show();
    return qt_->exec();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::Restore() {
    if (!MainForm || !MainForm->Minimized()) return;
    QWidget* window = MainForm->Widget();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
}

void TApplication::BringToFront() {
    if (!MainForm) return;
    QWidget* window = MainForm->Widget();
    if (!window->isVisible() || !window->isEnabled()) return;
    window->raise();
    window->activateWindow();
}

std::string ErrorReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void TApplication::ShowException(const std::exception& error) {
    MessageBox(ErrorReportText(error.what()), Title, TMsgIcon::Stop);
}

void TApplication::ShowUnknownException() { MessageBox("Unknown error.", Title, TMsgIcon::Stop); }

}  // namespace vcl

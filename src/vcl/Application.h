#pragma once
// The application object: its title, the run loop, bringing the main window
// back and to the front, and the standard error report for anything that
// escapes an event handler or a timer tick.

#include <exception>
#include <memory>
#include <string>

class QApplication;

namespace vcl {

class TForm;

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    std::string Title;
    TForm* MainForm = nullptr;

    // Shows the main form and runs the event loop until it is closed; returns the exit code.
    int Run();
    // Handles the events that are waiting, then returns.
    void ProcessMessages();
    // Un-minimises and shows the main window; nothing when it is not minimised.
    void Restore();
    // Raises and activates the main window when it is visible and enabled.
    void BringToFront();

    // The standard error report: the message with a full stop appended when its
    // last character sorts after ".", the title as caption, a stop icon and OK.
    void ShowException(const std::exception& error);

    // Runs an event handler; whatever it raises is shown as the standard error report.
    template <class Handler>
    void Dispatch(Handler&& handler) noexcept {
        try {
            handler();
        } catch (const std::exception& error) {
            ShowException(error);
        } catch (...) {
            ShowUnknownException();
        }
    }

private:
    void ShowUnknownException();
    std::unique_ptr<QApplication> qt_;
};

// The message of the standard error report for an error text.
std::string ErrorReportText(const std::string& message);

// The one application object, or nullptr before it exists.
extern TApplication* Application;

// Runs an event handler through the application's standard error report.
template <class Handler>
void Dispatch(Handler&& handler) noexcept {
    if (Application) {
        Application->Dispatch(std::forward<Handler>(handler));
    } else {
        try {
            handler();
        } catch (...) {
        }
    }
}

}  // namespace vcl

#pragma once
// Modal message boxes with one OK button. A replaceable service, so that tests
// read the boxes instead of a user.

#include <string>

namespace vcl {

enum class TMsgIcon { None, Stop };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const std::string& text, const std::string& caption, TMsgIcon icon) = 0;
};

// nullptr puts the real boxes back.
void SetMessageBoxService(MessageBoxService* service);

void MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon);
// A box with the application's title as caption and no icon.
void ShowMessage(const std::string& text);

}  // namespace vcl

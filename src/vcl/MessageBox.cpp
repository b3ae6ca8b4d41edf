#include "vcl/MessageBox.h"

#include <QMessageBox>

#include "vcl/Application.h"
#include "vcl/Form.h"

namespace vcl {
namespace {

class QtMessageBoxes : public MessageBoxService {
public:
    void Show(const std::string& text, const std::string& caption, TMsgIcon icon) override {
        QWidget* owner = Application && Application->MainForm ? Application->MainForm->Widget() : nullptr;
        QMessageBox box(icon == TMsgIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok, owner);
        box.exec();
    }
};

MessageBoxService* current = nullptr;

MessageBoxService& Service() {
    static QtMessageBoxes real;
    return current ? *current : real;
}

}  // namespace

void SetMessageBoxService(MessageBoxService* service) { current = service; }

void MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon) {
    Service().Show(text, caption, icon);
}

void ShowMessage(const std::string& text) {
    MessageBox(text, Application ? Application->Title : std::string(), TMsgIcon::None);
}

}  // namespace vcl

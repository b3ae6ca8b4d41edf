#include "support/FormFixture.h"

#include "vcl/Application.h"
#include "vcl/Params.h"

void FormFixture::SetUp() { Recreate("QuilbyMP3Player"); }

void FormFixture::TearDown() {
    if (vcl::Application) vcl::Application->MainForm = nullptr;
    form.reset();
}

void FormFixture::Recreate(const std::string& commandLine) {
    if (vcl::Application) vcl::Application->MainForm = nullptr;
    form.reset();
    vcl::SetCmdLine(commandLine);
    form = std::make_unique<TForm1>();
    vcl::Application->MainForm = form.get();
}

void FormFixture::Fill(const std::vector<std::string>& names) {
    for (std::string name : names) {
        bool ticked = true;
        if (name.rfind("-", 0) == 0) {
            ticked = false;
            name.erase(0, 1);
        }
        std::string path;
        if (name.rfind("missing:", 0) == 0)
            path = dir / name.substr(8);
        else
            path = dir.Write(name);
        const int i = form->l1->Add(path);
        form->l1->SetChecked(i, ticked);
    }
}

std::vector<std::string> FormFixture::Texts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < form->l1->Count(); ++i) texts.push_back(form->l1->Text(i));
    return texts;
}

std::vector<bool> FormFixture::Ticks() const {
    std::vector<bool> ticks;
    for (int i = 0; i < form->l1->Count(); ++i) ticks.push_back(form->l1->Checked(i));
    return ticks;
}

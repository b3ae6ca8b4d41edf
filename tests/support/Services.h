#pragma once
// Services that tests answer in place of a user: message boxes are recorded,
// file dialogs answered from a script, opened links recorded. Each installs
// itself for its lifetime.

#include <deque>
#include <string>
#include <vector>

#include "vcl/Dialogs.h"
#include "vcl/LinkOpener.h"
#include "vcl/MessageBox.h"

struct MessageBoxRecorder : vcl::MessageBoxService {
    struct Box {
        std::string text, caption;
        vcl::TMsgIcon icon;
    };
    std::vector<Box> boxes;

    MessageBoxRecorder() { vcl::SetMessageBoxService(this); }
    ~MessageBoxRecorder() override { vcl::SetMessageBoxService(nullptr); }
    void Show(const std::string& text, const std::string& caption, vcl::TMsgIcon icon) override {
        boxes.push_back({text, caption, icon});
    }
};

struct DialogScript : vcl::FileDialogService {
    std::deque<vcl::FileDialogAnswer> answers;  // a use with no answer left is cancelled
    std::vector<vcl::FileDialogRequest> requests;

    DialogScript() { vcl::SetFileDialogService(this); }
    ~DialogScript() override { vcl::SetFileDialogService(nullptr); }
    void Choose(std::vector<std::string> files, int filterIndex = 1) {
        answers.push_back({true, std::move(files), filterIndex});
    }
    void Cancel() { answers.push_back({}); }
    vcl::FileDialogAnswer Run(const vcl::FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return {};
        vcl::FileDialogAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct LinkRecorder : vcl::LinkOpenerService {
    std::vector<std::string> opened;

    LinkRecorder() { vcl::SetLinkOpenerService(this); }
    ~LinkRecorder() override { vcl::SetLinkOpenerService(nullptr); }
    void Open(const std::string& target) override { opened.push_back(target); }
};

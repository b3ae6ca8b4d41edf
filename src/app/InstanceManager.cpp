#include "app/InstanceManager.h"

#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

#include "app/HandOverGuard.h"
#include "app/HandOverListener.h"
#include "app/Unit1.h"
#include "vcl/Params.h"

namespace InstanceManager {

std::function<void()> OnHandOver;

namespace {

handover::Guard guard;
std::unique_ptr<handover::Listener> listener;

std::string WorkingDir() {
    std::string dir(4096, '\0');
    while (!getcwd(dir.data(), dir.size())) {
        if (errno != ERANGE) return {};
        dir.resize(dir.size() * 2);
    }
    dir.resize(dir.find('\0'));
    return dir;
}

// A relative path made absolute against the sender's working folder; unchanged
// when it is absolute or the folder is unknown.
std::string Resolve(std::string path, const std::string& dir) {
    if (path.front() == '/' || dir.empty()) return path;
    while (path.size() > 2 && path.compare(0, 2, "./") == 0) path.erase(0, path.find_first_not_of('/', 2));
    return dir.back() == '/' ? dir + path : dir + '/' + path;
}

bool TakeHandOver(const handover::Message& message) {
    if (!Form1) return false;
    if (vcl::ParamCount(message.commandLine) != 0) {
        const int i = Form1->l1->Add(Resolve(vcl::ParamStr(message.commandLine, 1), message.workingDir));
        Form1->l1->SetChecked(i, true);
    }
    if (OnHandOver) OnHandOver();
    return true;
}

}  // namespace

bool Startup(int argc, char** argv) {
    const auto outcome = guard.Start({vcl::BuildCommandLine(argc, argv), WorkingDir()});
    return outcome != handover::Guard::Outcome::HandedOver && outcome != handover::Guard::Outcome::Busy;
}

void Listen() {
    if (guard.ListenFd() >= 0 && !listener)
        listener = std::make_unique<handover::Listener>(guard.ListenFd(), TakeHandOver);
}

void Finish() {
    listener.reset();
    guard.Stop();
}

}  // namespace InstanceManager

// Loads the audio engine module at the first open. It is looked for beside the
// program, in the folder above it (test and benchmark programs live one level
// down in the build tree) and in the installed library folder.

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "media/MediaPlayer.h"

namespace media {
namespace {

constexpr const char* ModuleName = "libquilby_audio.so";

std::string ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    std::string folder(path, std::size_t(length));
    return folder.substr(0, folder.find_last_of('/'));
}

// Stands in for the engine when its module cannot be loaded: every open fails with the reason.
class MissingEngine final : public DeviceFactory {
public:
    explicit MissingEngine(std::string reason) : reason_(std::move(reason)) {}
    std::unique_ptr<Device> open(const std::string&, std::string& error) override {
        error = reason_;
        return nullptr;
    }

private:
    std::string reason_;
};

DeviceFactory* LoadEngine() {
    const std::string folder = ProgramFolder();
    const std::vector<std::string> candidates = {folder + "/" + ModuleName, folder + "/../" + ModuleName,
                                                 folder + "/../" QUILBY_ENGINE_LIBDIR "/" + ModuleName};
    std::string reason;
    for (const std::string& candidate : candidates) {
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            if (reason.empty()) reason = dlerror();
            continue;
        }
        using Entry = DeviceFactory* (*)();
        if (auto entry = reinterpret_cast<Entry>(dlsym(module, "quilby_audio_factory"))) return entry();
        reason = dlerror();
    }
    static MissingEngine missing("The audio engine cannot be loaded (" + reason + ")");
    return &missing;
}

}  // namespace

DeviceFactory& RealDeviceFactory() {
    static DeviceFactory* factory = LoadEngine();
    return *factory;
}

}  // namespace media

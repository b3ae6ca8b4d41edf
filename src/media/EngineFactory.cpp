// The engine's entry point: the factory of devices that decode with libsndfile
// and FluidSynth and play through SDL2. The engine is a module of its own, loaded
// at the first open, so that nothing of the audio stack is loaded at start.

#include "media/MediaPlayer.h"
#include "media/SourceFactory.h"
#include "media/StreamDevice.h"

namespace media {
namespace {

class EngineDeviceFactory final : public DeviceFactory {
public:
    std::unique_ptr<Device> open(const std::string& path, std::string& error) override {
        std::unique_ptr<Source> source = OpenSource(path, error);
        if (!source) return nullptr;
        return StreamDevice::Open(std::move(source), error);
    }
};

}  // namespace
}  // namespace media

extern "C" __attribute__((visibility("default"))) media::DeviceFactory* quilby_audio_factory() {
    static media::EngineDeviceFactory factory;
    return &factory;
}

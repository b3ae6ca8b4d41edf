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

DeviceFactory& RealDeviceFactory() {
    static EngineDeviceFactory factory;
    return factory;
}

}  // namespace media

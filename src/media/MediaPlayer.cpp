#include "media/MediaPlayer.h"

namespace media {

TMediaPlayer::TMediaPlayer() = default;

TMediaPlayer::~TMediaPlayer() { Close(); }

void TMediaPlayer::SetDeviceFactory(DeviceFactory* factory) { factory_ = factory; }

void TMediaPlayer::RequireDevice() const {
    if (!device_) throw EMCIDeviceError("No MCI device open");
}

void TMediaPlayer::Open() {
    Close();
    // No device is found for an empty name, whatever the factory would make of it.
    if (FileName.empty()) throw EMCIDeviceError("No file name was given");
    std::string error;
    DeviceFactory& factory = factory_ ? *factory_ : RealDeviceFactory();
    device_ = factory.open(FileName, error);
    if (!device_) throw EMCIDeviceError(error.empty() ? "Unknown error code" : error);
}

void TMediaPlayer::Close() { device_.reset(); }

void TMediaPlayer::Play() {
    RequireDevice();
    if (AutoRewind && device_->positionMs() == device_->lengthMs()) device_->rewind();
    device_->play();
}

void TMediaPlayer::Stop() {
    RequireDevice();
    device_->stop();
}

void TMediaPlayer::Pause() {
    RequireDevice();
    switch (device_->mode()) {
        case TMPModes::mpPlaying:
            device_->pause();
            break;
        case TMPModes::mpPaused:
            if (!device_->resume()) Play();
            break;
        default:
            break;
    }
}

int TMediaPlayer::Length() {
    RequireDevice();
    return device_->lengthMs();
}

int TMediaPlayer::Position() { return device_ ? device_->positionMs() : 0; }

TMPModes TMediaPlayer::Mode() { return device_ ? device_->mode() : TMPModes::mpNotReady; }

}  // namespace media

#include "support/FakeMedia.h"

using media::TMPModes;

FakeDevice::FakeDevice(FakeMedia& owner, std::string path, int length)
    : owner_(owner), path_(std::move(path)), length_(length) {}

FakeDevice::~FakeDevice() {
    owner_.calls.push_back("close");
    if (owner_.device == this) owner_.device = nullptr;
}

void FakeDevice::play() {
    owner_.calls.push_back("play");
    if (position_ < length_) mode_ = TMPModes::mpPlaying;  // at the end there is nothing to play
}

void FakeDevice::pause() {
    owner_.calls.push_back("pause");
    if (mode_ == TMPModes::mpPlaying) mode_ = TMPModes::mpPaused;
}

bool FakeDevice::resume() {
    owner_.calls.push_back("resume");
    if (mode_ != TMPModes::mpPaused) return false;
    mode_ = TMPModes::mpPlaying;
    return true;
}

void FakeDevice::stop() {
    owner_.calls.push_back("stop");
    mode_ = TMPModes::mpStopped;
}

void FakeDevice::rewind() {
    owner_.calls.push_back("rewind");
    mode_ = TMPModes::mpStopped;
    position_ = 0;
}

void FakeDevice::End() {
    position_ = length_;
    mode_ = TMPModes::mpStopped;
}

std::unique_ptr<media::Device> FakeMedia::open(const std::string& path, std::string& error) {
    calls.push_back("open " + path);
    if (auto failure = failures_.find(path); failure != failures_.end()) {
        error = failure->second;
        return nullptr;
    }
    auto known = lengths_.find(path);
    auto made = std::make_unique<FakeDevice>(*this, path, known != lengths_.end() ? known->second : length);
    device = made.get();
    opened.push_back(path);
    return made;
}

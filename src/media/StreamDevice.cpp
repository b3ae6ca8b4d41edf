#include "media/StreamDevice.h"

#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <system_error>

#include "media/AudioOutput.h"
#include "media/Source.h"

namespace media {

namespace {

constexpr long kDecodeFrames = 4096;
// How long the decoding thread rests when the ring is full: a fifth of what the ring holds,
// so that it never runs low, and few wake-ups a second.
constexpr std::chrono::milliseconds kRest(100);

}  // namespace

std::unique_ptr<StreamDevice> StreamDevice::Open(std::unique_ptr<Source> source, std::string& error) {
    std::unique_ptr<AudioOutput> output = AudioOutput::Open(source->rate(), source->channels(), error);
    if (!output) return nullptr;
    try {
        return std::unique_ptr<StreamDevice>(new StreamDevice(std::move(source), std::move(output)));
    } catch (const std::system_error& e) {  // no thread could be started
        error = std::string("The sound cannot be decoded: ") + e.what();
        return nullptr;
    }
}

StreamDevice::StreamDevice(std::unique_ptr<Source> source, std::unique_ptr<AudioOutput> output)
    : source_(std::move(source)),
      output_(std::move(output)),
      decoded_(std::size_t(kDecodeFrames) * source_->channels()),
      thread_([this] { decode(); }) {}

StreamDevice::~StreamDevice() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        quit_ = true;
    }
    wake_.notify_one();
    thread_.join();
    output_.reset();  // detaches the output before the source goes
}

void StreamDevice::decode() {
    pthread_setname_np(pthread_self(), "quilby-decode");
    std::unique_lock<std::mutex> guard(lock_);
    while (!quit_) {
        if (!feed()) wake_.wait_for(guard, kRest);
    }
}

// One step of moving sound from the source towards the output; false when there is nothing
// to do until the callback has taken some.
bool StreamDevice::feed() {
    output_->pump();
    if (!output_->wantsInput()) return false;
    const long got = sourceEnded_ ? 0 : source_->read(decoded_.data(), kDecodeFrames);
    if (got > 0) {
        output_->put(decoded_.data(), got);
    } else {
        // The end of the sound, or where it can no longer be decoded: the device stops there.
        sourceEnded_ = true;
        output_->endOfInput();
    }
    return true;
}

void StreamDevice::play() {
    if (output_->drained()) return;  // at the end there is nothing more to play
    state_ = TMPModes::mpPlaying;
    output_->start();
}

void StreamDevice::pause() {
    if (mode() != TMPModes::mpPlaying) return;
    output_->halt();
    state_ = TMPModes::mpPaused;
}

bool StreamDevice::resume() {
    if (mode() != TMPModes::mpPaused) return false;
    play();
    return true;
}

void StreamDevice::stop() {
    output_->halt();
    state_ = TMPModes::mpStopped;
}

TMPModes StreamDevice::mode() const {
    return output_->drained() ? TMPModes::mpStopped : state_;
}

int StreamDevice::lengthMs() const { return source_->lengthMs(); }

int StreamDevice::positionMs() const {
    const int length = source_->lengthMs();
    // At the end the position is the length exactly, and only there.
    if (output_->drained()) return length;
    const long long played = (long long)(output_->playedFrames() * 1000 / std::uint64_t(output_->rate()));
    return int(std::min<long long>(played, std::max(length - 1, 0)));
}

void StreamDevice::rewind() {
    stop();
    {
        std::lock_guard<std::mutex> guard(lock_);
        output_->flush();
        // A source that cannot go back has nothing more to give.
        sourceEnded_ = !source_->rewind();
    }
    wake_.notify_one();
}

}  // namespace media

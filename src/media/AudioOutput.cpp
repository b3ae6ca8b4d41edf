#include "media/AudioOutput.h"

#include <algorithm>

#include "media/SharedOutput.h"

namespace media {

namespace {

constexpr int kRingMillis = 500;
constexpr std::size_t kPumpFrames = 2048;  // moved from the converter to the ring at a time

}  // namespace

std::unique_ptr<AudioOutput> AudioOutput::Open(int rate, int channels, std::string& error) {
    std::unique_ptr<AudioOutput> output(new AudioOutput);
    output->shared_ = SharedOutput::Acquire(error);
    if (!output->shared_) return nullptr;
    SharedOutput& shared = *output->shared_;
    output->inputChannels_ = channels;
    output->converter_ = SDL_NewAudioStream(AUDIO_F32SYS, Uint8(channels), rate, AUDIO_F32SYS,
                                            Uint8(shared.channels()), shared.rate());
    if (!output->converter_) {
        error = std::string("The sound cannot be converted for the audio output (") + SDL_GetError() + ")";
        return nullptr;
    }
    output->frameBytes_ = int(sizeof(float)) * shared.channels();
    const std::size_t ringFrames = std::size_t(shared.rate()) * kRingMillis / 1000;
    output->ring_ = std::make_unique<SpscRing>(ringFrames * output->frameBytes_);
    output->scratch_.resize(kPumpFrames * std::size_t(output->frameBytes_));
    if (!shared.attach(*output)) {
        error = "No audio output is available (too many files are open at once)";
        return nullptr;
    }
    return output;
}

AudioOutput::~AudioOutput() {
    if (shared_) shared_->release(*this);
    if (converter_) SDL_FreeAudioStream(converter_);
}

// Runs on SDL's audio thread: no locks, no allocation, no files, no waiting.
std::size_t AudioOutput::take(float* to, std::size_t samples) {
    if (!running_.load()) return 0;
    // Read before the ring: once it is set, everything was written to the ring.
    const bool finished = finished_.load(std::memory_order_acquire);
    const std::size_t taken = ring_->read(reinterpret_cast<std::uint8_t*>(to), samples * sizeof(float));
    playedBytes_.fetch_add(taken, std::memory_order_relaxed);
    if (finished && ring_->readable() == 0) drained_.store(true, std::memory_order_release);
    return taken / sizeof(float);
}

void AudioOutput::put(const float* frames, long count) {
    SDL_AudioStreamPut(converter_, frames, int(count * long(sizeof(float)) * inputChannels_));
}

void AudioOutput::endOfInput() {
    SDL_AudioStreamFlush(converter_);
    inputEnded_ = true;
}

void AudioOutput::pump() {
    for (;;) {
        std::size_t room = std::min(ring_->writable(), scratch_.size());
        room -= room % frameBytes_;
        const std::size_t wanted = std::min(room, std::size_t(SDL_AudioStreamAvailable(converter_)));
        if (wanted == 0) break;
        const int got = SDL_AudioStreamGet(converter_, scratch_.data(), int(wanted));
        if (got <= 0) break;
        ring_->write(scratch_.data(), std::size_t(got));
    }
    if (inputEnded_ && SDL_AudioStreamAvailable(converter_) == 0) {
        finished_.store(true, std::memory_order_release);
    }
}

bool AudioOutput::wantsInput() const {
    return !inputEnded_ && std::size_t(SDL_AudioStreamAvailable(converter_)) < ring_->writable();
}

void AudioOutput::start() { running_.store(true); }

void AudioOutput::halt() {
    running_.store(false);
    shared_->waitForCallback();
}

void AudioOutput::flush() {
    SDL_AudioStreamClear(converter_);
    ring_->reset();
    inputEnded_ = false;
    finished_.store(false, std::memory_order_relaxed);
    drained_.store(false, std::memory_order_relaxed);
    playedBytes_.store(0, std::memory_order_relaxed);
}

std::uint64_t AudioOutput::playedFrames() const {
    return playedBytes_.load(std::memory_order_relaxed) / std::uint64_t(frameBytes_);
}

int AudioOutput::rate() const { return shared_->rate(); }

}  // namespace media

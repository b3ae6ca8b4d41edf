#include "media/AudioOutput.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <thread>

namespace media {

namespace {

constexpr int kCallbackFrames = 1024;
constexpr int kRingMillis = 500;

// SDL's audio starts with the first file that is opened, not with the program, and stays up.
bool StartAudio(std::string& error) {
    static std::mutex lock;
    static bool started = false;
    std::lock_guard<std::mutex> guard(lock);
    if (started) return true;
    // SDL would otherwise turn Ctrl+C into an event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quilby MP3 Player");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = std::string("No audio output is available (") + SDL_GetError() + ")";
        return false;
    }
    started = true;
    return true;
}

}  // namespace

std::unique_ptr<AudioOutput> AudioOutput::Open(int rate, int channels, std::string& error) {
    if (!StartAudio(error)) return nullptr;
    std::unique_ptr<AudioOutput> output(new AudioOutput);
    output->inputChannels_ = channels;
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_F32SYS;
    want.channels = Uint8(channels);
    want.samples = kCallbackFrames;
    want.callback = &AudioOutput::Callback;
    want.userdata = output.get();
    // The output keeps its own rate and format; the converter adapts the sound to it.
    output->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &output->have_, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (output->device_ == 0) {
        error = std::string("No audio output is available (") + SDL_GetError() + ")";
        return nullptr;
    }
    output->converter_ = SDL_NewAudioStream(AUDIO_F32SYS, Uint8(channels), rate, output->have_.format,
                                            output->have_.channels, output->have_.freq);
    if (!output->converter_) {
        error = std::string("The sound cannot be converted for the audio output (") + SDL_GetError() + ")";
        return nullptr;
    }
    output->frameBytes_ = SDL_AUDIO_BITSIZE(output->have_.format) / 8 * output->have_.channels;
    const std::size_t ringFrames = std::size_t(output->have_.freq) * kRingMillis / 1000;
    output->ring_ = std::make_unique<SpscRing>(ringFrames * output->frameBytes_);
    output->scratch_.resize(output->ring_->capacity());
    // SDL's device runs from here on, its callback giving silence until start(). Pausing
    // SDL's device instead would take the lock that SDL holds around the callback.
    SDL_PauseAudioDevice(output->device_, 0);
    return output;
}

AudioOutput::~AudioOutput() {
    if (device_) SDL_CloseAudioDevice(device_);  // waits for the callback to return
    if (converter_) SDL_FreeAudioStream(converter_);
}

// Runs on SDL's audio thread: no locks, no allocation, no files, no waiting.
void SDLCALL AudioOutput::Callback(void* self, Uint8* out, int length) {
    AudioOutput& output = *static_cast<AudioOutput*>(self);
    // Marked busy before `running_` is read: halt() sees one or the other (both sequentially
    // consistent), so it never returns while a callback that saw it running is still here.
    output.busy_.store(true);
    std::size_t taken = 0;
    if (output.running_.load()) {
        // Read before the ring: once it is set, everything was written to the ring.
        const bool finished = output.finished_.load(std::memory_order_acquire);
        taken = output.ring_->read(out, std::size_t(length));
        output.playedBytes_.fetch_add(taken, std::memory_order_relaxed);
        if (finished && output.ring_->readable() == 0) output.drained_.store(true, std::memory_order_release);
    }
    if (taken < std::size_t(length)) std::memset(out + taken, output.have_.silence, length - taken);
    output.busy_.store(false, std::memory_order_release);
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
        std::size_t room = ring_->writable();
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
    while (busy_.load()) std::this_thread::yield();  // a callback lasts a copy of a few KiB
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

}  // namespace media

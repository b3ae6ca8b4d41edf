#include "media/SharedOutput.h"

#include <pthread.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "media/AudioOutput.h"

namespace media {

namespace {

using Clock = std::chrono::steady_clock;

// 23 ms at 44.1 kHz: how long a file that starts playing waits at most for the callback. Half
// as many frames would halve that wait but wake SDL's thread twice as often, for a third more
// CPU time while playing.
constexpr int kCallbackFrames = 1024;
constexpr int kFallbackRate = 44100;
// Long enough for Stop and Play again, or a track that cannot be opened, to find the device open.
constexpr auto kUnusedFor = std::chrono::seconds(3);

// What the owners' threads and the closing thread share. Never destroyed: the closing thread
// waits on it until the program ends.
struct Outputs {
    std::mutex lock;
    std::condition_variable changed;
    SharedOutput* current = nullptr;
    std::vector<SharedOutput*> closing;  // out of use, for the closing thread
    int deleting = 0;                    // devices the closing thread is closing now
    bool audioStarted = false;
    bool closerStarted = false;
};

Outputs& TheOutputs() {
    static Outputs* outputs = new Outputs;
    return *outputs;
}

// SDL's audio starts with the first file that is opened, not with the program, and stays up.
bool StartAudio(Outputs& outputs, std::string& error) {
    if (outputs.audioStarted) return true;
    // SDL would otherwise turn Ctrl+C into an event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quilby MP3 Player");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = std::string("No audio output is available (") + SDL_GetError() + ")";
        return false;
    }
    outputs.audioStarted = true;
    return true;
}

}  // namespace

SharedOutput* SharedOutput::Acquire(std::string& error) {
    Outputs& outputs = TheOutputs();
    std::unique_lock<std::mutex> guard(outputs.lock);
    if (outputs.current && outputs.current->lost() && outputs.current->uses_ == 0) {
        outputs.closing.push_back(outputs.current);
        outputs.current = nullptr;
        outputs.changed.notify_all();
    }
    if (!outputs.current) {
        // Some systems have room for one device only: a device still being closed goes first.
        outputs.changed.wait(guard, [&] {
            return outputs.deleting == 0 && (outputs.closing.empty() || !outputs.closerStarted);
        });
        if (!StartAudio(outputs, error)) return nullptr;
        outputs.current = Open(error);
        if (!outputs.current) return nullptr;
    }
    if (!outputs.closerStarted) {
        try {
            std::thread(&SharedOutput::CloseUnused).detach();
            outputs.closerStarted = true;
        } catch (const std::system_error&) {
            // No thread now: the device stays open until an open succeeds in starting it.
        }
    }
    ++outputs.current->uses_;
    return outputs.current;
}

void SharedOutput::CloseUnused() {
    pthread_setname_np(pthread_self(), "quilby-output");
    Outputs& outputs = TheOutputs();
    std::unique_lock<std::mutex> guard(outputs.lock);
    for (;;) {
        while (!outputs.closing.empty()) {
            SharedOutput* output = outputs.closing.back();
            outputs.closing.pop_back();
            ++outputs.deleting;
            guard.unlock();  // the owners' threads go on meanwhile
            delete output;
            guard.lock();
            --outputs.deleting;
            outputs.changed.notify_all();
        }
        SharedOutput* current = outputs.current;
        if (!current || current->uses_ > 0) {
            outputs.changed.wait(guard);
        } else if (Clock::now() >= current->lastUse_ + kUnusedFor) {
            outputs.closing.push_back(current);
            outputs.current = nullptr;
        } else {
            outputs.changed.wait_until(guard, current->lastUse_ + kUnusedFor);
        }
    }
}

SharedOutput* SharedOutput::Open(std::string& error) {
    SharedOutput* output = new SharedOutput;
    SDL_AudioSpec preferred{};
    SDL_AudioSpec want{};
    want.freq = SDL_GetDefaultAudioInfo(nullptr, &preferred, 0) == 0 ? preferred.freq : kFallbackRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = kCallbackFrames;
    want.callback = &SharedOutput::Callback;
    want.userdata = output;
    // The samples are always floats, for mixing; SDL converts them if the system wants others.
    output->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &output->have_,
                                          SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                              SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (output->device_ == 0) {
        error = std::string("No audio output is available (") + SDL_GetError() + ")";
        delete output;
        return nullptr;
    }
    output->scratch_.resize(output->have_.size / sizeof(float));
    // Runs from here on, giving silence while no output plays. Pausing SDL's device instead
    // would take the lock that SDL holds around the callback.
    SDL_PauseAudioDevice(output->device_, 0);
    return output;
}

SharedOutput::~SharedOutput() {
    if (device_) SDL_CloseAudioDevice(device_);
}

bool SharedOutput::lost() const { return SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED; }

bool SharedOutput::attach(AudioOutput& output) {
    for (std::atomic<AudioOutput*>& slot : attached_) {
        AudioOutput* empty = nullptr;
        if (slot.compare_exchange_strong(empty, &output)) return true;
    }
    return false;
}

void SharedOutput::release(AudioOutput& output) {
    for (std::atomic<AudioOutput*>& slot : attached_) {
        AudioOutput* attached = &output;
        if (slot.compare_exchange_strong(attached, nullptr)) break;
    }
    waitForCallback();
    Outputs& outputs = TheOutputs();
    std::lock_guard<std::mutex> guard(outputs.lock);
    if (--uses_ == 0) {
        lastUse_ = Clock::now();
        outputs.changed.notify_all();
    }
}

void SharedOutput::waitForCallback() const {
    while (busy_.load()) std::this_thread::yield();  // a callback lasts a copy of a few KiB
}

void SDLCALL SharedOutput::Callback(void* self, Uint8* out, int length) {
    static_cast<SharedOutput*>(self)->mix(reinterpret_cast<float*>(out), std::size_t(length) / sizeof(float));
}

// Runs on SDL's audio thread: no locks, no allocation, no files, no waiting.
void SharedOutput::mix(float* out, std::size_t samples) {
    // Marked busy before any output is looked at: an owner that detaches or halts an output and
    // then finds no callback busy (both sequentially consistent) knows that none still uses it.
    busy_.store(true);
    bool filled = false;  // `out` holds the sum of the outputs so far
    for (std::atomic<AudioOutput*>& slot : attached_) {
        AudioOutput* output = slot.load();
        if (!output) continue;
        if (!filled) {
            const std::size_t taken = output->take(out, samples);
            if (taken == 0) continue;
            std::fill(out + taken, out + samples, 0.0f);
            filled = true;
            continue;
        }
        for (std::size_t at = 0; at < samples;) {
            const std::size_t wanted = std::min(samples - at, scratch_.size());
            const std::size_t taken = output->take(scratch_.data(), wanted);
            for (std::size_t i = 0; i < taken; ++i) out[at + i] += scratch_[i];
            if (taken < wanted) break;
            at += taken;
        }
    }
    if (!filled) std::fill(out, out + samples, 0.0f);
    busy_.store(false, std::memory_order_release);
}

}  // namespace media

#pragma once
// One stream of sound to the system's audio output: the decoding thread puts float frames in;
// SDL_AudioStream converts them to the format of the engine's shared output; a lock-free ring
// hands them to the shared output's callback, which counts the frames it has taken.
//
// The producer side (put, endOfInput, pump, wantsInput) belongs to one thread at a time;
// start, halt, flush and the questions may be called from the owner's thread; take is the
// callback's.

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/SpscRing.h"

namespace media {

class SharedOutput;

class AudioOutput {
public:
    // A stream for sound of the given rate and channel count, halted and attached to the shared
    // output, which is opened on the first call. nullptr with the reason when there is no output.
    static std::unique_ptr<AudioOutput> Open(int rate, int channels, std::string& error);
    ~AudioOutput();  // detaches from the shared output, which stays open
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Producer side.
    void put(const float* frames, long count);
    void endOfInput();  // no more input: what is in the converter goes out, then the end
    void pump();        // moves converted sound into the ring, as far as it has room
    bool wantsInput() const;

    void start();  // the callback takes sound from the ring
    void halt();   // the callback takes nothing more; when this returns it no longer touches the ring
    // Drops all sound not yet played and counts from zero again; only while halted and while
    // no thread is on the producer side.
    void flush();

    std::uint64_t playedFrames() const;
    int rate() const;
    bool drained() const { return drained_.load(std::memory_order_acquire); }

    // The callback's side: copies up to `samples` samples of the output's format to `to` while
    // started, counts them as played, and returns how many it copied.
    std::size_t take(float* to, std::size_t samples);

private:
    AudioOutput() = default;

    SharedOutput* shared_ = nullptr;
    int inputChannels_ = 0;
    int frameBytes_ = 0;
    SDL_AudioStream* converter_ = nullptr;
    std::unique_ptr<SpscRing> ring_;
    std::vector<std::uint8_t> scratch_;
    bool inputEnded_ = false;
    std::atomic<bool> running_{false};   // the callback may take sound
    std::atomic<bool> finished_{false};  // the ring holds the last of the sound
    std::atomic<bool> drained_{false};   // the callback has taken the last of it
    std::atomic<std::uint64_t> playedBytes_{0};
};

}  // namespace media

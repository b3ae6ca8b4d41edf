#pragma once
// The engine's one SDL audio device, opened with the first file and kept open while files are
// open. Closing an SDL device joins SDL's audio thread, which first lets the output drain for two
// callback periods (60 ms with 1024-frame callbacks, far longer through some sound servers): a
// device per file would make every close wait that long. Instead the AudioOutput of each open
// file attaches to this device and detaches when it closes, and the callback mixes the attached
// outputs that are playing. A device that no file has used for a few seconds is closed by a
// thread of the engine's own, which lives as long as the program once audio has started, so that
// a player that stands still costs neither this program nor the sound server anything; the next
// open opens a new one.
//
// The format is fixed when the device opens: 32-bit float, stereo, at the rate that the system's
// default output prefers (44.1 kHz where SDL cannot tell). Each AudioOutput converts its sound to
// it. Acquire, attach and release belong to the owners' threads and share a lock that the
// callback never takes.

#include <SDL.h>

#include <array>
#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace media {

class AudioOutput;

class SharedOutput {
public:
    // The engine's output, opened on the first call, and opened anew after it was closed for
    // want of use or when SDL has lost it (the system's output went away) and nothing uses it
    // any more. Counts a use until release(). nullptr with the reason when there is no output.
    static SharedOutput* Acquire(std::string& error);

    // The callback asks the output for sound from here until release(). False when the device
    // already mixes as many outputs as it can.
    bool attach(AudioOutput& output);
    // Detaches the output if it is attached and ends its use; when this returns, the callback
    // no longer touches it.
    void release(AudioOutput& output);
    // Returns once no callback is under way: one that is running when this is called may still
    // have read what the caller has just changed.
    void waitForCallback() const;

    int rate() const { return have_.freq; }
    int channels() const { return have_.channels; }

private:
    static constexpr std::size_t kOutputs = 16;

    SharedOutput() = default;
    ~SharedOutput();  // closes the device: waits for SDL's thread to drain and end
    static SharedOutput* Open(std::string& error);
    static void CloseUnused();  // the engine's thread that closes devices
    bool lost() const;
    static void SDLCALL Callback(void* self, Uint8* out, int length);
    void mix(float* out, std::size_t samples);

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec have_{};
    int uses_ = 0;  // under the owners' lock, like the time of the last release
    std::chrono::steady_clock::time_point lastUse_;
    std::array<std::atomic<AudioOutput*>, kOutputs> attached_{};
    std::vector<float> scratch_;         // the callback's, one callback's worth
    std::atomic<bool> busy_{false};      // a callback is under way
};

}  // namespace media

#pragma once
// MIDI and RIFF MIDI files played by the FluidSynth software synthesizer. The length is the
// time of the file's last event, and exactly that much sound is made.

#include <memory>
#include <string>

#include "media/Source.h"

struct _fluid_player_t;

namespace media {

struct Synthesizer;

class MidiSource final : public Source {
public:
    // Reads the file at `path`; nullptr with a readable error text when it cannot be played.
    static std::unique_ptr<MidiSource> Open(const std::string& path, std::string& error);
    ~MidiSource() override;

    int rate() const override;
    int channels() const override { return 2; }
    int lengthMs() const override { return int(lengthUs_ / 1000); }
    long read(float* out, long frames) override;
    bool rewind() override;

private:
    MidiSource(std::string smf, long long lengthUs, std::unique_ptr<Synthesizer> synthesizer);
    bool startPlayer();

    std::string smf_;
    long long lengthUs_;
    long long totalFrames_;
    long long madeFrames_ = 0;
    std::unique_ptr<Synthesizer> synthesizer_;
    _fluid_player_t* player_ = nullptr;
};

}  // namespace media

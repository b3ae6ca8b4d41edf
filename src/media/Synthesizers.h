#pragma once
// FluidSynth synthesizers with the General MIDI sound font loaded. Loading the font takes a
// while and much memory, so it is loaded when the first MIDI file is opened, and a synthesizer
// that a closed file gave back serves the next one.

#include <fluidsynth.h>

#include <memory>
#include <string>

namespace media {

// The sound font: the path in the environment variable QUILBY_SOUNDFONT when it is set and
// not empty, otherwise the system's General MIDI sound font.
std::string SoundFontPath();

struct Synthesizer {
    Synthesizer() = default;
    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;
    ~Synthesizer();

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::string soundFont;
};

constexpr int kSynthesizerRate = 44100;  // stereo

// A synthesizer with the sound font of SoundFontPath() loaded, or nullptr with the reason.
std::unique_ptr<Synthesizer> TakeSynthesizer(std::string& error);

// Gives a synthesizer back, silenced and reset, for the next MIDI file.
void GiveBackSynthesizer(std::unique_ptr<Synthesizer> synthesizer);

}  // namespace media

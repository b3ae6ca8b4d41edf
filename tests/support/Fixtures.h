#pragma once
// Music files that tests make: tones written through libsndfile, MIDI files built as bytes.

#include <cstdint>
#include <string>

namespace fixtures {

// Writes a mono 16-bit WAV file holding a 440 Hz tone of `millis` milliseconds at `rate`
// frames a second, so its length is millis exactly; returns `path`.
std::string WriteWav(const std::string& path, int millis, int rate = 44100);

// The same tone as an MPEG Layer III file (libsndfile's encoder); returns `path`.
std::string WriteMp3(const std::string& path, int millis, int rate = 44100);

// Pieces of Standard MIDI Files, as bytes.
std::string Vlq(std::uint32_t value);  // a variable-length quantity
std::string MidiHeader(int format, int tracks, int division);
std::string MidiTrack(const std::string& events);  // an "MTrk" chunk holding the events
std::string TempoEvent(std::uint32_t delta, std::uint32_t usPerQuarter);
std::string EndOfTrack(std::uint32_t delta);

// A format 0 file with one note that lasts `millis` ms (500 ticks a quarter at 120 beats a
// minute: one tick is one millisecond), so the time of its last event is millis.
std::string MidiTone(int millis);

// A RIFF MIDI file (.rmi) with `smf` in its "data" chunk, after an "INFO" list.
std::string RiffMidi(const std::string& smf);

}  // namespace fixtures

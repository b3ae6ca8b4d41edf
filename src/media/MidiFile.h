#pragma once
// Reading the timing of a Standard MIDI File (formats 0 and 1): the time of its last event,
// through the tempo map that its tempo events make.

#include <string>
#include <string_view>

namespace media {

// Reads the whole file in `smf`. On success stores the time of the last event, in
// microseconds, in `lengthUs` and returns true; otherwise returns false with the reason in
// `error`.
bool ReadMidiLength(std::string_view smf, long long& lengthUs, std::string& error);

}  // namespace media

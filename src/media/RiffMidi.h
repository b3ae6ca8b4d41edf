#pragma once
// RIFF MIDI files (.rmi): a RIFF "RMID" form whose "data" chunk holds a Standard MIDI File.

#include <string>
#include <string_view>

namespace media {

// True when `file` starts as a RIFF "RMID" form.
bool IsRiffMidi(std::string_view file);

// Finds the Standard MIDI File in the "data" chunk of a RIFF MIDI file and stores it in
// `smf`; returns false with the reason in `error` when there is none.
bool FindRiffMidiData(std::string_view file, std::string_view& smf, std::string& error);

}  // namespace media

// MIDI and RIFF MIDI files as the player reads them before playing: the
// Standard MIDI File, found in the "data" chunk of a RIFF MIDI file, and its
// length through the tempo map. Any file is read without fault; a file that is
// refused says why, and a length that is told is one the player can hold.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Check.h"
#include "media/MidiFile.h"
#include "media/RiffMidi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    std::string_view smf = file;
    std::string error;
    if (media::IsRiffMidi(file)) {
        if (!media::FindRiffMidiData(file, smf, error)) {
            FUZZ_CHECK(!error.empty());
            return 0;
        }
        FUZZ_CHECK(smf.data() >= file.data() && smf.data() + smf.size() <= file.data() + file.size());
    }
    long long lengthUs = -1;
    if (media::ReadMidiLength(smf, lengthUs, error))
        FUZZ_CHECK(lengthUs >= 0 && lengthUs / 1000 <= 2147483647LL);
    else
        FUZZ_CHECK(!error.empty());
    return 0;
}

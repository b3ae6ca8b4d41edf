#include "media/RiffMidi.h"

#include <cstdint>

namespace media {

namespace {

std::uint32_t LittleEndian32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | std::uint8_t(bytes[i]);
    return value;
}

}  // namespace

bool IsRiffMidi(std::string_view file) {
    return file.size() >= 12 && file.substr(0, 4) == "RIFF" && file.substr(8, 4) == "RMID";
}

bool FindRiffMidiData(std::string_view file, std::string_view& smf, std::string& error) {
    // The form's own size may be wrong in files from the wild; the chunks are walked to the
    // end of the file instead.
    std::size_t at = 12;
    while (at <= file.size() && file.size() - at >= 8) {
        const std::string_view id = file.substr(at, 4);
        const std::uint32_t size = LittleEndian32(file.substr(at + 4, 4));
        at += 8;
        if (size > file.size() - at) {
            error = "a chunk of the RIFF MIDI file runs past the end of the file";
            return false;
        }
        if (id == "data") {
            smf = file.substr(at, size);
            return true;
        }
        at += size + (size & 1);  // chunks are padded to an even size
        if (at > file.size()) break;
    }
    error = "the RIFF MIDI file holds no \"data\" chunk";
    return false;
}

}  // namespace media

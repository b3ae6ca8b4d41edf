#include "support/Fixtures.h"

#include <sndfile.h>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace fixtures {

namespace {

std::string WriteTone(const std::string& path, int millis, int rate, int format) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const long frames = long(millis) * rate / 1000;
    std::vector<short> tone(std::size_t(frames), 0);
    for (long i = 0; i < frames; ++i) tone[std::size_t(i)] = short(8000 * std::sin(2 * M_PI * 440 * i / rate));
    sf_writef_short(file, tone.data(), frames);
    sf_close(file);
    return path;
}

std::string BigEndian(std::uint32_t value, int width) {
    std::string bytes;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) bytes += char((value >> shift) & 0xFF);
    return bytes;
}

std::string LittleEndian32(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += char((value >> shift) & 0xFF);
    return bytes;
}

std::string RiffChunk(const std::string& id, const std::string& body) {
    return id + LittleEndian32(std::uint32_t(body.size())) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

}  // namespace

std::string WriteWav(const std::string& path, int millis, int rate) {
    return WriteTone(path, millis, rate, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
}

std::string WriteMp3(const std::string& path, int millis, int rate) {
    return WriteTone(path, millis, rate, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
}

std::string Vlq(std::uint32_t value) {
    std::string bytes(1, char(value & 0x7F));
    while (value >>= 7) bytes.insert(bytes.begin(), char(0x80 | (value & 0x7F)));
    return bytes;
}

std::string MidiHeader(int format, int tracks, int division) {
    return "MThd" + BigEndian(6, 4) + BigEndian(std::uint32_t(format), 2) +
           BigEndian(std::uint32_t(tracks), 2) + BigEndian(std::uint32_t(division), 2);
}

std::string MidiTrack(const std::string& events) {
    return "MTrk" + BigEndian(std::uint32_t(events.size()), 4) + events;
}

std::string TempoEvent(std::uint32_t delta, std::uint32_t usPerQuarter) {
    return Vlq(delta) + "\xFF\x51\x03" + BigEndian(usPerQuarter, 3);
}

std::string EndOfTrack(std::uint32_t delta) { return Vlq(delta) + std::string("\xFF\x2F\x00", 3); }

std::string MidiTone(int millis) {
    const std::string note = Vlq(0) + std::string("\xC0\x00", 2) + Vlq(0) + "\x90\x45\x64" +
                             Vlq(std::uint32_t(millis)) + std::string("\x80\x45\x00", 3);
    return MidiHeader(0, 1, 500) + MidiTrack(TempoEvent(0, 500000) + note + EndOfTrack(0));
}

std::string RiffMidi(const std::string& smf) {
    const std::string info = RiffChunk("LIST", "INFO" + RiffChunk("INAM", std::string("tune\0", 5)));
    const std::string form = "RMID" + info + RiffChunk("data", smf);
    return "RIFF" + LittleEndian32(std::uint32_t(form.size())) + form;
}

}  // namespace fixtures

#include "media/MidiFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace media {

namespace {

constexpr long long kDefaultTempo = 500000;  // microseconds per quarter note: 120 beats a minute
constexpr long double kLongestUs = 2147483647.0L * 1000;  // lengths are told in int milliseconds

struct TempoChange {
    long long tick;
    long long usPerQuarter;
};

// Reads big-endian numbers and variable-length quantities from a range of bytes; every read
// fails instead of running past the end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - pos_; }

    bool byte(std::uint8_t& out) {
        if (atEnd()) return false;
        out = std::uint8_t(bytes_[pos_++]);
        return true;
    }
    bool peek(std::uint8_t& out) const {
        if (atEnd()) return false;
        out = std::uint8_t(bytes_[pos_]);
        return true;
    }
    bool number(int width, std::uint32_t& out) {
        out = 0;
        for (int i = 0; i < width; ++i) {
            std::uint8_t b;
            if (!byte(b)) return false;
            out = (out << 8) | b;
        }
        return true;
    }
    // At most four bytes of seven bits each.
    bool varLength(std::uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!byte(b)) return false;
            out = (out << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool skip(std::size_t count) {
        if (count > left()) return false;
        pos_ += count;
        return true;
    }
    bool take(std::size_t count, std::string_view& out) {
        if (count > left()) return false;
        out = bytes_.substr(pos_, count);
        pos_ += count;
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Walks the events of one track; stores the tick of its last event and adds its tempo changes.
bool ReadTrack(std::string_view track, long long& lastTick, std::vector<TempoChange>& tempi) {
    ByteReader in(track);
    long long tick = 0;
    std::uint8_t running = 0;
    while (!in.atEnd()) {
        std::uint32_t delta;
        std::uint8_t status;
        if (!in.varLength(delta) || !in.peek(status)) return false;
        tick += delta;
        if (status & 0x80) in.byte(status);
        else if (running) status = running;
        else return false;  // a data byte with no status to run on

        if (status < 0xF0) {
            running = status;
            const std::size_t dataBytes = (status & 0xE0) == 0xC0 ? 1 : 2;  // program, pressure: 1
            if (!in.skip(dataBytes)) return false;
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            std::uint32_t length;
            if (!in.varLength(length) || !in.skip(length)) return false;
        } else if (status == 0xFF) {
            running = 0;
            std::uint8_t type;
            std::uint32_t length;
            std::string_view data;
            if (!in.byte(type) || !in.varLength(length) || !in.take(length, data)) return false;
            if (type == 0x51 && length >= 3) {
                const long long tempo = (std::uint8_t(data[0]) << 16) | (std::uint8_t(data[1]) << 8) |
                                        std::uint8_t(data[2]);
                tempi.push_back({tick, tempo});
            }
            if (type == 0x2F) break;  // end of track: what follows is not played
        } else {
            return false;  // system common and real-time messages do not belong in a file
        }
    }
    lastTick = tick;
    return true;
}

// Microseconds from the start to `tick`, following the tempo changes, sorted by tick.
long double TicksToMicroseconds(long long tick, int ticksPerQuarter,
                                const std::vector<TempoChange>& tempi) {
    long double us = 0;
    long long from = 0;
    long long tempo = kDefaultTempo;
    for (const TempoChange& change : tempi) {
        if (change.tick >= tick) break;
        us += (long double)(change.tick - from) * tempo / ticksPerQuarter;
        from = change.tick;
        tempo = change.usPerQuarter;
    }
    return us + (long double)(tick - from) * tempo / ticksPerQuarter;
}

}  // namespace

bool ReadMidiLength(std::string_view smf, long long& lengthUs, std::string& error) {
    ByteReader in(smf);
    std::string_view id;
    std::uint32_t headerLength, format, tracks, division;
    if (!in.take(4, id) || id != "MThd" || !in.number(4, headerLength) || headerLength < 6 ||
        !in.number(2, format) || !in.number(2, tracks) || !in.number(2, division) ||
        !in.skip(headerLength - 6)) {
        error = "it is not a Standard MIDI File";
        return false;
    }
    if (format > 1) {
        error = "MIDI files of format " + std::to_string(format) + " cannot be played";
        return false;
    }
    if (tracks == 0) {
        error = "the MIDI file holds no tracks";
        return false;
    }
    // Time code division: frames a second (negative, 29 meaning 29.97) and ticks a frame.
    const bool timeCode = division & 0x8000;
    const int framesPerSecond = timeCode ? -std::int8_t(division >> 8) : 0;
    const int ticksPerUnit = timeCode ? int(division & 0xFF) : int(division);
    if (ticksPerUnit == 0 || (timeCode && framesPerSecond <= 0)) {
        error = "the MIDI file's time division is invalid";
        return false;
    }

    long long lastTick = 0;
    std::vector<TempoChange> tempi;
    for (std::uint32_t found = 0; found < tracks;) {
        std::string_view chunk;
        std::uint32_t length;
        if (!in.take(4, id) || !in.number(4, length)) {
            error = "the MIDI file ends before all its tracks";
            return false;
        }
        if (!in.take(length, chunk)) {
            error = "a chunk of the MIDI file runs past the end of the file";
            return false;
        }
        if (id != "MTrk") continue;  // chunks of other kinds are skipped
        long long trackEnd;
        if (!ReadTrack(chunk, trackEnd, tempi)) {
            error = "track " + std::to_string(found + 1) + " of the MIDI file is damaged";
            return false;
        }
        lastTick = std::max(lastTick, trackEnd);
        ++found;
    }

    long double us;
    if (timeCode) {
        const long double frameRate = framesPerSecond == 29 ? 30000.0L / 1001 : framesPerSecond;
        us = lastTick * 1e6L / (frameRate * ticksPerUnit);
    } else {
        std::stable_sort(tempi.begin(), tempi.end(),
                         [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
        us = TicksToMicroseconds(lastTick, ticksPerUnit, tempi);
    }
    lengthUs = (long long)std::min(us, kLongestUs);
    return true;
}

}  // namespace media

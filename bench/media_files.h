#pragma once
// The music files that the media benchmarks play, made on first use and kept in
// $TMPDIR/quilby-media-bench: chords that change every half second over a little noise, so
// that a variable bit rate encoder has something to vary.

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace media_bench {

constexpr int kRate = 44100;

inline std::string BenchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::filesystem::path folder = std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / "quilby-media-bench";
    std::filesystem::create_directories(folder);
    return folder.string();
}

// Writes `seconds` of stereo sound at 44.1 kHz in `format`; a compression level and bit rate
// mode apply to MP3.
inline std::string MakeSound(const std::string& name, int seconds, int format, double compression = 0,
                             int bitrateMode = SF_BITRATE_MODE_CONSTANT) {
    const std::string path = BenchFolder() + "/" + name;
    if (std::filesystem::exists(path)) return path;
    const std::string partial = path + ".part";
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = format;
    SNDFILE* file = sf_open(partial.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + partial + ": " + sf_strerror(nullptr));
    if ((format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
        sf_command(file, SFC_SET_BITRATE_MODE, &bitrateMode, sizeof bitrateMode);
        sf_command(file, SFC_SET_COMPRESSION_LEVEL, &compression, sizeof compression);
    }
    std::mt19937 noise(7);
    std::uniform_real_distribution<float> hiss(-0.02f, 0.02f);
    std::vector<float> block(std::size_t(kRate / 2) * 2);
    for (long start = 0; start < long(seconds) * kRate; start += kRate / 2) {
        const double root = 110.0 * std::pow(2.0, double((start / (kRate / 2)) * 5 % 12) / 12);
        for (long i = 0; i < kRate / 2; ++i) {
            const double t = double(start + i) / kRate;
            const double chord = std::sin(2 * M_PI * root * t) + 0.6 * std::sin(2 * M_PI * root * 1.26 * t) +
                                 0.5 * std::sin(2 * M_PI * root * 1.5 * t);
            block[std::size_t(2 * i)] = float(0.25 * chord) + hiss(noise);
            block[std::size_t(2 * i + 1)] = float(0.25 * chord * std::cos(t)) + hiss(noise);
        }
        sf_writef_float(file, block.data(), kRate / 2);
    }
    sf_close(file);
    std::filesystem::rename(partial, path);
    return path;
}

// 5 minutes at 128 kbit/s: libsndfile's scale runs from 320 kbit/s at 0 to 32 at 1.
inline std::string CbrMp3() {
    return MakeSound("5min-128k.mp3", 300, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2.0 / 3);
}

inline std::string VbrMp3() {
    return MakeSound("10min-vbr.mp3", 600, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 0.5,
                     SF_BITRATE_MODE_VARIABLE);
}

inline std::string Wav() { return MakeSound("2min.wav", 120, SF_FORMAT_WAV | SF_FORMAT_PCM_16); }

// Two minutes of MIDI: a tempo track, then four tracks of notes, 120 beats a minute at 480
// ticks a quarter; eighth notes on melody, bass and drums, and held chords on strings.
inline std::string Midi() {
    const std::string path = BenchFolder() + "/2min.mid";
    if (std::filesystem::exists(path)) return path;
    auto vlq = [](std::uint32_t v) {
        std::string b(1, char(v & 0x7F));
        while (v >>= 7) b.insert(b.begin(), char(0x80 | (v & 0x7F)));
        return b;
    };
    auto chunk = [](const std::string& id, const std::string& body) {
        const auto n = std::uint32_t(body.size());
        return id + char(n >> 24) + char(n >> 16) + char(n >> 8) + char(n) + body;
    };
    auto track = [&](int channel, int program, int step, const std::vector<int>& notes) {
        std::string events = vlq(0) + char(0xC0 | channel) + char(program);
        const int steps = 240 * 480 / step;  // 240 quarters
        for (int i = 0; i < steps; ++i) {
            const int note = notes[std::size_t(i) % notes.size()];
            events += vlq(0) + char(0x90 | channel) + char(note) + char(90);
            events += vlq(std::uint32_t(step)) + char(0x80 | channel) + char(note) + char(0);
        }
        return chunk("MTrk", events + vlq(0) + std::string("\xFF\x2F\x00", 3));
    };
    const std::string tempo = chunk("MTrk", vlq(0) + "\xFF\x51\x03\x07\xA1\x20" + vlq(0) + std::string("\xFF\x2F\x00", 3));
    const std::string smf = chunk("MThd", std::string("\x00\x01\x00\x05\x01\xE0", 6)) + tempo +
                            track(0, 0, 240, {60, 64, 67, 72, 67, 64}) + track(1, 33, 240, {36, 36, 43, 41}) +
                            track(9, 0, 240, {36, 42, 38, 42}) + track(2, 48, 1920, {52, 55, 59, 57});
    const std::string partial = path + ".part";
    std::FILE* out = std::fopen(partial.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + partial);
    std::fwrite(smf.data(), 1, smf.size(), out);
    std::fclose(out);
    std::filesystem::rename(partial, path);
    return path;
}

}  // namespace media_bench

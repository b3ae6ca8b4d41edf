// What reaches the output: SDL's disk driver writes every frame that the callback hands it to
// a file, where the test finds each frame of the track once and in order, through pause,
// resume, stop and rewind. Its own program: the audio driver is chosen when audio starts.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "media/MediaPlayer.h"
#include "support/TempDir.h"

using media::TMPModes;
using namespace std::chrono_literals;

namespace {

// Mono 16-bit samples that never repeat within the track and are never silent (0).
std::vector<short> Ramp(int frames) {
    std::vector<short> samples(std::size_t(frames), 0);
    for (int i = 0; i < frames; ++i) samples[std::size_t(i)] = short(1 + (i * 7919L) % 30011);
    return samples;
}

void WriteMonoWav(const std::string& path, const std::vector<short>& samples) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    sf_writef_short(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
}

// The non-silent samples written to the output, turned back into 16-bit values.
std::vector<short> Heard(const std::string& path) {
    const std::string raw = ReadFile(path);
    std::vector<short> heard;
    for (std::size_t at = 0; at + sizeof(float) <= raw.size(); at += sizeof(float)) {
        float sample;
        std::memcpy(&sample, raw.data() + at, sizeof sample);
        if (sample != 0.0f) heard.push_back(short(sample * 32768.0f));
    }
    return heard;
}

void WaitForTheEnd(media::TMediaPlayer& player) {
    const auto limit = std::chrono::steady_clock::now() + 10s;
    while (player.Mode() != TMPModes::mpStopped && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(5ms);
    }
}

TEST(Output, EveryFrameIsHeardOnceInOrder) {
    TempDir dir;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (dir / "heard.raw").c_str(), 1);
    const std::vector<short> track = Ramp(44100);  // one second
    WriteMonoWav(dir / "ramp.wav", track);

    media::TMediaPlayer player;
    player.FileName = dir / "ramp.wav";
    player.Open();
    player.Play();
    std::this_thread::sleep_for(200ms);
    player.Pause();
    std::this_thread::sleep_for(100ms);
    player.Pause();
    std::this_thread::sleep_for(150ms);
    player.Stop();
    std::this_thread::sleep_for(50ms);
    player.Play();
    WaitForTheEnd(player);
    EXPECT_EQ(player.Position(), 1000);
    player.Play();  // AutoRewind: from the start again, cut short by Close
    std::this_thread::sleep_for(150ms);
    player.Close();

    const std::vector<short> heard = Heard(dir / "heard.raw");
    ASSERT_GT(heard.size(), track.size());
    EXPECT_TRUE(std::equal(track.begin(), track.end(), heard.begin())) << "the whole track, once";
    EXPECT_TRUE(std::equal(heard.begin() + long(track.size()), heard.end(), track.begin()))
        << "then its beginning again";
}

}  // namespace

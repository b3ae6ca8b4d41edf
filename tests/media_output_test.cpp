// What reaches the output: SDL's disk driver writes every frame that the engine's output hands
// it to a file (float stereo), where the tests find each frame of a track once and in order,
// through pause, resume, stop and rewind, and with other players opening, playing and closing
// alongside. Its own program: the audio driver is chosen when audio starts, and the output then
// stays open, writing to the same file, for the rest of the program.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
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

// 16-bit samples that follow no simple pattern, are never silent (0) and stay below half of
// full scale, so that two tracks played together add up without clipping.
std::vector<short> Ramp(int frames, long step) {
    std::vector<short> samples(std::size_t(frames), 0);
    for (int i = 0; i < frames; ++i) samples[std::size_t(i)] = short(1 + (i * step) % 16001);
    return samples;
}

std::vector<short> Negated(std::vector<short> samples) {
    for (short& sample : samples) sample = short(-sample);
    return samples;
}

// A 44.1 kHz WAV file of one channel, or of two when `right` is given.
void WriteWav(const std::string& path, const std::vector<short>& left, const std::vector<short>& right = {}) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = right.empty() ? 1 : 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::vector<short> frames = left;
    if (!right.empty()) {
        frames.clear();
        for (std::size_t i = 0; i < left.size(); ++i) frames.insert(frames.end(), {left[i], right[i]});
    }
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    sf_writef_short(file, frames.data(), sf_count_t(left.size()));
    sf_close(file);
}

// The output split into what both channels share, (left + right) / 2, and what sets them
// apart, (left - right) / 2: a mono track sounds on the first only, a track whose right
// channel is its left negated on the second only. Each holds the samples that are not
// silent, turned back into 16-bit values.
struct Heard {
    std::vector<short> mid;
    std::vector<short> side;
};

void WaitForTheEnd(media::TMediaPlayer& player) {
    const auto limit = std::chrono::steady_clock::now() + 10s;
    while (player.Mode() != TMPModes::mpStopped && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(5ms);
    }
}

class Output : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new TempDir;
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", Recording().c_str(), 1);
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    static std::string Recording() { return *folder / "heard.raw"; }

    // The driver writes to the file a few KiB at a time: the sound of an earlier test is out
    // once the output has gone on with some silence.
    void SetUp() override {
        std::this_thread::sleep_for(100ms);
        from_ = ReadFile(Recording()).size();
    }

    // What the output has played since the test began, up to what has reached the file.
    Heard Listen() const {
        std::this_thread::sleep_for(100ms);  // for the last sound to reach the file
        const std::string raw = ReadFile(Recording());
        Heard heard;
        float frame[2];
        for (std::size_t at = from_ - from_ % sizeof frame; at + sizeof frame <= raw.size(); at += sizeof frame) {
            std::memcpy(frame, raw.data() + at, sizeof frame);
            const float mid = (frame[0] + frame[1]) / 2, side = (frame[0] - frame[1]) / 2;
            if (mid != 0.0f) heard.mid.push_back(short(mid * 32768.0f));
            if (side != 0.0f) heard.side.push_back(short(side * 32768.0f));
        }
        return heard;
    }

    static TempDir* folder;
    TempDir dir;

private:
    std::size_t from_ = 0;
};

TempDir* Output::folder = nullptr;

TEST_F(Output, EveryFrameIsHeardOnceInOrder) {
    const std::vector<short> track = Ramp(44100, 7919);  // one second
    WriteWav(dir / "ramp.wav", track);

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

    const Heard heard = Listen();
    EXPECT_TRUE(heard.side.empty()) << "a mono track sounds the same on both channels";
    ASSERT_GT(heard.mid.size(), track.size());
    EXPECT_TRUE(std::equal(track.begin(), track.end(), heard.mid.begin())) << "the whole track, once";
    EXPECT_TRUE(std::equal(heard.mid.begin() + long(track.size()), heard.mid.end(), track.begin()))
        << "then its beginning again";
}

// Players share the output: one plays a whole track while a second opens, plays and closes
// half-way, a third opens and plays, and the first closes while the third plays on.
TEST_F(Output, PlayersOpeningAndClosingAlongsideEachOtherAreHeardWhole) {
    const std::vector<short> first = Ramp(44100, 7919);  // one second, on both channels alike
    const std::vector<short> second = Ramp(22050, 104729);
    const std::vector<short> third = Ramp(44100, 3571);
    WriteWav(dir / "first.wav", first);
    WriteWav(dir / "second.wav", second, Negated(second));  // heard as +second on the side
    WriteWav(dir / "third.wav", Negated(third), third);     // heard as -third on the side

    media::TMediaPlayer one, two, three;
    one.FileName = dir / "first.wav";
    two.FileName = dir / "second.wav";
    three.FileName = dir / "third.wav";
    one.Open();
    one.Play();
    std::this_thread::sleep_for(100ms);
    two.Open();
    two.Play();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(two.Mode(), TMPModes::mpPlaying);
    two.Close();
    std::this_thread::sleep_for(100ms);
    three.Open();
    three.Play();
    WaitForTheEnd(one);
    EXPECT_EQ(one.Position(), one.Length());
    EXPECT_EQ(three.Mode(), TMPModes::mpPlaying);
    one.Close();
    WaitForTheEnd(three);
    EXPECT_EQ(three.Position(), three.Length());

    const Heard heard = Listen();
    EXPECT_EQ(heard.mid, first) << "the first track whole, whatever the others did";
    const auto thirdStarts = std::find_if(heard.side.begin(), heard.side.end(), [](short s) { return s < 0; });
    const std::vector<short> secondHeard(heard.side.begin(), thirdStarts);
    EXPECT_GT(secondHeard.size(), 0u);
    EXPECT_LT(secondHeard.size(), second.size()) << "the second was closed half-way";
    EXPECT_TRUE(std::equal(secondHeard.begin(), secondHeard.end(), second.begin())) << "from its start";
    EXPECT_EQ(std::vector<short>(thirdStarts, heard.side.end()), Negated(third)) << "the third track whole";
}

}  // namespace

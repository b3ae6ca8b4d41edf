// The engine playing real files to SDL's dummy output, which plays in real time.
#include <dirent.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "media/MediaPlayer.h"
#include "support/Fixtures.h"
#include "support/TempDir.h"

using media::TMediaPlayer;
using media::TMPModes;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 5s) {
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

int EntriesIn(const char* folder) {
    int count = 0;
    DIR* dir = opendir(folder);
    while (dirent* entry = readdir(dir)) count += entry->d_name[0] != '.';
    closedir(dir);
    return count;
}

// A format 1 file: 960 ticks at half a second a quarter, then 480 at a quarter second.
std::string TempoChangeMidi() {
    using namespace fixtures;
    const std::string note = Vlq(0) + "\x90\x45\x64" + Vlq(1440) + std::string("\x80\x45\x00", 3);
    return MidiHeader(1, 2, 480) +
           MidiTrack(TempoEvent(0, 500000) + TempoEvent(960, 250000) + EndOfTrack(0)) +
           MidiTrack(note + EndOfTrack(0));
}

class Playback : public ::testing::Test {
protected:
    void OpenFile(const std::string& path) {
        player.FileName = path;
        player.Open();
    }
    TempDir dir;
    TMediaPlayer player;
};

TEST_F(Playback, LengthIsKnownOnOpenToTheMillisecond) {
    struct Case {
        std::string path;
        int length;
    };
    const Case cases[] = {
        {fixtures::WriteWav(dir / "a.wav", 250), 250},
        {fixtures::WriteWav(dir / "b.WAV", 300, 22050), 300},
        {fixtures::WriteMp3(dir / "c.mp3", 400), 400},
        {fixtures::WriteMp3(dir / "d.Mp3", 240, 48000), 240},
        {dir.Write("e.mid", TempoChangeMidi()), 1250},
        {dir.Write("f.MIDI", fixtures::MidiTone(321)), 321},
        {dir.Write("g.rmi", fixtures::RiffMidi(fixtures::MidiTone(275))), 275},
    };
    for (const Case& c : cases) {
        OpenFile(c.path);
        EXPECT_EQ(player.Length(), c.length) << c.path;
        EXPECT_EQ(player.Position(), 0) << c.path;
        EXPECT_EQ(player.Mode(), TMPModes::mpStopped) << c.path;
    }
}

TEST_F(Playback, PositionFollowsTheClockAndHoldsStillWhilePaused) {
    OpenFile(fixtures::WriteWav(dir / "long.wav", 3000));
    const auto started = Clock::now();
    player.Play();
    std::this_thread::sleep_for(300ms);
    const int playing = player.Position();
    const auto elapsed = int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count());
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
    EXPECT_GE(playing, elapsed / 2);
    EXPECT_LE(playing, elapsed + 100);

    player.Pause();
    const int paused = player.Position();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(player.Mode(), TMPModes::mpPaused);
    EXPECT_EQ(player.Position(), paused);

    player.Pause();  // resumes from where it stood
    EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
    EXPECT_TRUE(WaitFor([&] { return player.Position() >= paused + 100; }));
    EXPECT_LT(player.Position(), paused + 1000);
}

TEST_F(Playback, StopHoldsThePositionAndPlayGoesOnFromIt) {
    OpenFile(fixtures::WriteWav(dir / "long.wav", 3000));
    player.Play();
    ASSERT_TRUE(WaitFor([&] { return player.Position() >= 100; }));
    player.Stop();
    const int stopped = player.Position();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(player.Mode(), TMPModes::mpStopped);
    EXPECT_EQ(player.Position(), stopped);
    player.Play();
    EXPECT_TRUE(WaitFor([&] { return player.Position() > stopped; }));
    EXPECT_LT(player.Position(), stopped + 1000);
}

TEST_F(Playback, AtTheEndPositionIsLengthAndTheDeviceHasStopped) {
    const std::string files[] = {
        fixtures::WriteWav(dir / "a.wav", 300),
        fixtures::WriteMp3(dir / "b.mp3", 300),
        dir.Write("c.mid", fixtures::MidiTone(300)),
    };
    for (const std::string& file : files) {
        OpenFile(file);
        player.AutoRewind = false;
        player.Play();
        ASSERT_TRUE(WaitFor([&] { return player.Mode() == TMPModes::mpStopped; })) << file;
        EXPECT_EQ(player.Position(), 300) << file;
        std::this_thread::sleep_for(60ms);
        EXPECT_EQ(player.Position(), player.Length()) << file;

        player.Play();  // at the end without AutoRewind: nothing more
        std::this_thread::sleep_for(60ms);
        EXPECT_EQ(player.Mode(), TMPModes::mpStopped) << file;
        EXPECT_EQ(player.Position(), 300) << file;

        player.AutoRewind = true;  // from the start again
        player.Play();
        EXPECT_EQ(player.Mode(), TMPModes::mpPlaying) << file;
        EXPECT_LT(player.Position(), 300) << file;
        ASSERT_TRUE(WaitFor([&] { return player.Mode() == TMPModes::mpStopped; })) << file;
        EXPECT_EQ(player.Position(), 300) << file;
    }
}

TEST_F(Playback, ReopensAfterCloseAndWhileOpen) {
    const std::string file = fixtures::WriteWav(dir / "a.wav", 1000);
    OpenFile(file);
    player.Play();
    player.Close();
    EXPECT_FALSE(player.IsOpen());
    OpenFile(file);
    OpenFile(file);  // closes the open device first
    EXPECT_EQ(player.Length(), 1000);
    EXPECT_EQ(player.Position(), 0);
    player.Play();
    EXPECT_TRUE(WaitFor([&] { return player.Position() > 0; }));
}

TEST_F(Playback, HundredCyclesLeaveNoDescriptorOrThreadBehind) {
    const std::string files[] = {
        fixtures::WriteWav(dir / "a.wav", 200),
        fixtures::WriteMp3(dir / "b.mp3", 200),
        dir.Write("c.mid", fixtures::MidiTone(200)),
        dir.Write("d.rmi", fixtures::RiffMidi(fixtures::MidiTone(200))),
    };
    // One round first: the audio subsystem, its output (with SDL's thread and the engine's
    // thread that closes it when unused) and the sound font stay once started.
    for (const std::string& file : files) {
        OpenFile(file);
        player.Play();
        player.Close();
    }
    const int descriptors = EntriesIn("/proc/self/fd");
    const int threads = EntriesIn("/proc/self/task");
    for (int cycle = 0; cycle < 100; ++cycle) {
        OpenFile(files[cycle % 4]);
        player.Play();
        if (cycle % 10 == 0) std::this_thread::sleep_for(30ms);  // now and then, play a little
        player.Close();
    }
    EXPECT_EQ(EntriesIn("/proc/self/fd"), descriptors);
    EXPECT_EQ(EntriesIn("/proc/self/task"), threads);
}

// The engine's audio output outlives a closed file, so that the next one opens at once; once no
// file has been open for a few seconds it closes, SDL's thread with it, and a new file opens it
// again.
TEST_F(Playback, TheOutputClosesWhenUnusedAndOpensAgain) {
    const std::string file = fixtures::WriteWav(dir / "a.wav", 1000);
    OpenFile(file);
    player.Play();
    ASSERT_TRUE(WaitFor([&] { return player.Position() > 0; }));
    player.Close();
    const int threads = EntriesIn("/proc/self/task");
    EXPECT_TRUE(WaitFor([&] { return EntriesIn("/proc/self/task") == threads - 1; }, 10s))
        << "an unused output still runs";

    OpenFile(file);
    EXPECT_EQ(EntriesIn("/proc/self/task"), threads + 1) << "the output and the decoding thread";
    player.Play();
    EXPECT_TRUE(WaitFor([&] { return player.Position() > 0; }));
}

}  // namespace

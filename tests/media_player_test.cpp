// The media player's own rules, over a device that the test controls.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "media/MediaPlayer.h"

using media::EMCIDeviceError;
using media::TMediaPlayer;
using media::TMPModes;

namespace {

struct Log {
    std::vector<std::string> calls;
};

class FakeDevice : public media::Device {
public:
    explicit FakeDevice(Log& log) : log_(log) {}
    ~FakeDevice() override { log_.calls.push_back("closed"); }
    void play() override { log_.calls.push_back("play"); }
    void pause() override { log_.calls.push_back("pause"); }
    bool resume() override {
        log_.calls.push_back("resume");
        return resumes;
    }
    void stop() override { log_.calls.push_back("stop"); }
    TMPModes mode() const override { return mode_; }
    int lengthMs() const override { return length; }
    int positionMs() const override { return position; }
    void rewind() override { log_.calls.push_back("rewind"); }

    TMPModes mode_ = TMPModes::mpStopped;
    int length = 1000;
    int position = 0;
    bool resumes = true;

private:
    Log& log_;
};

class FakeFactory : public media::DeviceFactory {
public:
    std::unique_ptr<media::Device> open(const std::string& path, std::string& error) override {
        log.calls.push_back("open " + path);
        if (!failure.empty() || refuseSilently) {
            error = failure;
            return nullptr;
        }
        auto device = std::make_unique<FakeDevice>(log);
        last = device.get();
        return device;
    }
    Log log;
    std::string failure;
    bool refuseSilently = false;
    FakeDevice* last = nullptr;
};

class MediaPlayer : public ::testing::Test {
protected:
    MediaPlayer() {
        player.SetDeviceFactory(&factory);
        player.FileName = "/music/a.mp3";
    }
    FakeDevice& Opened() {
        player.Open();
        factory.log.calls.clear();
        return *factory.last;
    }
    FakeFactory factory;
    TMediaPlayer player;
};

void ExpectNoDevice(const std::function<void()>& operation) {
    try {
        operation();
        ADD_FAILURE() << "no error";
    } catch (const EMCIDeviceError& e) {
        EXPECT_STREQ(e.what(), "No MCI device open");
    }
}

TEST_F(MediaPlayer, WithoutADeviceOnlyPositionModeAndCloseAnswer) {
    for (int round = 0; round < 2; ++round) {  // before any open, then after a close
        ExpectNoDevice([&] { player.Play(); });
        ExpectNoDevice([&] { player.Stop(); });
        ExpectNoDevice([&] { player.Pause(); });
        ExpectNoDevice([&] { player.Length(); });
        EXPECT_EQ(player.Position(), 0);
        EXPECT_EQ(player.Mode(), TMPModes::mpNotReady);
        EXPECT_NO_THROW(player.Close());
        EXPECT_FALSE(player.IsOpen());
        player.Open();
        player.Close();
    }
}

TEST_F(MediaPlayer, OpenCarriesTheDevicesErrorText) {
    factory.failure = "Cannot open \"/music/a.mp3\": the file does not exist";
    EXPECT_THROW(
        try { player.Open(); } catch (const EMCIDeviceError& e) {
            EXPECT_EQ(std::string(e.what()), factory.failure);
            throw;
        },
        EMCIDeviceError);
    EXPECT_FALSE(player.IsOpen());

    factory.failure.clear();
    factory.refuseSilently = true;
    EXPECT_THROW(
        try { player.Open(); } catch (const EMCIDeviceError& e) {
            EXPECT_STREQ(e.what(), "Unknown error code");
            throw;
        },
        EMCIDeviceError);
}

TEST_F(MediaPlayer, EmptyFileNameFailsAndLeavesNoDevice) {
    Opened();
    player.FileName.clear();
    EXPECT_THROW(player.Open(), EMCIDeviceError);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(factory.log.calls, (std::vector<std::string>{"closed"}));
}

TEST_F(MediaPlayer, OpenClosesTheOpenDeviceFirst) {
    Opened();
    player.FileName = "/music/b.wav";
    player.Open();
    EXPECT_EQ(factory.log.calls, (std::vector<std::string>{"closed", "open /music/b.wav"}));
    EXPECT_TRUE(player.IsOpen());
}

TEST_F(MediaPlayer, ReportsTheDevicesModeLengthAndPosition) {
    FakeDevice& device = Opened();
    device.mode_ = TMPModes::mpPaused;
    device.length = 61234;
    device.position = 512;
    EXPECT_EQ(player.Mode(), TMPModes::mpPaused);
    EXPECT_EQ(player.Length(), 61234);
    EXPECT_EQ(player.Position(), 512);
}

struct PauseCase {
    TMPModes mode;
    bool resumes;
    std::vector<std::string> calls;
};

TEST_F(MediaPlayer, PauseTogglesOnTheDevicesMode) {
    const PauseCase cases[] = {
        {TMPModes::mpPlaying, true, {"pause"}},
        {TMPModes::mpPaused, true, {"resume"}},
        {TMPModes::mpPaused, false, {"resume", "play"}},  // refused: played as Play would
        {TMPModes::mpStopped, true, {}},
        {TMPModes::mpSeeking, true, {}},
        {TMPModes::mpOpen, true, {}},
    };
    for (const PauseCase& c : cases) {
        FakeDevice& device = Opened();
        device.mode_ = c.mode;
        device.resumes = c.resumes;
        player.Pause();
        EXPECT_EQ(factory.log.calls, c.calls) << "mode " << int(c.mode) << ", resumes " << c.resumes;
    }
}

struct PlayCase {
    bool autoRewind;
    int position;
    std::vector<std::string> calls;
};

TEST_F(MediaPlayer, PlayRewindsAtTheEndOnlyWithAutoRewind) {
    const PlayCase cases[] = {
        {true, 1000, {"rewind", "play"}},
        {false, 1000, {"play"}},  // the device at its end plays nothing more
        {true, 999, {"play"}},
        {true, 0, {"play"}},
    };
    for (const PlayCase& c : cases) {
        FakeDevice& device = Opened();
        device.position = c.position;
        player.AutoRewind = c.autoRewind;
        player.Play();
        EXPECT_EQ(factory.log.calls, c.calls) << "AutoRewind " << c.autoRewind << ", position " << c.position;
    }
}

TEST_F(MediaPlayer, StopAndCloseReachTheDevice) {
    Opened();
    player.Stop();
    player.Close();
    player.Close();
    EXPECT_EQ(factory.log.calls, (std::vector<std::string>{"stop", "closed"}));
}

}  // namespace

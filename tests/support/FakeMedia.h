#pragma once
// A media device that the test drives in place of the engine: it never plays by
// itself; the test sets its position, length and mode, makes chosen files fail
// to open with a given text, and reads the calls made to it. Installed with
// `player->SetDeviceFactory(&fake)`.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "media/MediaPlayer.h"

class FakeMedia;

class FakeDevice : public media::Device {
public:
    FakeDevice(FakeMedia& owner, std::string path, int length);
    ~FakeDevice() override;

    void play() override;
    void pause() override;
    bool resume() override;
    void stop() override;
    media::TMPModes mode() const override { return mode_; }
    int lengthMs() const override { return length_; }
    int positionMs() const override { return position_; }
    void rewind() override;

    const std::string& path() const { return path_; }
    void SetPosition(int ms) { position_ = ms; }
    void SetMode(media::TMPModes mode) { mode_ = mode; }
    // Played out: at its end position and stopped, as a device stays at the end of its track.
    void End();

private:
    FakeMedia& owner_;
    std::string path_;
    int length_;
    int position_ = 0;
    media::TMPModes mode_ = media::TMPModes::mpStopped;
};

class FakeMedia : public media::DeviceFactory {
public:
    std::unique_ptr<media::Device> open(const std::string& path, std::string& error) override;

    // Opening `path` fails with `text` as the device's error.
    void Fail(const std::string& path, const std::string& text) { failures_[path] = text; }
    // Devices opened on `path` from now on have this length (otherwise `length`).
    void SetLength(const std::string& path, int ms) { lengths_[path] = ms; }
    int length = 60000;

    // The open device, or nullptr.
    FakeDevice* device = nullptr;
    // Every call, in order: "open <path>", "play", "pause", "resume", "stop", "rewind", "close".
    std::vector<std::string> calls;
    // The paths opened successfully, in order.
    std::vector<std::string> opened;

private:
    std::map<std::string, std::string> failures_;
    std::map<std::string, int> lengths_;
};

#pragma once
// The media player component: opens one file at a time on a device chosen by
// the file's extension, and plays, pauses, resumes and stops it. Length and
// position are in milliseconds.

#include <memory>
#include <stdexcept>
#include <string>

namespace media {

class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

// One open file on an output. Implementations never throw; failures while
// playing end in the stopped mode.
class Device {
public:
    virtual ~Device() = default;
    virtual void play() = 0;    // from the current position; at the end, plays nothing
    virtual void pause() = 0;   // holds the position
    virtual bool resume() = 0;  // false when the device refuses to resume
    virtual void stop() = 0;    // holds the position
    virtual TMPModes mode() const = 0;
    virtual int lengthMs() const = 0;
    virtual int positionMs() const = 0;
    virtual void rewind() = 0;  // back to the start, used by AutoRewind
};

// Makes devices. The real one decodes and plays; tests put their own in place.
class DeviceFactory {
public:
    virtual ~DeviceFactory() = default;
    // Opens a device on the file, or returns nullptr with a readable error text.
    virtual std::unique_ptr<Device> open(const std::string& path, std::string& error) = 0;
};

// The engine's own factory: decoding with libsndfile and FluidSynth, output through SDL2.
DeviceFactory& RealDeviceFactory();

class TMediaPlayer {
public:
    TMediaPlayer();
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    void SetDeviceFactory(DeviceFactory* factory);  // nullptr: the real one

    std::string FileName;
    bool AutoRewind = true;

    void Open();   // closes an open device first; raises the device's error text
    void Close();  // never raises
    void Play();
    void Stop();
    void Pause();  // playing: pause; paused: resume (or play when refused); otherwise nothing
    int Length();
    int Position();  // 0 when no device is open
    TMPModes Mode();
    bool IsOpen() const { return device_ != nullptr; }

private:
    void RequireDevice() const;
    DeviceFactory* factory_ = nullptr;
    std::unique_ptr<Device> device_;
};

}  // namespace media

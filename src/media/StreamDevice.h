#pragma once
// The engine's device: a source decoded on the device's own thread and played through an
// audio output. The thread keeps the output's ring topped up from the moment the device
// opens, so that playing starts at once.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "media/MediaPlayer.h"

namespace media {

class AudioOutput;
class Source;

class StreamDevice final : public Device {
public:
    // nullptr with the reason when no audio output can be opened for the source.
    static std::unique_ptr<StreamDevice> Open(std::unique_ptr<Source> source, std::string& error);
    ~StreamDevice() override;  // stops and joins the decoding thread

    void play() override;
    void pause() override;
    bool resume() override;
    void stop() override;
    TMPModes mode() const override;
    int lengthMs() const override;
    int positionMs() const override;
    void rewind() override;

private:
    StreamDevice(std::unique_ptr<Source> source, std::unique_ptr<AudioOutput> output);
    void decode();
    bool feed();

    std::unique_ptr<Source> source_;
    std::unique_ptr<AudioOutput> output_;
    TMPModes state_ = TMPModes::mpStopped;  // as the owner last set it; the end is the output's

    // Shared with the decoding thread.
    std::mutex lock_;
    std::condition_variable wake_;
    bool quit_ = false;
    bool sourceEnded_ = false;
    std::vector<float> decoded_;
    std::thread thread_;
};

}  // namespace media

#pragma once
// Sampled sound decoded by libsndfile: WAV, MP3, FLAC, Ogg Vorbis, Opus and AIFF.

#include <memory>
#include <string>

#include "media/Source.h"

struct sf_private_tag;

namespace media {

class SndfileSource final : public Source {
public:
    // Opens the file at `path`; nullptr with a readable error text when it cannot be played.
    static std::unique_ptr<SndfileSource> Open(const std::string& path, std::string& error);
    ~SndfileSource() override;

    int rate() const override { return rate_; }
    int channels() const override { return channels_; }
    int lengthMs() const override { return lengthMs_; }
    long read(float* out, long frames) override;
    bool rewind() override;

private:
    SndfileSource(int fd, sf_private_tag* file, int rate, int channels, long long frames);

    int fd_;
    sf_private_tag* file_;
    int rate_;
    int channels_;
    int lengthMs_;
};

}  // namespace media

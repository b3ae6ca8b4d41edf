#include "media/SndfileSource.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "media/MediaFile.h"

namespace media {

namespace {

// Devices convert at most this many channels.
constexpr int kMaxChannels = 8;

}  // namespace

std::unique_ptr<SndfileSource> SndfileSource::Open(const std::string& path, std::string& error) {
    const int fd = OpenMediaFile(path, error);
    if (fd < 0) return nullptr;
    SF_INFO info{};
    // The source keeps and closes the descriptor itself, whether or not libsndfile takes it.
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    if (!file) {
        ::close(fd);
        error = FileError(path, "the file is damaged or is not in a sound format that can be played");
        return nullptr;
    }
    if (info.samplerate <= 0 || info.channels <= 0 || info.channels > kMaxChannels) {
        sf_close(file);
        ::close(fd);
        error = FileError(path, "the sound has " + std::to_string(info.channels) +
                                    " channels at " + std::to_string(info.samplerate) +
                                    " Hz, which cannot be played");
        return nullptr;
    }
    return std::unique_ptr<SndfileSource>(
        new SndfileSource(fd, file, info.samplerate, info.channels, info.frames));
}

SndfileSource::SndfileSource(int fd, sf_private_tag* file, int rate, int channels,
                             long long frames)
    : fd_(fd), file_(file), rate_(rate), channels_(channels),
      lengthMs_(int(std::min<long long>(std::max(frames, 0LL) * 1000 / rate, INT_MAX))) {}

SndfileSource::~SndfileSource() {
    sf_close(file_);
    ::close(fd_);
}

long SndfileSource::read(float* out, long frames) {
    const sf_count_t got = sf_readf_float(file_, out, frames);
    return got > 0 ? long(got) : 0;
}

bool SndfileSource::rewind() { return sf_seek(file_, 0, SEEK_SET) == 0; }

}  // namespace media

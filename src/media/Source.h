#pragma once
// Decoded sound that a device plays: interleaved 32-bit float frames at a fixed rate.
// A source is used by one thread at a time.

namespace media {

class Source {
public:
    virtual ~Source() = default;
    virtual int rate() const = 0;
    virtual int channels() const = 0;
    virtual int lengthMs() const = 0;
    // Decodes up to `frames` frames into `out`; returns how many it wrote. 0 means the end,
    // or the point where the data can no longer be decoded.
    virtual long read(float* out, long frames) = 0;
    // Back to the first frame; false when the source cannot go back.
    virtual bool rewind() = 0;
};

}  // namespace media

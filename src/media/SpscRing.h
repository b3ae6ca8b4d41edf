#pragma once
// A byte ring with one writer thread and one reader thread and no lock: each side only
// advances its own counter, and the counters only grow, so either side can tell what the
// other has finished with from one atomic load. The audio callback reads from it; the
// decoding thread writes into it.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace media {

class SpscRing {
public:
    // The buffer is left as it comes: its pages are first touched by the writer, not by the
    // thread that makes the ring.
    explicit SpscRing(std::size_t capacity)
        : buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(capacity)), capacity_(capacity) {}
    SpscRing(const SpscRing&) = delete;
    SpscRing& operator=(const SpscRing&) = delete;

    std::size_t capacity() const { return capacity_; }

    // Writer side.
    std::size_t writable() const {
        return capacity() - std::size_t(written_.load(std::memory_order_relaxed) -
                                        read_.load(std::memory_order_acquire));
    }
    std::size_t write(const std::uint8_t* from, std::size_t count) {
        count = std::min(count, writable());
        const std::uint64_t at = written_.load(std::memory_order_relaxed);
        copyIn(std::size_t(at % capacity()), from, count);
        written_.store(at + count, std::memory_order_release);
        return count;
    }

    // Reader side.
    std::size_t readable() const {
        return std::size_t(written_.load(std::memory_order_acquire) -
                           read_.load(std::memory_order_relaxed));
    }
    std::size_t read(std::uint8_t* to, std::size_t count) {
        count = std::min(count, readable());
        const std::uint64_t at = read_.load(std::memory_order_relaxed);
        copyOut(std::size_t(at % capacity()), to, count);
        read_.store(at + count, std::memory_order_release);
        return count;
    }

    // Empties the ring; only while neither side is using it.
    void reset() {
        written_.store(0, std::memory_order_relaxed);
        read_.store(0, std::memory_order_relaxed);
    }

private:
    void copyIn(std::size_t offset, const std::uint8_t* from, std::size_t count) {
        const std::size_t first = std::min(count, capacity() - offset);
        std::memcpy(buffer_.get() + offset, from, first);
        std::memcpy(buffer_.get(), from + first, count - first);
    }
    void copyOut(std::size_t offset, std::uint8_t* to, std::size_t count) const {
        const std::size_t first = std::min(count, capacity() - offset);
        std::memcpy(to, buffer_.get() + offset, first);
        std::memcpy(to + first, buffer_.get(), count - first);
    }

    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_;
    std::atomic<std::uint64_t> written_{0};
    std::atomic<std::uint64_t> read_{0};
};

}  // namespace media

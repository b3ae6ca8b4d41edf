#include "vcl/TextReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vcl {

TTextReader::TTextReader(const std::string& path)
    : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY)), block_(BlockSize) {
    if (fd_ < 0) throw EInOutError(errno, path_);
}

TTextReader::~TTextReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool TTextReader::Fill() {
    ssize_t n;
    do n = ::read(fd_, block_.data(), block_.size());
    while (n < 0 && errno == EINTR);
    if (n < 0) throw EInOutError(errno, path_);
    pos_ = 0;
    end_ = std::size_t(n);
    return n > 0;
}

bool TTextReader::Eof() {
    if (pos_ == end_ && !Fill()) return true;
    return block_[pos_] == 26;
}

std::string TTextReader::ReadLine() {
    std::string line;
    while (pos_ < end_ || Fill()) {
        const char* start = block_.data() + pos_;
        const std::size_t available = end_ - pos_;
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = lf ? std::size_t(lf - start) : available;
        line.append(start, length);
        pos_ += lf ? length + 1 : length;
        if (lf) break;
    }
    if (line.find('\r') != std::string::npos) std::erase(line, '\r');
    return line;
}

void TTextReader::Close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw EInOutError(errno, path_);
}

}  // namespace vcl

#include "vcl/TextWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>

#include "vcl/FilePath.h"

namespace vcl {
namespace {

constexpr std::size_t FlushSize = 1 << 16;

std::string RandomName() {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<int> pick(0, sizeof Letters - 2);
    std::string name = ".qpl-";
    for (int i = 0; i < 8; ++i) name += Letters[pick(random)];
    return name;
}

// The file a symbolic link points to, or the path itself.
std::string Resolve(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string resolved = real;
    std::free(real);
    return resolved;
}

}  // namespace

TTextWriter::TTextWriter(const std::string& path) : path_(path), target_(Resolve(path)) {
    struct stat info;
    const bool exists = stat(target_.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) throw EInOutError(errno, path_);
    if (exists) {
        // Fails where opening the target for writing would: a folder, a read-only file.
        const int probe = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (probe < 0) throw EInOutError(errno, path_);
        ::close(probe);
    }
    const std::string folder = FolderOf(target_);
    for (int attempt = 0; fd_ < 0; ++attempt) {
        const std::string temp = folder + "/" + RandomName();
        fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd_ >= 0)
            temp_ = temp;
        else if (errno != EEXIST || attempt == 100)
            throw EInOutError(errno, path_);
    }
    if (exists) {
        // Only root may hand the file to another owner; the bits are kept in any case.
        [[maybe_unused]] const int owned = fchown(fd_, info.st_uid, info.st_gid);
        if (fchmod(fd_, info.st_mode & 07777) != 0) Fail(errno);
    }
    buffer_.reserve(FlushSize);
}

TTextWriter::~TTextWriter() { Discard(); }

void TTextWriter::WriteLine(const std::string& text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= FlushSize) Flush();
}

void TTextWriter::Flush() {
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail(n < 0 ? errno : EIO);
        data += n;
        left -= std::size_t(n);
    }
    buffer_.clear();
}

void TTextWriter::Commit() {
    Flush();
    if (::fsync(fd_) != 0) Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno);
    temp_.clear();
    // Makes the rename itself durable; the new file is in place either way.
    const int folder = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void TTextWriter::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

void TTextWriter::Fail(int error) {
    Discard();
    throw EInOutError(error, path_);
}

}  // namespace vcl

#include "media/MediaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace media {

std::string FileError(const std::string& path, const std::string& reason) {
    return "Cannot open \"" + path + "\": " + reason;
}

int OpenMediaFile(const std::string& path, std::string& error) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        error = FileError(path, code == ENOENT ? "the file does not exist" : std::strerror(code));
        return -1;
    }
    struct stat st {};
    const char* refusal = nullptr;
    if (::fstat(fd, &st) != 0) refusal = std::strerror(errno);
    else if (S_ISDIR(st.st_mode)) refusal = "it is a folder, not a file";
    else if (!S_ISREG(st.st_mode)) refusal = "it is not a regular file";
    if (refusal) {
        error = FileError(path, refusal);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return ext;
}

}  // namespace media

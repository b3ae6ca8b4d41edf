#include "vcl/InOutError.h"

#include <sys/stat.h>

#include <cerrno>

#include "vcl/FilePath.h"

namespace vcl {
namespace {

bool FolderOfExists(const std::string& path) {
    struct stat info;
    return stat(FolderOf(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

EInOutError::EInOutError(Wording wording) : std::runtime_error(wording.message), ErrorCode(wording.code) {}

EInOutError::EInOutError(int error, const std::string& path) : EInOutError(Word(error, path)) {}

EInOutError::Wording EInOutError::Word(int error, const std::string& path) {
    switch (error) {
        case ENOENT:
            if (!path.empty() && FolderOfExists(path)) return {2, "File not found"};
            return {3, "Invalid filename"};
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
            return {3, "Invalid filename"};
        case EMFILE:
        case ENFILE:
            return {4, "Too many open files"};
        case EACCES:
        case EPERM:
        case EROFS:
            return {5, "File access denied"};
        default:
            // Worded by its own number, also where that number is one of the
            // codes above (EIO is 5 but denies no access).
            return {error, "I/O error " + std::to_string(error)};
    }
}

}  // namespace vcl

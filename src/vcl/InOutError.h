#pragma once
// The error of a failed file operation. It carries the error code and is worded
// by it: 2 "File not found", 3 "Invalid filename", 4 "Too many open files",
// 5 "File access denied", any other code "I/O error <code>".

#include <stdexcept>
#include <string>

namespace vcl {

class EInOutError : public std::runtime_error {
public:
    // From the errno of a failed operation on `path`. A missing entry is a
    // missing file (2) when its folder exists and an invalid name (3) when not.
    EInOutError(int error, const std::string& path);

    int ErrorCode;

private:
    struct Wording {
        int code;
        std::string message;
    };
    explicit EInOutError(Wording wording);
    static Wording Word(int error, const std::string& path);
};

}  // namespace vcl

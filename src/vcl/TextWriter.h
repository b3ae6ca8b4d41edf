#pragma once
// Writes a text file that replaces its target only when it is whole: the lines
// go to a new file in the target's folder, which is flushed to disk and then
// renamed over the target, taking over the target's permission bits. Until then,
// and after any failure, the target stays exactly as it was and the new file is
// removed. A target that is a symbolic link is written through: the file it
// points to is replaced. Failures raise EInOutError.

#include <string>

#include "vcl/InOutError.h"

namespace vcl {

class TTextWriter {
public:
    // Fails as creating the target would: a missing folder, a folder or a
    // read-only file in its place.
    explicit TTextWriter(const std::string& path);
    // Without Commit, removes the new file.
    ~TTextWriter();
    TTextWriter(const TTextWriter&) = delete;
    TTextWriter& operator=(const TTextWriter&) = delete;

    // Writes the text followed by CR LF.
    void WriteLine(const std::string& text);
    // Writes out what is buffered, flushes it to disk and puts the file in the target's place.
    void Commit();

private:
    void Flush();
    void Discard();
    [[noreturn]] void Fail(int error);
    std::string path_;    // as given, for the error's wording
    std::string target_;  // the file that is replaced
    std::string temp_;
    int fd_ = -1;
    std::string buffer_;
};

}  // namespace vcl

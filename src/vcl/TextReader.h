#pragma once
// Reads a text file line by line, in large blocks. Lines end at LF; a CR is never
// part of a line's text (before an LF it belongs to the line end, elsewhere it is
// dropped); the last line needs no line end; a byte 26 where a line would begin
// ends the file. Lines may be of any length. Failures raise EInOutError.

#include <cstddef>
#include <string>
#include <vector>

#include "vcl/InOutError.h"

namespace vcl {

class TTextReader {
public:
    static constexpr std::size_t BlockSize = 1 << 16;

    // Opens the file for reading.
    explicit TTextReader(const std::string& path);
    ~TTextReader();
    TTextReader(const TTextReader&) = delete;
    TTextReader& operator=(const TTextReader&) = delete;

    // True when no line follows: no bytes are left, or a byte 26 stands where the next line begins.
    bool Eof();
    // The next line's text, without its line end, which is stepped over.
    std::string ReadLine();
    void Close();

private:
    bool Fill();  // false at the end of the file
    std::string path_;
    int fd_;
    std::vector<char> block_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

}  // namespace vcl

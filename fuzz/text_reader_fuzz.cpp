// The text file reader against its line rules, written out plainly below: lines
// end at LF, a CR is never part of a line, the last line needs no line end, and
// a byte 26 where a line would begin ends the file. The first byte of the input
// places the rest just before the end of the reader's first block (255: at the
// start of the file), so that line ends, CRs and byte 26 fall on the boundary.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Check.h"
#include "vcl/TextReader.h"

namespace {

std::vector<std::string> LinesByTheRules(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != 26) {
        const std::size_t lf = bytes.find('\n', pos);
        const std::size_t end = lf == std::string::npos ? bytes.size() : lf;
        std::string line = bytes.substr(pos, end - pos);
        std::erase(line, '\r');
        lines.push_back(std::move(line));
        pos = lf == std::string::npos ? bytes.size() : lf + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string bytes;
    if (data[0] != 255) {
        const std::size_t padding = vcl::TTextReader::BlockSize - data[0];
        bytes.assign(padding - 1, 'p');
        bytes += '\n';
    }
    bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);

    const int fd = memfd_create("text", MFD_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()));
    std::vector<std::string> lines;
    {
        vcl::TTextReader reader("/proc/self/fd/" + std::to_string(fd));
        while (!reader.Eof()) lines.push_back(reader.ReadLine());
        reader.Close();
    }
    close(fd);
    FUZZ_CHECK(lines == LinesByTheRules(bytes));
    return 0;
}

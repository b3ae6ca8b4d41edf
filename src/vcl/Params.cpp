#include "vcl/Params.h"

namespace vcl {
namespace {

bool IsBlank(unsigned char c) { return c != 0 && c <= ' '; }

std::string& ProcessCmdLine() {
    static std::string line;
    return line;
}

}  // namespace

std::string NextParam(const std::string& cmdline, std::size_t& pos) {
    const std::size_t n = cmdline.size();
    auto at = [&](std::size_t i) -> unsigned char { return i < n ? cmdline[i] : 0; };
    for (;;) {
        while (IsBlank(at(pos))) ++pos;
        if (at(pos) == '"' && at(pos + 1) == '"')
            pos += 2;
        else
            break;
    }
    std::string param;
    while (at(pos) > ' ') {
        if (at(pos) == '"') {
            ++pos;
            while (at(pos) != 0 && at(pos) != '"') param += static_cast<char>(at(pos++));
            if (at(pos) != 0) ++pos;
        } else {
            param += static_cast<char>(at(pos++));
        }
    }
    return param;
}

int ParamCount(const std::string& cmdline) {
    std::size_t pos = 0;
    NextParam(cmdline, pos);
    int count = 0;
    while (!NextParam(cmdline, pos).empty()) ++count;
    return count;
}

std::string ParamStr(const std::string& cmdline, int i) {
    std::size_t pos = 0;
    std::string param;
    for (int k = 0; k <= i; ++k) param = NextParam(cmdline, pos);
    return param;
}

std::string BuildCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        bool quote = arg.empty();
        for (unsigned char c : arg) quote = quote || c <= ' ' || c == '"';
        if (i > 0) line += ' ';
        line += quote ? '"' + arg + '"' : arg;
    }
    return line;
}

void SetCmdLine(std::string cmdline) { ProcessCmdLine() = std::move(cmdline); }
const std::string& CmdLine() { return ProcessCmdLine(); }
int ParamCount() { return ParamCount(CmdLine()); }
std::string ParamStr(int i) { return ParamStr(CmdLine(), i); }

}  // namespace vcl

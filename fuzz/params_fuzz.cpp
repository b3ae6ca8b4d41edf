// Command-line parameters. Any command line splits without fault, and its count
// agrees with its parameters. A command line joined from arguments splits back
// into the same arguments, for every argument that can be told apart: not empty
// (an empty pair of quotes is skipped) and without a double quote.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Check.h"
#include "vcl/Params.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const int count = vcl::ParamCount(text);
    FUZZ_CHECK(count >= 0);
    for (int i = 1; i <= count; ++i) FUZZ_CHECK(!vcl::ParamStr(text, i).empty());
    FUZZ_CHECK(vcl::ParamStr(text, count + 1).empty());

    // The same bytes as arguments, cut at the zero bytes.
    std::vector<std::string> args;
    std::size_t start = 0;
    for (std::size_t zero; start <= text.size(); start = zero + 1) {
        zero = text.find('\0', start);
        if (zero == std::string::npos) zero = text.size();
        std::string arg = text.substr(start, zero - start);
        if (!arg.empty() && arg.find('"') == std::string::npos) args.push_back(std::move(arg));
    }
    if (args.empty()) return 0;
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    const std::string line = vcl::BuildCommandLine(int(argv.size()), argv.data());
    FUZZ_CHECK(vcl::ParamCount(line) == int(args.size()) - 1);
    for (std::size_t i = 0; i < args.size(); ++i) FUZZ_CHECK(vcl::ParamStr(line, int(i)) == args[i]);
    return 0;
}

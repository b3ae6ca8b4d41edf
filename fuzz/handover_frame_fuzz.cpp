// The hand-over message as the running copy reads it: a header, then as many
// body bytes as it announces, then the body decoded and its command line split.
// Whatever arrives is read without fault, and a message that is taken encodes
// back to the very bytes that carried it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "app/HandOverFrame.h"
#include "vcl/Params.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.size() < handover::kHeaderSize) return 0;
    const auto length = handover::BodyLength(bytes.data());
    if (!length) return 0;
    FUZZ_CHECK(*length > 0 && handover::kHeaderSize + *length <= handover::kFrameLimit);
    if (bytes.size() < handover::kHeaderSize + *length) return 0;  // the reader waits for the rest

    const std::string frame = bytes.substr(0, handover::kHeaderSize + *length);
    const auto message = handover::DecodeBody(frame.substr(handover::kHeaderSize));
    if (!message) return 0;
    FUZZ_CHECK(message->workingDir.empty() || message->workingDir.front() == '/');
    FUZZ_CHECK(handover::EncodeFrame(*message) == frame);

    if (vcl::ParamCount(message->commandLine) != 0) FUZZ_CHECK(!vcl::ParamStr(message->commandLine, 1).empty());
    return 0;
}

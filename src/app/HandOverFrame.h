#pragma once
// The message that a second copy of the program sends to the running one: four
// bytes giving the length of the body (most significant byte first), then the
// body: the second copy's command line, a zero byte, and its working folder.
// The running copy answers a handled message with the single byte 1.

#include <cstddef>
#include <optional>
#include <string>

namespace handover {

constexpr std::size_t kHeaderSize = 4;
// The largest frame, header included, that a running copy reads.
constexpr std::size_t kFrameLimit = 64 * 1024;
constexpr char kHandled = 1;

struct Message {
    std::string commandLine;
    std::string workingDir;
};

// The whole frame; empty when the message does not fit within kFrameLimit.
std::string EncodeFrame(const Message& message);
// The body length that a header announces; nothing when no body could fit.
std::optional<std::size_t> BodyLength(const char* header);
// Nothing when the body is malformed: no zero byte or more than one, or a
// working folder that is neither empty nor absolute.
std::optional<Message> DecodeBody(const std::string& body);

}  // namespace handover

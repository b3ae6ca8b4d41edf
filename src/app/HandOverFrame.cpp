#include "app/HandOverFrame.h"

namespace handover {

std::string EncodeFrame(const Message& message) {
    const std::size_t body = message.commandLine.size() + 1 + message.workingDir.size();
    if (kHeaderSize + body > kFrameLimit) return {};
    std::string frame;
    frame.reserve(kHeaderSize + body);
    for (int shift = 24; shift >= 0; shift -= 8) frame += static_cast<char>((body >> shift) & 0xFF);
    frame += message.commandLine;
    frame += '\0';
    frame += message.workingDir;
    return frame;
}

std::optional<std::size_t> BodyLength(const char* header) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < kHeaderSize; ++i) length = (length << 8) | static_cast<unsigned char>(header[i]);
    if (length == 0 || kHeaderSize + length > kFrameLimit) return std::nullopt;
    return length;
}

std::optional<Message> DecodeBody(const std::string& body) {
    const std::size_t zero = body.find('\0');
    if (zero == std::string::npos || body.find('\0', zero + 1) != std::string::npos) return std::nullopt;
    Message message{body.substr(0, zero), body.substr(zero + 1)};
    if (!message.workingDir.empty() && message.workingDir.front() != '/') return std::nullopt;
    return message;
}

}  // namespace handover

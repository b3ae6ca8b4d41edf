#pragma once
// Which picked files count as music: decided by the extension alone.

#include <array>
#include <string>
#include <string_view>

// The extensions of music files, upper case, with the leading dot.
inline constexpr std::array<std::string_view, 4> MusicExtensions = {".MID", ".WAV", ".RMI", ".MP3"};

// True when the extension, already upper-cased, equals one of MusicExtensions exactly.
bool IsMusicFile(const std::string& Extension);

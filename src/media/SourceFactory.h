#pragma once
// Chooses the decoder for a file by its extension, letter case ignored.

#include <memory>
#include <string>

#include "media/Source.h"

namespace media {

// Opens the file at `path` with the decoder for its extension; nullptr with a readable error
// text when the file cannot be played.
std::unique_ptr<Source> OpenSource(const std::string& path, std::string& error);

}  // namespace media

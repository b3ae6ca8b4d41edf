#pragma once
// Opening a media file for reading, with the reason in plain words when it cannot be.

#include <string>

namespace media {

// The text of an error about the file at `path`: Cannot open "path": reason
std::string FileError(const std::string& path, const std::string& reason);

// Opens an existing regular file for reading and returns its descriptor, or -1 with the
// reason in `error`. Folders, pipes and devices are refused without waiting on them.
int OpenMediaFile(const std::string& path, std::string& error);

// The extension of the file name in `path`, after its last dot, in lower case; empty when none.
std::string LowerExtension(const std::string& path);

}  // namespace media

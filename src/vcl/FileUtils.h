#pragma once
// Tests on paths.

#include <string>

namespace vcl {

// True when the path names an existing file that is not a folder.
bool FileExists(const std::string& path);

}  // namespace vcl

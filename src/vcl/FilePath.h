#pragma once
// Parts of a path. "/" is the only separator.

#include <string>

namespace vcl {

// The text from the last "." on, when that dot stands after the last "/";
// otherwise empty.
std::string ExtractFileExt(const std::string& path);

// The file name: the text after the last "/", or the whole path when it has none.
std::string ExtractFileName(const std::string& path);

// The folder that holds the path's last part: the text before the last "/",
// "/" for a part in the root, "." when the path has no "/".
std::string FolderOf(const std::string& path);

}  // namespace vcl

#pragma once
// A test name made of a table row's description: every character that is not
// a letter or a digit becomes "_".

#include <cctype>
#include <string>

inline std::string CaseName(std::string what) {
    for (char& ch : what)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return what;
}

#pragma once
// The address of the search service's result page for a search text.

#include <cstddef>
#include <string>

namespace web {

// Openers may cut longer addresses on their own, at any place.
constexpr std::size_t MaxAddressLength = 200;

// The search text goes in as its UTF-8 bytes, percent-encoded, one character at
// a time; a character that would take the address beyond MaxAddressLength ends
// it, so it is never cut inside an escape nor inside a character.
std::string SearchAddress(const std::string& text);

}  // namespace web

#include "web/SearchAddress.h"

#include "web/LinkTargets.h"

namespace web {
namespace {

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::string SearchAddress(const std::string& text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string address = std::string(SearchBase) + SearchPath + "?aff=" + std::to_string(AffiliateNumber) + "&q=";
    std::size_t i = 0;
    while (i < text.size()) {
        std::string encoded;
        do {
            const unsigned char c = text[i++];
            if (Unreserved(c)) {
                encoded += char(c);
            } else {
                encoded += '%';
                encoded += Hex[c >> 4];
                encoded += Hex[c & 0xF];
            }
        } while (i < text.size() && Continuation(text[i]));
        if (address.size() + encoded.size() > MaxAddressLength) break;
        address += encoded;
    }
    return address;
}

}  // namespace web

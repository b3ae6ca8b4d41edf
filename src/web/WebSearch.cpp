// "Search": opens the search service's result page for the text of the search box.

#include <cstddef>
#include <string>

#include "app/Unit1.h"
#include "vcl/LinkOpener.h"
#include "web/LinkTargets.h"

namespace {

// Openers may cut longer addresses on their own, at any place.
constexpr std::size_t MaxAddressLength = 200;

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The search text goes in as its UTF-8 bytes, percent-encoded, one character at
// a time; a character that would take the address beyond the cap ends it, so it
// is never cut inside an escape nor inside a character.
std::string SearchAddress(const std::string& text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string address = std::string(web::SearchBase) + web::SearchPath + "?aff=" +
                          std::to_string(web::AffiliateNumber) + "&q=";
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

}  // namespace

void TForm1::UrlText3Click(TObject*) { vcl::OpenLink(SearchAddress(Edit1->Text())); }

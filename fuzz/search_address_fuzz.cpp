// The search address for any search text: the service's fixed part, then the
// text percent-encoded, within the cap. Decoded again, the query is the text
// itself or its longest start that fits, cut between two characters.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Check.h"
#include "web/LinkTargets.h"
#include "web/SearchAddress.h"

namespace {

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;  // lower-case digits are not written
}

// The characters that an address carries as they are (RFC 3986).
bool Unreserved(char c) {
    constexpr std::string_view Set = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
    return c != 0 && Set.find(c) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string address = web::SearchAddress(text);
    const std::string fixed = std::string(web::SearchBase) + web::SearchPath +
                              "?aff=" + std::to_string(web::AffiliateNumber) + "&q=";
    FUZZ_CHECK(address.compare(0, fixed.size(), fixed) == 0);
    FUZZ_CHECK(address.size() <= web::MaxAddressLength);

    std::string query;
    std::size_t escaped = 0;  // bytes of the text that took an escape
    for (std::size_t i = fixed.size(); i < address.size(); ++i) {
        if (address[i] != '%') {
            FUZZ_CHECK(Unreserved(address[i]));
            query += address[i];
            continue;
        }
        FUZZ_CHECK(i + 2 < address.size());
        const int high = HexValue(address[i + 1]), low = HexValue(address[i + 2]);
        FUZZ_CHECK(high >= 0 && low >= 0);
        const char c = char(high * 16 + low);
        FUZZ_CHECK(!Unreserved(c));
        query += c;
        ++escaped;
        i += 2;
    }
    FUZZ_CHECK(text.compare(0, query.size(), query) == 0);
    FUZZ_CHECK(address.size() == fixed.size() + query.size() + 2 * escaped);
    if (query.size() < text.size()) {
        // A character is a byte and the continuation bytes after it, so the
        // start of the text is always between two.
        FUZZ_CHECK(query.empty() || !Continuation(text[query.size()]));
        // The next character would not have fitted.
        std::size_t next = 0, end = query.size();
        do next += Unreserved(text[end]) ? 1 : 3;
        while (++end < text.size() && Continuation(text[end]));
        FUZZ_CHECK(address.size() + next > web::MaxAddressLength);
    }
    return 0;
}

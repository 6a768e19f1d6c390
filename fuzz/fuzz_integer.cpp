// ReadInteger's conversion against a plain reference reading of the same rules.
#include <cctype>
#include <cstdint>

#include "fuzzcheck.h"
#include "profilelines.h"

namespace {
bool Reference(const std::string& text, std::int32_t& out) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '$') {
        ++i;
        if (i == text.size()) return false;
        std::uint64_t v = 0;
        for (; i < text.size(); ++i) {
            if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
            v = v * 16 + (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0'
                                                                          : (std::tolower(text[i]) - 'a' + 10));
            if (v > 0xFFFFFFFFull) return false;
        }
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return true;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) return false;
    out = static_cast<std::int32_t>(v);
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t got = 12345, want = 12345;
    bool ok = ParseInteger(text, got);
    FUZZ_CHECK(ok == Reference(text, want));
    if (ok) {
        FUZZ_CHECK(got == want);
        std::int32_t back = 0;
        FUZZ_CHECK(ParseInteger(FormatInteger(got), back) && back == got);
    } else {
        FUZZ_CHECK(got == 12345);
    }
    return 0;
}

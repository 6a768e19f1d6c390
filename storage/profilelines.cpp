#include "profilelines.h"

// One pass: each kept line moves down over the comments at most once and the tail is cut
// off, so a file of many comments costs no more than a file of settings.
void DropComments(tstringlistex& lines) {
    lines.DeleteIf([](const std::string& line) {
        return line.empty() || (line.size() >= 2 && line[0] == '/' && line[1] == '/');
    });
}

namespace {

// Whether line followed by separator begins with key followed by separator, compared over the
// length of both; done in place, without joining strings.
bool LineHasKey(const std::string& line, const std::string& key, const std::string& separator) {
    const std::size_t length = key.size() + separator.size();
    if (line.size() + separator.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        char have = i < line.size() ? line[i] : separator[i - line.size()];
        char want = i < key.size() ? key[i] : separator[i - key.size()];
        if (have != want) return false;
    }
    return true;
}

} // namespace

std::int32_t FindKeyLine(const tstringlistex& lines, const std::string& key, const std::string& separator) {
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        if (LineHasKey(lines.At(i), key, separator)) return i;
    }
    return -1;
}

std::string ReadValue(const tstringlistex& lines, const std::string& key, const std::string& separator,
                      const std::string& def) {
    std::int32_t index = FindKeyLine(lines, key, separator);
    if (index < 0) return def;
    std::string line = lines.Get(index);
    std::size_t cut = line.find(separator);
    return cut == std::string::npos ? line : line.substr(cut + separator.size());
}

void WriteValue(tstringlistex& lines, const std::string& key, const std::string& separator, const std::string& value) {
    std::int32_t index = FindKeyLine(lines, key, separator);
    if (index >= 0) lines.Delete(index);
    lines.Insert(0, key + separator + value);
}

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    return v < base ? v : -1;
}

// Reads one or more digits from text[pos] to its end into magnitude, stopping early once the
// value passes limit. False when there is no digit or anything else follows.
bool ParseDigits(const std::string& text, std::size_t pos, int base, std::uint64_t limit, std::uint64_t& magnitude) {
    if (pos >= text.size()) return false;
    std::uint64_t v = 0;
    for (; pos < text.size(); ++pos) {
        int d = DigitValue(text[pos], base);
        if (d < 0) return false;
        v = v * base + d;
        if (v > limit) return false;
    }
    magnitude = v;
    return true;
}

} // namespace

bool ParseInteger(const std::string& text, std::int32_t& value) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string::npos) return false;
    std::uint64_t magnitude = 0;
    if (text[pos] == '$') {
        if (!ParseDigits(text, pos + 1, 16, 0xFFFFFFFFu, magnitude)) return false;
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    bool negative = text[pos] == '-';
    if (negative || text[pos] == '+') ++pos;
    if (!ParseDigits(text, pos, 10, negative ? 2147483648u : 2147483647u, magnitude)) return false;
    value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                     : static_cast<std::int32_t>(magnitude);
    return true;
}

std::string FormatInteger(std::int32_t value) { return std::to_string(value); }

#include "linereader.h"

#include <cstring>

#include "stringlist.h"

namespace {

const char EndOfFile = 26;

const char* Find(const char* from, const char* end, char byte) {
    const void* at = std::memchr(from, byte, static_cast<std::size_t>(end - from));
    return at != nullptr ? static_cast<const char*>(at) : end;
}

} // namespace

// The bytes are searched with memchr, and a line that lies whole inside one piece goes into the
// list without passing through line_; only a line cut by the end of a piece collects there.
void tlinereader::Feed(const char* data, std::size_t size) {
    if (ended_ || size == 0) return;
    const char* end = data + size;
    const char* eof = Find(data, end, EndOfFile);
    if (eof != end) {
        ended_ = true;
        end = eof;
    }
    const char* p = data;
    if (afterCR_ && p < end) {
        afterCR_ = false;
        if (*p == '\n') ++p;
    }
    while (p < end) {
        const char* cr = Find(p, end, '\r');
        if (cr == end) {
            line_.append(p, end);
            return;
        }
        if (line_.empty()) {
            lines_.Add(std::string(p, cr));
        } else {
            line_.append(p, cr);
            lines_.Add(std::move(line_));
            line_.clear();
        }
        p = cr + 1;
        if (p == end) afterCR_ = true;
        else if (*p == '\n') ++p;
    }
}

void tlinereader::Finish() {
    if (!line_.empty()) {
        lines_.Add(std::move(line_));
        line_.clear();
    }
}

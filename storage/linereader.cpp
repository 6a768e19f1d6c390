#include "linereader.h"

#include "stringlist.h"

void tlinereader::Feed(const char* data, std::size_t size) {
    const char* end = data + size;
    const char* p = data;
    while (p < end && !ended_) {
        if (afterCR_) {
            afterCR_ = false;
            if (*p == '\n') {
                ++p;
                continue;
            }
        }
        const char* stop = p;
        while (stop < end && *stop != '\r' && *stop != 26) ++stop;
        line_.append(p, stop);
        p = stop;
        if (p == end) break;
        if (*p == 26) {
            ended_ = true;
        } else {
            lines_.Add(line_);
            line_.clear();
            afterCR_ = true;
            ++p;
        }
    }
}

void tlinereader::Finish() {
    if (!line_.empty()) {
        lines_.Add(line_);
        line_.clear();
    }
}

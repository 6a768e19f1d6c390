#include "pathscan.h"

namespace {

// The position just after the last "\" or ":" that is not the second byte of a double-byte
// character; 0 when there is none.
std::size_t LastMark(const std::string& path, const tleadbytes& leadbytes) {
    std::size_t mark = 0;
    std::size_t i = 0;
    while (i < path.size()) {
        unsigned char b = static_cast<unsigned char>(path[i]);
        if (leadbytes.lead[b]) {
            i += 2;
            continue;
        }
        ++i;
        if (b == '\\' || b == ':') mark = i;
    }
    return mark;
}

// No file name on the system is longer.
const std::size_t MaxNameLength = 255;

} // namespace

std::string LeftStr(const std::string& s, std::size_t n) { return n > s.size() ? s : s.substr(0, n); }

std::string RightStr(const std::string& s, std::size_t n) { return n > s.size() ? s : s.substr(s.size() - n); }

std::string DirPart(const std::string& path, const tleadbytes& leadbytes) {
    return path.substr(0, LastMark(path, leadbytes));
}

std::string WithoutTrailingBackslash(const std::string& path, const tleadbytes& leadbytes) {
    bool trailing = !path.empty() && path.back() == '\\' && LastMark(path, leadbytes) == path.size();
    return trailing ? path.substr(0, path.size() - 1) : path;
}

std::string NamePart(const std::string& path, const tleadbytes& leadbytes) {
    return path.substr(LastMark(path, leadbytes), MaxNameLength);
}

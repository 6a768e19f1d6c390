// DirPart and NamePart with the lead bytes of code page 932: the directory part is a prefix that
// ends at a real "\" or ":", and the name part is what follows it, cut to 255 bytes.
#include "fuzzcheck.h"
#include "pathscan.h"

namespace {
tleadbytes CodePage932() {
    tleadbytes t;
    for (int b = 0x81; b <= 0x9F; ++b) t.lead[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b) t.lead[b] = true;
    return t;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const tleadbytes cp932 = CodePage932();
    std::string path(reinterpret_cast<const char*>(data), size);
    std::string dir = DirPart(path, cp932);
    std::string name = NamePart(path, cp932);

    FUZZ_CHECK(path.compare(0, dir.size(), dir) == 0);
    FUZZ_CHECK(dir.empty() || dir.back() == '\\' || dir.back() == ':');
    std::string rest = path.substr(dir.size());
    FUZZ_CHECK(name == rest.substr(0, 255));

    // The mark is not the second byte of a double-byte character: walking the path by
    // characters reaches the end of the directory part exactly.
    std::size_t i = 0;
    while (i < dir.size()) i += cp932.lead[static_cast<unsigned char>(path[i])] ? 2 : 1;
    FUZZ_CHECK(i == dir.size());

    FUZZ_CHECK(LeftStr(path, 7) == path.substr(0, 7));
    FUZZ_CHECK(RightStr(path, 5) == (path.size() <= 5 ? path : path.substr(path.size() - 5)));
    return 0;
}

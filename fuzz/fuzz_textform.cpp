// The text form of the string list: SetTextStr of any bytes, then the text of the list read back.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    tstringlistex list;
    list.SetTextStr(text);
    FUZZ_CHECK(list.Capacity() == list.Count());

    // No entry keeps a line end or a NUL; together they are a prefix of the text's bytes.
    std::size_t bytes = 0;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        FUZZ_CHECK(!HoldsAny(list.At(i), "\r\n\0", 3));
        bytes += list.At(i).size();
    }
    FUZZ_CHECK(bytes <= text.size());

    // Written out and read back, the list is the same.
    tstringlistex again;
    again.SetTextStr(list.GetTextStr());
    FUZZ_CHECK(SameEntries(list, again));
    FUZZ_CHECK(list.GetTextStr().size() == bytes + 2 * static_cast<std::size_t>(list.Count()));
    return 0;
}

// The comma form of the string list: SetCommaText of any bytes, then the comma text read back.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    tstringlistex list;
    list.SetCommaText(text);
    for (std::int32_t i = 0; i < list.Count(); ++i) FUZZ_CHECK(!HoldsAny(list.At(i), "\r\"\0", 3));

    // Read back, the comma text gives the same entries; only an empty last entry is lost, since
    // a comma at the end of the text adds none.
    tstringlistex again;
    again.SetCommaText(list.GetCommaText());
    if (!SameEntries(list, again)) {
        FUZZ_CHECK(list.Count() == again.Count() + 1 && list.At(list.Count() - 1).empty());
        for (std::int32_t i = 0; i < again.Count(); ++i) FUZZ_CHECK(list.At(i) == again.At(i));
    }
    return 0;
}

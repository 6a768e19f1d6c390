// A profile's lines with key lookup: the input is a key, a NUL, then the file's bytes.
#include "fuzzcheck.h"
#include "linereader.h"
#include "profilelines.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t cut = input.find('\0');
    if (cut == std::string::npos) return 0;
    std::string key = input.substr(0, cut);

    tstringlistex lines;
    tlinereader reader(lines);
    reader.Feed(input.data() + cut + 1, input.size() - cut - 1);
    reader.Finish();
    DropComments(lines);
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        FUZZ_CHECK(!lines.At(i).empty());
        FUZZ_CHECK(lines.At(i).compare(0, 2, "//") != 0);
    }

    std::int32_t at = FindKeyLine(lines, key, ",");
    const std::string def = "\x01" "default";
    std::string value = ReadValue(lines, key, ",", def);
    if (at < 0) {
        FUZZ_CHECK(value == def);
    } else {
        // A found key's line begins with the key; its value is a suffix of the line.
        const std::string& line = lines.At(at);
        FUZZ_CHECK(line.compare(0, key.size(), key) == 0);
        FUZZ_CHECK(value.size() <= line.size());
        FUZZ_CHECK(line.compare(line.size() - value.size(), value.size(), value) == 0);
        // ...and no line above it serves the key.
        for (std::int32_t i = 0; i < at; ++i) FUZZ_CHECK((lines.At(i) + ",").compare(0, key.size() + 1, key + ",") != 0);
    }

    // A write puts the key on top and a read gives the value back (for a key without a comma:
    // the value always starts after a line's first comma).
    if (key.find(',') == std::string::npos) {
        std::int32_t before = lines.Count();
        WriteValue(lines, key, ",", "v,1");
        FUZZ_CHECK(lines.At(0) == key + ",v,1");
        FUZZ_CHECK(ReadValue(lines, key, ",", def) == "v,1");
        FUZZ_CHECK(lines.Count() == before + (at < 0 ? 1 : 0));
    }
    return 0;
}

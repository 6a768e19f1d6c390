// The file reader's line rules: the same lines whether the file arrives whole or in pieces of
// any size, and a written list reads back as itself under the documented conditions.
#include "fuzzcheck.h"
#include "linereader.h"

namespace {
void ReadInPieces(const std::string& bytes, std::size_t piece, tstringlistex& lines) {
    tlinereader reader(lines);
    for (std::size_t at = 0; at < bytes.size() && !reader.Ended(); at += piece)
        reader.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
    reader.Finish();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    std::size_t piece = 1 + data[0] % 64;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    tstringlistex whole, pieces;
    ReadInPieces(bytes, bytes.size() + 1, whole);
    ReadInPieces(bytes, piece, pieces);
    FUZZ_CHECK(SameEntries(whole, pieces));

    for (std::int32_t i = 0; i < whole.Count(); ++i) FUZZ_CHECK(!HoldsAny(whole.At(i), "\r\x1a", 2));

    // Saved with CR LF line ends and read again: the same entries, unless an entry after the
    // first begins with LF (it would join the line end before it).
    bool joins = false;
    for (std::int32_t i = 1; i < whole.Count(); ++i) joins |= !whole.At(i).empty() && whole.At(i)[0] == '\n';
    if (!joins) {
        tstringlistex reread;
        ReadInPieces(whole.GetTextStr(), piece, reread);
        FUZZ_CHECK(SameEntries(whole, reread));
    }
    return 0;
}

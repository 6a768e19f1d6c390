// The order of the language files: an order in the mathematical sense on any bytes, and the one
// that sorting the list relies on. The input is three strings separated by NUL-free cuts.
#include "comparebytewise.h"
#include "fuzzcheck.h"

namespace {
int Sign(int v) { return (v > 0) - (v < 0); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes say where the input is cut into a, b and c, so each may hold NULs.
    std::string rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::size_t cut1 = data[0] % (rest.size() + 1);
    std::size_t cut2 = cut1 + data[1] % (rest.size() - cut1 + 1);
    std::string a = rest.substr(0, cut1), b = rest.substr(cut1, cut2 - cut1), c = rest.substr(cut2);

    FUZZ_CHECK(CompareBytewise(a, a) == 0);
    FUZZ_CHECK((CompareBytewise(a, b) == 0) == (a == b));
    FUZZ_CHECK(Sign(CompareBytewise(a, b)) == -Sign(CompareBytewise(b, a)));
    if (CompareBytewise(a, b) < 0 && CompareBytewise(b, c) < 0) FUZZ_CHECK(CompareBytewise(a, c) < 0);
    // A string sorts before every longer string that begins with it.
    FUZZ_CHECK(CompareBytewise(a, a + b) <= 0);
    if (!b.empty()) FUZZ_CHECK(CompareBytewise(a, a + b) < 0);

    // Sorting with it gives an ascending list that holds the same entries.
    tstringlistex list;
    for (const std::string& s : {a, b, c, b, a + c}) list.Add(s);
    list.Sort(CompareBytewise);
    for (std::int32_t i = 1; i < list.Count(); ++i) FUZZ_CHECK(CompareBytewise(list.At(i - 1), list.At(i)) <= 0);
    std::int32_t same_b = 0;
    for (std::int32_t i = 0; i < list.Count(); ++i) same_b += list.At(i) == b;
    FUZZ_CHECK(same_b >= 2);
    return 0;
}

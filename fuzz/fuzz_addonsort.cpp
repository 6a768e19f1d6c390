// The add-on menus' sort under any comparison answers: it ends, stays in bounds and returns a
// permutation. The first byte gives the number of entries; the rest are the answers the
// comparison gives in turn (cycled), so libFuzzer can steer every scan. A second pass sorts
// names built from the same bytes with the menus' own comparison and checks the order when
// no name is empty (then the comparison is a consistent order).
#include <algorithm>

#include "addonsort.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t count = data[0];
    const unsigned char* answers = data + 1;
    const std::size_t answer_count = size - 1;

    std::vector<int> items(count);
    for (std::size_t i = 0; i < count; ++i) items[i] = static_cast<int>(i);
    std::size_t next = 0;
    QuickSortAddons(items, [&](int, int) {
        const int answer = static_cast<int>(answers[next++ % answer_count] % 3) - 1;
        return answer;
    });
    std::vector<int> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < count; ++i) FUZZ_CHECK(sorted[i] == static_cast<int>(i));

    // Names of one or two bytes from the answers; an empty name when a byte is 0.
    std::vector<std::string> names;
    bool any_empty = false;
    for (std::size_t i = 0; i < answer_count; ++i) {
        const char c = static_cast<char>(answers[i]);
        names.push_back(c == 0 ? std::string() : std::string(1 + i % 2, c));
        any_empty = any_empty || c == 0;
    }
    std::vector<std::string> before = names;
    QuickSortAddons(names, CompareFirstByte);
    std::sort(before.begin(), before.end());
    std::vector<std::string> after = names;
    std::sort(after.begin(), after.end());
    FUZZ_CHECK(before == after);
    if (!any_empty)
        for (std::size_t i = 1; i < names.size(); ++i) FUZZ_CHECK(CompareFirstByte(names[i - 1], names[i]) <= 0);
    return 0;
}

// The order of the add-on menus: a quicksort on the first byte of the display name. Portable:
// no Windows header here, so the host build can fuzz and sanitise it.
//
// The comparison is not a consistent order (an empty name equals everything, so "a" = "" = "b"
// while "a" < "b"), and std::sort with it would be undefined behaviour. This quicksort bounds
// both scans by the range, so it stays in bounds and ends whatever the comparison answers, and
// it returns a permutation of its input. For a consistent order it sorts as usual.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The menus' comparison: the first bytes of a and b as unsigned values, a's minus b's; 0 when
// either name is empty. Negative puts a first.
inline int CompareFirstByte(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return 0;
    return static_cast<int>(static_cast<unsigned char>(a[0])) - static_cast<int>(static_cast<unsigned char>(b[0]));
}

namespace addonsort_detail {

// Sorts items[l..r] (both inclusive, l < r). compare(entry, pivot) is always called with the
// entry first and a copy of the middle entry second, as the list's own sort does.
template <typename T, typename Compare>
void QuickSortRange(std::vector<T>& items, std::ptrdiff_t l, std::ptrdiff_t r, Compare& compare) {
    while (l < r) {
        std::ptrdiff_t i = l;
        std::ptrdiff_t j = r;
        const T pivot = items[static_cast<std::size_t>(l + (r - l) / 2)];
        do {
            // Under a consistent order the pivot's own value stops both scans; the bounds keep
            // them inside the range when the comparison says otherwise.
            while (i < r && compare(items[static_cast<std::size_t>(i)], pivot) < 0) ++i;
            while (j > l && compare(items[static_cast<std::size_t>(j)], pivot) > 0) --j;
            if (i <= j) {
                if (i != j) std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        // Here j < i, l <= i and j <= r, with i > l and j < r: both parts are smaller than
        // l..r, so the sort ends. The smaller part is sorted by recursion and the larger one
        // by the loop, which keeps the stack depth logarithmic even for a hostile order of
        // names; the parts are disjoint, so this gives the same result as always recursing
        // on the left.
        if (j - l < r - i) {
            if (l < j) QuickSortRange(items, l, j, compare);
            l = i;
        } else {
            if (i < r) QuickSortRange(items, i, r, compare);
            r = j;
        }
    }
}

} // namespace addonsort_detail

// Sorts items in place with compare(a, b) -> int (negative: a first, positive: b first, 0:
// equal). Not stable. Any answers of compare leave items a permutation of what it was.
template <typename T, typename Compare>
void QuickSortAddons(std::vector<T>& items, Compare compare) {
    if (items.size() <= 1) return;
    addonsort_detail::QuickSortRange(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, compare);
}

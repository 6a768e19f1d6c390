#include "comparebytewise.h"

#include <cstddef>

int CompareBytewise(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    const std::size_t n = a.size() > b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        // An ended string counts as 0, so "a" and "a\0" differ only by their lengths.
        const int x = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
        const int y = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
        if (x != y) return x - y;
    }
    return a.size() < b.size() ? -1 : 1;
}

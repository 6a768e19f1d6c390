// Shared by the fuzz targets: a property that fails aborts with a message, so libFuzzer keeps
// the input that broke it.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "stringlist.h"

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

inline bool SameEntries(const tstringlistex& a, const tstringlistex& b) {
    if (a.Count() != b.Count()) return false;
    for (std::int32_t i = 0; i < a.Count(); ++i)
        if (a.At(i) != b.At(i)) return false;
    return true;
}

inline bool HoldsAny(const std::string& s, const char* bytes, std::size_t n) {
    return s.find_first_of(std::string(bytes, n)) != std::string::npos;
}

// The entries of a string list as a vector, and back, for comparing lists in tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "stringlist.h"

using Entries = std::vector<std::string>;

inline Entries EntriesOf(const tstringlistex& list) {
    Entries entries;
    for (std::int32_t i = 0; i < list.Count(); ++i) entries.push_back(list.Get(i));
    return entries;
}

inline void Fill(tstringlistex& list, const Entries& entries) {
    for (const auto& e : entries) list.Add(e);
}

// The menus' sort on the first byte of the display name. Portable (no Windows header): it runs
// under Wine with the other suites and natively under AddressSanitizer and UBSan.
//
// The comparison is no consistent order, so the checks are that the sort stays inside the
// list (every compared entry lies in it; the sanitizers check the rest), always ends, and
// returns a permutation of its input; and that it sorts properly where the order is consistent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "addonsort.h"

namespace {

struct tnamed {
    std::string name;
    int id; // the entry's position before the sort, to check for a permutation
};

std::vector<tnamed> Numbered(const std::vector<std::string>& names) {
    std::vector<tnamed> items;
    for (std::size_t k = 0; k < names.size(); ++k) items.push_back({names[k], static_cast<int>(k)});
    return items;
}

// Every id of the input exactly once, each still carrying its own name.
::testing::AssertionResult IsPermutationOf(const std::vector<tnamed>& sorted, const std::vector<tnamed>& input) {
    if (sorted.size() != input.size()) return ::testing::AssertionFailure() << "size " << sorted.size() << " instead of " << input.size();
    std::vector<bool> seen(input.size(), false);
    for (const tnamed& item : sorted) {
        if (item.id < 0 || static_cast<std::size_t>(item.id) >= input.size() || seen[item.id])
            return ::testing::AssertionFailure() << "id " << item.id << " is foreign or repeated";
        if (item.name != input[item.id].name) return ::testing::AssertionFailure() << "id " << item.id << " lost its name";
        seen[item.id] = true;
    }
    return ::testing::AssertionSuccess();
}

// Wraps a comparison and stops the sort at the first call whose first argument lies outside
// the list (the sort compares an entry of the list with a copy of the middle entry), so that a
// scan running off the list fails the test instead of reading on.
struct toutside {};

template <typename Answer>
class tcheckedcompare {
public:
    tcheckedcompare(const std::vector<tnamed>& items, Answer answer) : items_(items), answer_(answer) {}
    int operator()(const tnamed& entry, const tnamed& pivot) {
        ++calls;
        const tnamed* first = items_.data();
        if (&entry < first || &entry >= first + items_.size()) throw toutside();
        return answer_(entry, pivot);
    }
    long calls = 0;

private:
    const std::vector<tnamed>& items_;
    Answer answer_;
};

template <typename Answer>
void SortChecked(std::vector<tnamed>& items, Answer answer, long& outside) {
    tcheckedcompare<Answer> compare(items, answer);
    outside = 0;
    try {
        QuickSortAddons(items, std::ref(compare));
    } catch (const toutside&) {
        outside = 1;
    }
}

int ByFirstByte(const tnamed& a, const tnamed& b) { return CompareFirstByte(a.name, b.name); }

bool SortedByFirstByte(const std::vector<tnamed>& items) {
    for (std::size_t k = 1; k < items.size(); ++k)
        if (CompareFirstByte(items[k - 1].name, items[k].name) > 0) return false;
    return true;
}

std::string Describe(const std::vector<tnamed>& items) {
    std::string text;
    for (const tnamed& item : items) text += "[" + item.name + "]";
    return text;
}

struct tcomparecase {
    const char* a;
    const char* b;
    int sign; // of CompareFirstByte(a, b)
};

TEST(CompareFirstByte, OnlyTheFirstByteCountsAsAnUnsignedValue) {
    const tcomparecase cases[] = {
        {"Beta", "alpha", -1},      // 0x42 before 0x61: upper case first
        {"alpha", "Beta", 1},       //
        {"abc", "azz", 0},          // the same first byte is equal, whatever follows
        {"a", "abc", 0},            //
        {"9lives", "A", -1},        // digits before letters
        {"\x82\xa0", "z", 1},       // a double-byte name by its lead byte, unsigned
        {"\xff", "\x01", 1},        //
        {"", "Beta", 0},            // an empty name equals everything
        {"Beta", "", 0},            //
        {"", "", 0},                //
    };
    for (const tcomparecase& c : cases) {
        int result = CompareFirstByte(c.a, c.b);
        int sign = (result > 0) - (result < 0);
        EXPECT_EQ(sign, c.sign) << "\"" << c.a << "\" against \"" << c.b << "\"";
    }
    EXPECT_EQ(CompareFirstByte("\xff", "\x01"), 0xfe);
}

TEST(QuickSortAddons, NoneOrOneEntryCallsNoComparison) {
    for (std::size_t n : {0u, 1u}) {
        std::vector<tnamed> items = Numbered(std::vector<std::string>(n, "x"));
        long calls = 0;
        QuickSortAddons(items, [&calls](const tnamed&, const tnamed&) { return ++calls, 0; });
        EXPECT_EQ(calls, 0) << n << " entries";
        EXPECT_EQ(items.size(), n);
    }
}

// Every order of a small set: all permutations of its positions, so that repeated names are
// placed in every order too.
struct tpermutationset {
    const char* label;
    std::vector<std::string> names;
    bool consistent; // no empty name: the first byte is then a consistent order
};

void PrintTo(const tpermutationset& set, std::ostream* out) { *out << set.label; }

class EveryOrder : public ::testing::TestWithParam<tpermutationset> {};

TEST_P(EveryOrder, StaysInTheListAndReturnsAPermutation) {
    const std::vector<std::string>& names = GetParam().names;
    std::vector<std::size_t> order(names.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    do {
        std::vector<std::string> arranged;
        for (std::size_t k : order) arranged.push_back(names[k]);
        const std::vector<tnamed> input = Numbered(arranged);
        std::vector<tnamed> items = input;
        long outside = 0;
        SortChecked(items, ByFirstByte, outside);
        ASSERT_EQ(outside, 0) << Describe(input);
        ASSERT_TRUE(IsPermutationOf(items, input)) << Describe(input);
        if (GetParam().consistent) {
            ASSERT_TRUE(SortedByFirstByte(items)) << Describe(input) << " gave " << Describe(items);
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

INSTANTIATE_TEST_SUITE_P(
    SmallSets, EveryOrder,
    ::testing::Values(
        tpermutationset{"DistinctBytes", {"Beta", "alpha", "9", "\x82\xa0", "Z", "b", "~"}, true},
        tpermutationset{"EqualFirstBytes", {"abc", "azz", "a", "Beta", "Bz", "alpha", "B"}, true},
        tpermutationset{"EmptyNamesAmongOthers", {"", "b", "a", "", "c", "a2", "B"}, false},
        tpermutationset{"MostlyEmpty", {"", "", "", "z", "", "a", ""}, false},
        tpermutationset{"OnlyEmpty", {"", "", "", ""}, false}),
    [](const ::testing::TestParamInfo<tpermutationset>& info) { return std::string(info.param.label); });

// Comparisons that answer anything at all: the sort must still stay in the list, end, and
// return a permutation.
struct tadversary {
    const char* label;
    int (*answer)(std::mt19937& random, const tnamed& a, const tnamed& b);
};

const tadversary Adversaries[] = {
    {"Random", [](std::mt19937& random, const tnamed&, const tnamed&) { return static_cast<int>(random() % 3) - 1; }},
    {"AlwaysLess", [](std::mt19937&, const tnamed&, const tnamed&) { return -1; }},
    {"AlwaysGreater", [](std::mt19937&, const tnamed&, const tnamed&) { return 1; }},
    {"AlwaysEqual", [](std::mt19937&, const tnamed&, const tnamed&) { return 0; }},
    {"LessOrGreater", [](std::mt19937& random, const tnamed&, const tnamed&) { return (random() & 1) ? 1 : -1; }},
    {"FirstByteWithRandomEmpties",
     [](std::mt19937& random, const tnamed& a, const tnamed& b) { return random() % 4 == 0 ? 0 : CompareFirstByte(a.name, b.name); }},
};

TEST(QuickSortAddons, ManyEntriesUnderAnyComparisonStayInTheListAndArePermuted) {
    for (const tadversary& adversary : Adversaries) {
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            std::mt19937 random(seed);
            std::vector<std::string> names;
            for (int k = 0; k < 3000 + static_cast<int>(seed) * 17; ++k)
                names.push_back(std::string(1 + random() % 3, static_cast<char>('a' + random() % 4)));
            const std::vector<tnamed> input = Numbered(names);
            std::vector<tnamed> items = input;
            long outside = 0;
            SortChecked(items, [&random, &adversary](const tnamed& a, const tnamed& b) { return adversary.answer(random, a, b); },
                        outside);
            EXPECT_EQ(outside, 0) << adversary.label << " seed " << seed;
            EXPECT_TRUE(IsPermutationOf(items, input)) << adversary.label << " seed " << seed;
        }
    }
}

// The case of the menus: many add-ons, many empty names and many names sharing a first byte.
TEST(QuickSortAddons, ManyEmptyAndEqualNamesStayInTheListAndArePermuted) {
    std::mt19937 random(6);
    const char* const pool[] = {"", "", "", "alpha", "abc", "azz", "Beta", "B", "\x82\xa0", "\x82\xa2", "0"};
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> names;
        for (int k = 0; k < 5000; ++k) names.push_back(pool[random() % (sizeof pool / sizeof pool[0])]);
        const std::vector<tnamed> input = Numbered(names);
        std::vector<tnamed> items = input;
        long outside = 0;
        SortChecked(items, ByFirstByte, outside);
        ASSERT_EQ(outside, 0) << "round " << round;
        ASSERT_TRUE(IsPermutationOf(items, input)) << "round " << round;
    }
}

// Under a consistent order the sort is a proper sort: the same sequence as std::sort gives.
TEST(QuickSortAddons, UnderAConsistentOrderSortsLikeStdSort) {
    std::mt19937 random(42);
    for (int size : {2, 3, 10, 257, 5000}) {
        std::vector<std::string> names;
        for (int k = 0; k < size; ++k) names.push_back(std::to_string(random() % 1000));
        std::vector<tnamed> items = Numbered(names);
        QuickSortAddons(items, [](const tnamed& a, const tnamed& b) { return a.name.compare(b.name); });
        std::sort(names.begin(), names.end());
        std::vector<std::string> result;
        for (const tnamed& item : items) result.push_back(item.name);
        EXPECT_EQ(result, names) << size << " entries";
    }
}

} // namespace

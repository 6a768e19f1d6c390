// The string list: range checks that change nothing, capacity steps, text and comma forms,
// the sort and the stream operations.
#include "listentries.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "stringlist.h"

namespace {

// A failed check must leave entries, count and capacity exactly as they were.
template <typename Operation>
void ExpectListErrorWithoutChange(tstringlistex& list, Operation operation, int line) {
    SCOPED_TRACE("case at line " + std::to_string(line));
    Entries before = EntriesOf(list);
    std::int32_t capacity = list.Capacity();
    EXPECT_THROW(operation(), ListError);
    EXPECT_EQ(EntriesOf(list), before);
    EXPECT_EQ(list.Capacity(), capacity);
}

TEST(StringList, GetOutsideTheRangeGivesTheEmptyString) {
    tstringlistex list;
    Fill(list, {"a", "b"});
    EXPECT_EQ(list.Get(-1), "");
    EXPECT_EQ(list.Get(2), "");
    EXPECT_EQ(list.Get(1), "b");
}

TEST(StringList, RangeChecksRaiseTheListErrorBeforeAnyChange) {
    tstringlistex list;
    Fill(list, {"a", "b", "c"});
    ExpectListErrorWithoutChange(list, [&] { list.Delete(3); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.Delete(-1); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.Exchange(0, 3); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.Exchange(-1, 0); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.Insert(4, "x"); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.Insert(-1, "x"); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.SetCapacity(2); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.SetCapacity(-1); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.SetCapacity(tstringlistex::MaxCapacity + 1); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.SetCount(-1); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.SetCount(tstringlistex::MaxCapacity + 1); }, __LINE__);
    ExpectListErrorWithoutChange(list, [&] { list.At(3); }, __LINE__);
}

TEST(StringList, TheListErrorHasAnEmptyMessage) {
    tstringlistex list;
    try {
        list.Delete(0);
        FAIL() << "no error";
    } catch (const ListError& e) {
        EXPECT_STREQ(e.what(), "");
    }
}

TEST(StringList, InsertAtTheCountAppendsAndInsertKeepsTheOrder) {
    tstringlistex list;
    Fill(list, {"a", "c"});
    list.Insert(2, "d");
    list.Insert(1, "b");
    list.Insert(0, "_");
    EXPECT_EQ(EntriesOf(list), (Entries{"_", "a", "b", "c", "d"}));
}

TEST(StringList, DeleteAndExchangeMoveTheRightEntries) {
    tstringlistex list;
    Fill(list, {"a", "b", "c", "d"});
    list.Delete(1);
    list.Exchange(0, 2);
    list.Exchange(1, 1);
    EXPECT_EQ(EntriesOf(list), (Entries{"d", "c", "a"}));
    EXPECT_EQ(list.Capacity(), 32) << "Delete never shrinks the capacity";
}

TEST(StringList, CapacityGrowsInStepsOf32) {
    tstringlistex list;
    EXPECT_EQ(list.Capacity(), 0);
    list.Add("1");
    EXPECT_EQ(list.Capacity(), 32);
    for (int i = 2; i <= 32; ++i) list.Add(std::to_string(i));
    EXPECT_EQ(list.Capacity(), 32);
    EXPECT_EQ(list.Add("33"), 32);
    EXPECT_EQ(list.Capacity(), 64);
    list.Insert(0, "0");
    EXPECT_EQ(list.Capacity(), 64);
    EXPECT_EQ(list.Get(33), "33");
}

TEST(StringList, ClearFreesEverything) {
    tstringlistex list;
    Fill(list, {"a", "b"});
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    list.Clear();
    EXPECT_EQ(list.Add("again"), 0);
}

TEST(StringList, SetCountGrowsWithEmptyEntriesAndCutsOff) {
    tstringlistex list;
    list.SetCount(5);
    EXPECT_EQ(EntriesOf(list), Entries(5, ""));
    EXPECT_EQ(list.Capacity(), 5);
    list.SetCount(0);
    Fill(list, {"a", "b", "c"});
    list.SetCount(1);
    list.SetCount(3);
    EXPECT_EQ(EntriesOf(list), (Entries{"a", "", ""})) << "entries dropped by a cut come back empty";
}

TEST(StringList, SetCapacityDownToTheCountKeepsTheEntries) {
    tstringlistex list;
    Fill(list, {"a", "b"});
    list.SetCapacity(2);
    EXPECT_EQ(list.Capacity(), 2);
    list.Add("c");
    EXPECT_EQ(list.Capacity(), 34);
    EXPECT_EQ(EntriesOf(list), (Entries{"a", "b", "c"}));
}

TEST(StringList, IndexOfComparesWholeEntriesByteForByte) {
    tstringlistex list;
    Fill(list, {"Key", "key", std::string("k\0y", 3), "key"});
    EXPECT_EQ(list.IndexOf("key"), 1);
    EXPECT_EQ(list.IndexOf("KEY"), -1);
    EXPECT_EQ(list.IndexOf(std::string("k\0y", 3)), 2);
    EXPECT_EQ(list.IndexOf("ke"), -1);
}

// Text form --------------------------------------------------------------------------------

struct TextCase {
    const char* name;
    std::string text;
    Entries entries;
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class SetTextStr : public ::testing::TestWithParam<TextCase> {};

TEST_P(SetTextStr, SplitsAtLineEnds) {
    tstringlistex list;
    Fill(list, {"old"});
    list.SetTextStr(GetParam().text);
    EXPECT_EQ(EntriesOf(list), GetParam().entries);
    EXPECT_EQ(list.Capacity(), list.Count()) << "trimmed to the count";
}

const TextCase kTextCases[] = {
    {"CrLfLoneLfLoneCr", "one\r\ntwo\nthree\r", {"one", "two", "three"}},
    {"LfCrIsTwoLineEnds", "\n\r", {"", ""}},
    {"Empty", "", {}},
    {"NoFinalLineEnd", "a\r\nb", {"a", "b"}},
    {"EmptyLinesKept", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
    {"NulEndsTheText", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
    {"LeadingNul", std::string("\0abc", 4), {""}},
    {"CrCrIsTwoLineEnds", "a\r\rb", {"a", "", "b"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, SetTextStr, ::testing::ValuesIn(kTextCases),
                         [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(StringList, GetTextStrEndsEveryEntryWithCrLf) {
    tstringlistex list;
    EXPECT_EQ(list.GetTextStr(), "");
    Fill(list, {"a", "", "b c"});
    EXPECT_EQ(list.GetTextStr(), "a\r\n\r\nb c\r\n");
}

TEST(StringList, TextFormRoundTrips) {
    tstringlistex list;
    Fill(list, {"x", "", "  spaced  ", "\xff\x95\x5c", ""});
    tstringlistex back;
    back.SetTextStr(list.GetTextStr());
    EXPECT_EQ(EntriesOf(back), EntriesOf(list));
}

// Comma form -------------------------------------------------------------------------------

struct CommaCase {
    const char* name;
    Entries entries;
    std::string text;
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const CommaCase& c, std::ostream* os) { *os << c.name; }

class CommaText : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaText, IsWrittenAsExpected) {
    tstringlistex list;
    Fill(list, GetParam().entries);
    EXPECT_EQ(list.GetCommaText(), GetParam().text);
}

const CommaCase kCommaCases[] = {
    {"QuotesSpaces", {"x y", "z"}, "\"x y\",z"},
    {"EmptyLastEntryEndsInComma", {"x y", "z", ""}, "\"x y\",z,"},
    {"EmptyList", {}, ""},
    {"QuotesCommas", {"a,b", "c"}, "\"a,b\",c"},
    {"QuoteInsideIsNotEscaped", {"say\"hi\""}, "say\"hi\""},
    {"EmptyEntriesAreNothing", {"", "", "a"}, ",,a"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CommaText, ::testing::ValuesIn(kCommaCases),
                         [](const ::testing::TestParamInfo<CommaCase>& info) { return std::string(info.param.name); });

struct CommaReadCase {
    const char* name;
    std::string text;
    Entries entries;
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const CommaReadCase& c, std::ostream* os) { *os << c.name; }

class SetCommaText : public ::testing::TestWithParam<CommaReadCase> {};

TEST_P(SetCommaText, SplitsIntoItems) {
    tstringlistex list;
    Fill(list, {"old"});
    list.SetCommaText(GetParam().text);
    EXPECT_EQ(EntriesOf(list), GetParam().entries);
}

const CommaReadCase kCommaReadCases[] = {
    {"QuotedItemKeepsSpaces", "\"x y\",z", {"x y", "z"}},
    {"TrailingCommaAddsNothing", "\"x y\",z,", {"x y", "z"}},
    {"LeadingCommaGivesEmptyFirst", ",a", {"", "a"}},
    {"Empty", "", {}},
    {"QuotedItemHoldsCommas", "\"a,b\",c", {"a,b", "c"}},
    {"UnquotedItemEndsAtAQuote", "ab\"cd", {"ab", "cd"}},
    {"CrEndsAnItemLfDoesNot", "a\rb\nc", {"a", "b\nc"}},
    {"NulEndsAnItem", std::string("a\0b", 3), {"a", "b"}},
    {"UnclosedQuoteRunsToTheEnd", "\"a b", {"a b"}},
    {"ByteAfterClosingQuoteIsSkipped", "\"a\"bc", {"a", "c"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, SetCommaText, ::testing::ValuesIn(kCommaReadCases),
                         [](const ::testing::TestParamInfo<CommaReadCase>& info) { return std::string(info.param.name); });

// Sort -------------------------------------------------------------------------------------

int g_comparisons = 0;

int ByteOrder(const std::string& a, const std::string& b) {
    ++g_comparisons;
    return a.compare(b);
}

// Says "less" for everything: no consistent order at all.
int AlwaysLess(const std::string&, const std::string&) { return -1; }
int AlwaysGreater(const std::string&, const std::string&) { return 1; }

TEST(StringListSort, OneEntryIsNotCompared) {
    tstringlistex list;
    list.Add("only");
    g_comparisons = 0;
    list.Sort(ByteOrder);
    EXPECT_EQ(g_comparisons, 0);
}

TEST(StringListSort, SortsByTheComparison) {
    const Entries cases[] = {
        {"b", "a"},
        {"delta", "alpha", "charlie", "bravo", "echo"},
        {"c", "a", "b", "a", "c", "b", "a"},
        {"same", "same", "same"},
        {"z", "y", "x", "w", "v", "u", "t", "s", "r", "q", "p"},
    };
    for (const auto& input : cases) {
        tstringlistex list;
        Fill(list, input);
        list.Sort(ByteOrder);
        Entries expected = input;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(EntriesOf(list), expected);
    }
}

TEST(StringListSort, ManyEntriesAreSorted) {
    tstringlistex list;
    Entries expected;
    unsigned seed = 12345;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::string s = std::to_string(seed % 1000);
        list.Add(s);
        expected.push_back(s);
    }
    list.Sort(ByteOrder);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(EntriesOf(list), expected);
}

TEST(StringListSort, AnInconsistentComparisonStaysInsideTheList) {
    for (tstringcompare compare : {AlwaysLess, AlwaysGreater}) {
        tstringlistex list;
        Fill(list, {"e", "d", "c", "b", "a", "f"});
        list.Sort(compare);
        Entries sorted = EntriesOf(list);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (Entries{"a", "b", "c", "d", "e", "f"})) << "the same entries, in some order";
    }
}

// Streams ----------------------------------------------------------------------------------

TEST(StringListStream, LoadReadsFromThePositionToTheEnd) {
    tmemorystream stream("skip\r\none\r\ntwo");
    stream.Seek(6);
    tstringlistex list;
    list.LoadFromStream(stream);
    EXPECT_EQ(EntriesOf(list), (Entries{"one", "two"}));
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(StringListStream, LoadAtTheEndGivesAnEmptyList) {
    tmemorystream stream("a\r\n");
    stream.Seek(3);
    tstringlistex list;
    Fill(list, {"old"});
    list.LoadFromStream(stream);
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringListStream, SaveWritesTheTextAtThePosition) {
    tmemorystream stream("head:");
    stream.Seek(5);
    tstringlistex list;
    Fill(list, {"a", "b"});
    list.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes(), "head:a\r\nb\r\n");
}

} // namespace

// The profile format on a list of lines: which line serves a key, what its value is, which
// values are integers, which lines are comments, where a write puts its line.
#include "listentries.h"
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "profilelines.h"

namespace {

struct ValueCase {
    const char* name;
    std::string line;
    std::string key;
    std::string value;  // what ReadValue gives with the default "<default>"
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class ReadValueOfOneLine : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReadValueOfOneLine, GivesTheValueOrTheDefault) {
    tstringlistex lines;
    lines.Add(GetParam().line);
    EXPECT_EQ(ReadValue(lines, GetParam().key, ",", "<default>"), GetParam().value);
}

const ValueCase kValueCases[] = {
    {"Plain", "gfxmode,1", "gfxmode", "1"},
    {"CaseCounts", "GFXMODE,0", "gfxmode", "<default>"},
    {"SpaceBeforeCommaIsPartOfTheKey", "gfxmode ,0", "gfxmode", "<default>"},
    {"SpaceAfterCommaIsPartOfTheValue", "gfxmode, 0", "gfxmode", " 0"},
    {"LongerKeyDoesNotServe", "gfxmode2,5", "gfxmode", "<default>"},
    {"ShorterKeyDoesNotServe", "gfx,5", "gfxmode", "<default>"},
    {"ValueRunsOverFurtherCommas", "name,a,b", "name", "a,b"},
    {"EmptyValueIsNotTheDefault", "name,", "name", ""},
    {"KeyAloneGivesTheKey", "gfxmode", "gfxmode", "gfxmode"},
    {"EmptyKeyMatchesALeadingComma", ",x", "", "x"},
    {"NulInsideTheValueIsKept", std::string("k,a\0b", 5), "k", std::string("a\0b", 3)},
    {"DoubleByteKey", "\x95\x5c,1", "\x95\x5c", "1"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadValueOfOneLine, ::testing::ValuesIn(kValueCases),
                         [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(ProfileLines, TheUpperOfTwoLinesServesTheKey) {
    tstringlistex lines;
    Fill(lines, {"other,0", "k,upper", "k,lower"});
    EXPECT_EQ(FindKeyLine(lines, "k", ","), 1);
    EXPECT_EQ(ReadValue(lines, "k", ",", ""), "upper");
    EXPECT_EQ(FindKeyLine(lines, "missing", ","), -1);
}

TEST(ProfileLines, AWriteReplacesTheUpperLineAndPutsItOnTop) {
    tstringlistex lines;
    Fill(lines, {"other,0", "k,upper", "k,lower"});
    WriteValue(lines, "k", ",", "new");
    EXPECT_EQ(EntriesOf(lines), (Entries{"k,new", "other,0", "k,lower"}));
}

TEST(ProfileLines, WritesStackMostRecentFirst) {
    tstringlistex lines;
    Fill(lines, {"gfxmode,1", "mclmode,0"});
    WriteValue(lines, "k1", ",", "a");
    WriteValue(lines, "k2", ",", "b");
    WriteValue(lines, "k1", ",", "c");
    WriteValue(lines, "mclmode", ",", "1");
    EXPECT_EQ(EntriesOf(lines), (Entries{"mclmode,1", "k1,c", "k2,b", "gfxmode,1"}));
}

TEST(ProfileLines, CommentsAreDroppedAndTheRestKeepsItsOrder) {
    tstringlistex lines;
    Fill(lines, {"// engine", "gfxmode,1", "", "//x", "/x", " //x", "//", "mclmode,0", ""});
    DropComments(lines);
    EXPECT_EQ(EntriesOf(lines), (Entries{"gfxmode,1", "/x", " //x", "mclmode,0"}));
}

TEST(ProfileLines, OnlyCommentsLeaveNothing) {
    tstringlistex lines;
    Fill(lines, {"//a", "", "//b"});
    DropComments(lines);
    EXPECT_EQ(lines.Count(), 0);
}

// Integers ---------------------------------------------------------------------------------

struct IntegerCase {
    const char* name;
    std::string text;
    bool isinteger;
    std::int32_t value;
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const IntegerCase& c, std::ostream* os) { *os << c.name; }

class ParseIntegerText : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerText, ReadsOnlyWholeIntegers) {
    std::int32_t value = 4242;
    EXPECT_EQ(ParseInteger(GetParam().text, value), GetParam().isinteger);
    EXPECT_EQ(value, GetParam().isinteger ? GetParam().value : 4242) << "no integer leaves the value alone";
}

const IntegerCase kIntegerCases[] = {
    {"Zero", "0", true, 0},
    {"LeadingSpaceSkipped", " 1", true, 1},
    {"ManyLeadingSpaces", "    7", true, 7},
    {"TrailingSpace", "1 ", false, 0},
    {"Hex", "$1F", true, 31},
    {"HexLowerCase", "$ff", true, 255},
    {"HexAllOnesIsMinusOne", "$FFFFFFFF", true, -1},
    {"HexTopBit", "$80000000", true, INT32_MIN},
    {"HexLeadingZeros", "$000000001F", true, 31},
    {"HexTooWide", "$100000000", false, 0},
    {"DollarAlone", "$", false, 0},
    {"HexWithSign", "-$1", false, 0},
    {"CStyleHex", "0x10", false, 0},
    {"Plus", "+5", true, 5},
    {"Minus", "-12", true, -12},
    {"Max", "2147483647", true, INT32_MAX},
    {"Min", "-2147483648", true, INT32_MIN},
    {"AboveMax", "2147483648", false, 0},
    {"BelowMin", "-2147483649", false, 0},
    {"HugeNumber", "99999999999999999999999", false, 0},
    {"LeadingZeros", "007", true, 7},
    {"Empty", "", false, 0},
    {"OnlySpaces", "   ", false, 0},
    {"SignAlone", "-", false, 0},
    {"SpaceAfterSign", "- 5", false, 0},
    {"TwoSigns", "+-5", false, 0},
    {"Word", "true", false, 0},
    {"TabIsNoSpace", "\t1", false, 0},
    {"NulAfterDigits", std::string("1\0", 2), false, 0},
    {"Decimal", "1.5", false, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, ParseIntegerText, ::testing::ValuesIn(kIntegerCases),
                         [](const ::testing::TestParamInfo<IntegerCase>& info) { return std::string(info.param.name); });

TEST(ProfileLines, IntegersAreWrittenInPlainDecimal) {
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(-1), "-1");
    EXPECT_EQ(FormatInteger(INT32_MIN), "-2147483648");
    EXPECT_EQ(FormatInteger(INT32_MAX), "2147483647");
}

} // namespace

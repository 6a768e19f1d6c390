// The file reader's line rules on bytes that arrive in pieces: wherever the pieces are cut,
// the lines come out the same.
#include "listentries.h"
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "linereader.h"
#include "stringlist.h"

namespace {

// Feeds bytes in pieces cut at the given positions (ascending), then ends the file.
Entries ReadInPieces(const std::string& bytes, const std::vector<std::size_t>& cuts) {
    tstringlistex lines;
    tlinereader reader(lines);
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        reader.Feed(bytes.data() + from, cut - from);
        from = cut;
    }
    reader.Feed(bytes.data() + from, bytes.size() - from);
    reader.Finish();
    return EntriesOf(lines);
}

struct LineCase {
    const char* name;
    std::string bytes;
    Entries lines;
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class LineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRules, HoldWhereverThePiecesAreCut) {
    const LineCase& c = GetParam();
    EXPECT_EQ(ReadInPieces(c.bytes, {}), c.lines) << "in one piece";
    for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
        EXPECT_EQ(ReadInPieces(c.bytes, {cut}), c.lines) << "cut at " << cut;
        for (std::size_t second = cut; second <= c.bytes.size(); ++second)
            EXPECT_EQ(ReadInPieces(c.bytes, {cut, second}), c.lines) << "cut at " << cut << " and " << second;
    }
}

const LineCase kLineCases[] = {
    {"CrLf", "a\r\nb\r\n", {"a", "b"}},
    {"LoneCr", "a\rb\r", {"a", "b"}},
    {"LfAloneIsAnOrdinaryByte", "a\nb\nc\n", {"a\nb\nc\n"}},
    {"LfCrLf", "a\n\r\nb", {"a\n", "b"}},
    {"NoFinalLineEnd", "a\r\nlast", {"a", "last"}},
    {"TwoLineEndsGiveOneEmptyLine", "x\r\n\r\n", {"x", ""}},
    {"EmptyFile", "", {}},
    {"OnlyALineEnd", "\r\n", {""}},
    {"CrCrLfLf", "a\r\r\n\nb", {"a", "", "\nb"}},
    {"Byte26EndsTheFile", "one\r\ntw\x1ao\r\nthree\r\n", {"one", "tw"}},
    {"Byte26AtTheStart", "\x1a" "a\r\n", {}},
    {"Byte26AfterALineEnd", "a\r\n\x1a\r\nb", {"a"}},
    {"Byte26AfterCrBeforeLf", "a\r\x1a\nb", {"a"}},
    {"NulIsKept", std::string("a\0b\r\n\0\r\n", 8), {std::string("a\0b", 3), std::string("\0", 1)}},
    {"HighBytesAreKept", "\x95\x5c\xff\xfe\r\n", {"\x95\x5c\xff\xfe"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LineRules, ::testing::ValuesIn(kLineCases),
                         [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(LineReader, EndedTellsThatTheRestNeedNotBeRead) {
    tstringlistex lines;
    tlinereader reader(lines);
    reader.Feed("a\r\nb", 4);
    EXPECT_FALSE(reader.Ended());
    reader.Feed("c\x1a" "d\r\n", 5);
    EXPECT_TRUE(reader.Ended());
    reader.Feed("more\r\n", 6);
    reader.Finish();
    EXPECT_EQ(EntriesOf(lines), (Entries{"a", "bc"}));
}

} // namespace

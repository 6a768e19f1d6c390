// LeftStr, RightStr, and the scan behind DirPart and NamePart given a table of lead bytes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "pathscan.h"

namespace {

TEST(PathScan, LeftStrAndRightStrCountBytes) {
    EXPECT_EQ(LeftStr("abc", 5), "abc");
    EXPECT_EQ(LeftStr("abc", 3), "abc");
    EXPECT_EQ(LeftStr("abc", 2), "ab");
    EXPECT_EQ(LeftStr("abc", 0), "");
    EXPECT_EQ(RightStr("abc", 2), "bc");
    EXPECT_EQ(RightStr("abc", 5), "abc");
    EXPECT_EQ(RightStr("abc", 0), "");
    EXPECT_EQ(LeftStr("\x95\x5c", 1), "\x95") << "bytes, not characters";
}

// The lead bytes of code page 932, written out so the scan is tested without the system.
tleadbytes ShiftJisLeadBytes() {
    tleadbytes t;
    for (int b = 0x81; b <= 0x9F; ++b) t.lead[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b) t.lead[b] = true;
    return t;
}

struct SplitCase {
    const char* name;
    std::string path;
    std::string dir;
    std::string name_part;
};

// Printed as its name, so that the test names ctest lists stay the same from build to build.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitPath : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPath, AtTheLastBackslashOrColon) {
    const tleadbytes lead = ShiftJisLeadBytes();
    EXPECT_EQ(DirPart(GetParam().path, lead), GetParam().dir);
    EXPECT_EQ(NamePart(GetParam().path, lead), GetParam().name_part);
}

const SplitCase kSplitCases[] = {
    {"ProgramFile", "C:\\app\\prog.exe", "C:\\app\\", "prog.exe"},
    {"NoMark", "prog.exe", "", "prog.exe"},
    {"DriveRelative", "C:x", "C:", "x"},
    {"TrailingBackslash", "C:\\app\\", "C:\\app\\", ""},
    {"Empty", "", "", ""},
    {"Unc", "\\\\server\\share\\f.txt", "\\\\server\\share\\", "f.txt"},
    // 0x95 0x5C is one character whose second byte is the code of a backslash.
    {"TrailByte5CInTheName", "C:\\app\\\x95\x5c.txt", "C:\\app\\", "\x95\x5c.txt"},
    {"TrailByte5CEndsTheDirectory", "C:\\\x95\x5c\\f.txt", "C:\\\x95\x5c\\", "f.txt"},
    {"TrailByte5CAtTheEnd", "C:\\d\\\x95\x5c", "C:\\d\\", "\x95\x5c"},
    {"TrailByte3A", "C:\\d\\\x81\x3a", "C:\\d\\", "\x81\x3a"},
    {"SingleByteKatakanaIsNoLeadByte", "\xb1\\x", "\xb1\\", "x"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SplitPath, ::testing::ValuesIn(kSplitCases),
                         [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(PathScan, WithoutLeadBytesTheByte5CAfter95IsABackslash) {
    const tleadbytes none;
    EXPECT_EQ(DirPart("C:\\app\\\x95\x5c.txt", none), "C:\\app\\\x95\x5c");
    EXPECT_EQ(NamePart("C:\\app\\\x95\x5c.txt", none), ".txt");
}

TEST(PathScan, OnlyARealBackslashIsATrailingBackslash) {
    const tleadbytes lead = ShiftJisLeadBytes();
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a\\", lead), "C:\\a");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a\\\\", lead), "C:\\a\\") << "only one is removed";
    EXPECT_EQ(WithoutTrailingBackslash("C:\\a", lead), "C:\\a");
    EXPECT_EQ(WithoutTrailingBackslash("", lead), "");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\\x95\x5c", lead), "C:\\\x95\x5c") << "the trail byte stays";
    EXPECT_EQ(WithoutTrailingBackslash("C:\\\x95\x5c\\", lead), "C:\\\x95\x5c");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\\x95\x5c", tleadbytes()), "C:\\\x95");
}

TEST(PathScan, ALeadByteAtTheVeryEndIsHarmless) {
    EXPECT_EQ(DirPart("C:\\d\\\x95", ShiftJisLeadBytes()), "C:\\d\\");
    EXPECT_EQ(NamePart("C:\\d\\\x95", ShiftJisLeadBytes()), "\x95");
}

TEST(PathScan, NamePartIsAtMost255Bytes) {
    const tleadbytes none;
    const std::string longname(300, 'n');
    EXPECT_EQ(NamePart("C:\\" + longname, none), std::string(255, 'n'));
    EXPECT_EQ(NamePart(longname, none), std::string(255, 'n'));
    EXPECT_EQ(DirPart("C:\\" + longname, none), "C:\\");
}

} // namespace

// Real double-byte paths with the system code page 932 (the suite runs with a Japanese locale):
// the character 0x95 0x5C ends in the byte of a backslash, which must never split a path.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "paths.h"
#include "profiler.h"
#include "testfiles.h"

namespace {

using testfiles::TempDir;

// One character in code page 932 whose second byte is 0x5C.
const std::string kChar = "\x95\x5c";

class Cp932 : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "the suite must run with LC_ALL=ja_JP.UTF-8"; }
};

TEST_F(Cp932, TheSystemSplitKeepsTheCharacterWhole) {
    EXPECT_EQ(DirPart("C:\\" + kChar + "\\" + kChar), "C:\\" + kChar + "\\");
    EXPECT_EQ(NamePart("C:\\" + kChar + "\\" + kChar), kChar);
    EXPECT_EQ(DirPart("C:\\d\\" + kChar + "x"), "C:\\d\\");
}

TEST_F(Cp932, DirectoriesAreCreatedAndListedUnderTheirOwnNames) {
    TempDir dir;
    const std::string base = dir / kChar;
    ForceDirs(base + "\\" + kChar + "\\");
    EXPECT_TRUE(DirExists(base));
    EXPECT_TRUE(DirExists(base + "\\" + kChar));
    testfiles::WriteBytes(base + "\\" + kChar + ".txt", "x");

    tstringlistex list;
    ListSubDirs(base, list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), base + "\\" + kChar);
    ListFiles(base + "\\", list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), base + "\\" + kChar + ".txt");
    EXPECT_TRUE(FileExists(list.Get(0)));
}

// The last byte of such a name is 0x5C, yet it is no trailing backslash to remove.
TEST_F(Cp932, ANameEndingInTheTrailByte5CIsNotCut) {
    TempDir dir;
    const std::string base = dir / ("d" + kChar);
    ForceDirs(base);
    EXPECT_EQ(testfiles::ListNames(dir.path()), "d" + kChar);
    testfiles::WriteBytes(base + "\\f.txt", "x");
    tstringlistex list;
    ListFiles(base, list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), base + "\\f.txt");
    testfiles::WriteBytes(base + "\\f" + kChar, "x");
    EXPECT_TRUE(FileExists(base + "\\f" + kChar)) << "a file whose name ends in the byte 0x5C";
}

TEST_F(Cp932, AProfileBelowADoubleByteDirectoryIsSavedInPlace) {
    TempDir dir;
    const std::string path = dir / (kChar + "\\profile\\" + kChar + ".txt");
    {
        tprofiler profile(path);
        profile.WriteString("name", kChar);
        profile.Flush();
    }
    EXPECT_EQ(testfiles::ReadBytes(path), "name," + kChar + "\r\n");
    EXPECT_EQ(testfiles::ListNames(dir / (kChar + "\\profile")), kChar + ".txt") << "no temporary file is left";
    tprofiler again(path);
    EXPECT_EQ(again.ReadString("name", ""), kChar);
}

} // namespace

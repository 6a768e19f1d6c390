// The profile on real files: what is read, what a save writes, what is never written, and a
// failed save that reaches the caller of Flush with the old file intact.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "profiler.h"
#include "testfiles.h"

namespace {

using testfiles::FileExists;
using testfiles::ReadBytes;
using testfiles::TempDir;
using testfiles::WriteBytes;

TEST(Profiler, AWriteMovesTheKeyToTheTopAndFlushWritesWithoutComments) {
    TempDir dir;
    const std::string path = dir / "zelloc.txt";
    WriteBytes(path, "// engine\r\ngfxmode,1\r\n\r\nmclmode,0\r\n");
    tprofiler profile(path);
    EXPECT_EQ(profile.ReadInteger("gfxmode", -1), 1);
    profile.WriteInteger("mclmode", 1);
    profile.Flush();
    EXPECT_EQ(ReadBytes(path), "mclmode,1\r\ngfxmode,1\r\n");
}

TEST(Profiler, WritesAreStackedMostRecentFirstAboveTheOldLines) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "old,x\r\n");
    tprofiler profile(path);
    profile.WriteString("k1", "a");
    profile.WriteBool("k2", true);
    profile.WriteInteger("k1", -7);
    profile.WriteBool("k3", false);
    profile.Flush();
    EXPECT_EQ(ReadBytes(path), "k3,0\r\nk1,-7\r\nk2,1\r\nold,x\r\n");
}

TEST(Profiler, AWriteReplacesTheUpperOfTwoLinesAndKeepsTheLower) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "k,upper\r\nk,lower\r\n");
    tprofiler profile(path);
    EXPECT_EQ(profile.ReadString("k", ""), "upper");
    profile.WriteString("k", "new");
    profile.Flush();
    EXPECT_EQ(ReadBytes(path), "k,new\r\nk,lower\r\n");
}

TEST(Profiler, WritingTheSameValueStillRewritesTheFile) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "//c\r\na,1\r\nb,2\r\n");
    tprofiler profile(path);
    profile.WriteString("b", "2");
    profile.Flush();
    EXPECT_EQ(ReadBytes(path), "b,2\r\na,1\r\n");
}

struct ReadCase {
    const char* key;
    std::int32_t integer;  // ReadInteger with the default 99
    int boolean;           // ReadBool: 1 true, 0 false, -1 the default came back
};

TEST(Profiler, ReadsIntegersAndBooleansOrGivesTheDefault) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path,
               "lead, 1\r\ntrail,1 \r\nhex,$1F\r\nplus,+5\r\nallones,$FFFFFFFF\r\ncstyle,0x10\r\nempty,\r\n"
               "two,2\r\nminus,-1\r\nzero,0\r\nword,true\r\nyes,yes\r\nalone\r\nspaced ,1\r\nCASE,1\r\n");
    tprofiler profile(path);
    const ReadCase cases[] = {
        {"lead", 1, 1},      {"trail", 99, -1},    {"hex", 31, 1},     {"plus", 5, 1},
        {"allones", -1, 1},  {"cstyle", 99, -1},   {"empty", 99, -1},  {"two", 2, 1},
        {"minus", -1, 1},    {"zero", 0, 0},       {"word", 99, -1},   {"yes", 99, -1},
        {"alone", 99, -1},   {"spaced", 99, -1},   {"case", 99, -1},   {"missing", 99, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.ReadInteger(c.key, 99), c.integer) << c.key;
        bool withtrue = profile.ReadBool(c.key, true);
        bool withfalse = profile.ReadBool(c.key, false);
        int got = withtrue == withfalse ? (withtrue ? 1 : 0) : -1;
        EXPECT_EQ(got, c.boolean) << c.key;
    }
    EXPECT_EQ(profile.ReadString("alone", "d"), "alone");
    EXPECT_EQ(profile.ReadString("empty", "d"), "");
    EXPECT_EQ(profile.ReadString("missing", "d"), "d");
}

TEST(Profiler, ALineFeedOnlyFileIsOneLine) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "gfxmode,1\nmclmode,0\n");
    tprofiler profile(path);
    EXPECT_EQ(profile.ReadString("gfxmode", "d"), "1\nmclmode,0\n");
    EXPECT_EQ(profile.ReadInteger("gfxmode", 7), 7);
    EXPECT_EQ(profile.ReadString("mclmode", "d"), "d");
}

TEST(Profiler, AMissingFileInAMissingDirectoryMakesTheDirectoryButNoFile) {
    TempDir dir;
    const std::string path = dir / "profile\\sub\\zelloc.txt";
    {
        tprofiler profile(path);
        EXPECT_EQ(profile.ReadInteger("gfxmode", 3), 3);
        profile.Flush();
    }
    EXPECT_TRUE(testfiles::ListNames(dir / "profile\\sub").empty());
    EXPECT_FALSE(FileExists(path));
}

TEST(Profiler, AWriteToAMissingFileCreatesItAtFlush) {
    TempDir dir;
    const std::string path = dir / "profile\\zelloc.txt";
    tprofiler profile(path);
    profile.WriteInteger("gfxmode", 1);
    EXPECT_FALSE(FileExists(path));
    profile.Flush();
    EXPECT_EQ(ReadBytes(path), "gfxmode,1\r\n");
}

TEST(Profiler, AProfileThatWasOnlyReadNeverWrites) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    const std::string content = "// comment\r\n\r\na,1\nb\r\n";
    WriteBytes(path, content);
    {
        tprofiler profile(path);
        profile.ReadString("a", "");
        profile.Flush();
    }
    EXPECT_EQ(ReadBytes(path), content);
}

TEST(Profiler, TheDestructorOnlyFrees) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "a,1\r\n");
    {
        tprofiler profile(path);
        profile.WriteString("a", "2");
    }
    EXPECT_EQ(ReadBytes(path), "a,1\r\n");
}

TEST(Profiler, BinaryContentSurvivesAWrite) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    const std::string junk("\x01\xff\0\x80,\n\x7f", 8);
    WriteBytes(path, "a,1\r\n" + junk + "\r\nb,2\r\n");
    {
        tprofiler profile(path);
        profile.WriteString("c", "3");
        profile.Flush();
    }
    EXPECT_EQ(ReadBytes(path), "c,3\r\na,1\r\n" + junk + "\r\nb,2\r\n");
    tprofiler again(path);
    EXPECT_EQ(again.ReadInteger("b", 0), 2);
}

TEST(ProfilerErrors, AFileThatCannotBeReadFailsTheCreation) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "a,1\r\n");
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        tprofiler profile(path);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path);
    }
    CloseHandle(holder);
}

TEST(ProfilerErrors, AFailedFlushReachesTheCallerAndKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir / "p.txt";
    WriteBytes(path, "a,1\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    tprofiler profile(path);
    profile.WriteString("a", "2");
    EXPECT_THROW(profile.Flush(), FileError);
    EXPECT_EQ(ReadBytes(path), "a,1\r\n");
    // Once the file can be written again the same profile saves.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    profile.Flush();
    EXPECT_EQ(ReadBytes(path), "a,2\r\n");
}

TEST(ProfilerErrors, AProfileWhoseNameIsADirectoryReadsEmptyAndFailsAtFlush) {
    TempDir dir;
    testfiles::MakeDirs(dir / "p.txt");
    tprofiler profile(dir / "p.txt");
    EXPECT_EQ(profile.ReadInteger("a", 5), 5);
    profile.WriteInteger("a", 1);
    try {
        profile.Flush();
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), dir / "p.txt");
    }
    EXPECT_EQ(testfiles::ListNames(dir.path()), "p.txt");
}

} // namespace

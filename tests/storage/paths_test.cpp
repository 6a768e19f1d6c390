// The program directory, the code-page-aware split, and directories tested, created and
// listed on real directories.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

#include "paths.h"
#include "testfiles.h"

namespace {

using testfiles::TempDir;
using testfiles::WriteBytes;

std::vector<std::string> SortedEntries(const tstringlistex& list) {
    std::vector<std::string> entries;
    for (std::int32_t i = 0; i < list.Count(); ++i) entries.push_back(list.Get(i));
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Runs in a directory of its own and goes back when done.
class tcurrentdir {
public:
    explicit tcurrentdir(const std::string& dir) {
        char buffer[MAX_PATH + 1];
        DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
        old_.assign(buffer, n);
        EXPECT_TRUE(SetCurrentDirectoryA(dir.c_str()));
    }
    ~tcurrentdir() { SetCurrentDirectoryA(old_.c_str()); }
    tcurrentdir(const tcurrentdir&) = delete;
    tcurrentdir& operator=(const tcurrentdir&) = delete;

private:
    std::string old_;
};

TEST(ProgramDir, IsTheDirectoryOfTheRunningProgram) {
    EXPECT_EQ(GetProgramDir(), testfiles::ExeDir());
    EXPECT_EQ(GetProgramDir().back(), '\\');
}

TEST(ProgramDir, ANameLongerThanTheFirstBufferIsNeverCut) {
    const std::string full = ProgramFileName(32768);
    ASSERT_GT(full.size(), 8u);
    for (std::size_t first : {std::size_t(0), std::size_t(1), std::size_t(8), full.size(), full.size() + 1})
        EXPECT_EQ(ProgramFileName(first), full) << "first buffer " << first;
}

TEST(CodePageSplit, Cp932KeepsTheTrailByte5CInsideItsCharacter) {
    const std::string path = "C:\\app\\\x95\x5c\\\x95\x5c.txt";
    EXPECT_EQ(DirPart(path, 932u), "C:\\app\\\x95\x5c\\");
    EXPECT_EQ(NamePart(path, 932u), "\x95\x5c.txt");
    EXPECT_TRUE(LeadBytesOf(932).lead[0x95]);
    EXPECT_FALSE(LeadBytesOf(932).lead[0x5C]);
    // In a single-byte code page the same bytes are two characters, the second a backslash.
    EXPECT_EQ(NamePart(path, 1252u), ".txt");
    EXPECT_FALSE(LeadBytesOf(1252).lead[0x95]);
}

TEST(CodePageSplit, TheSystemCodePageIsUsedByDefault) {
    const std::string path = "C:\\d\\\x95\x5c" "f";
    EXPECT_EQ(DirPart(path), DirPart(path, GetACP()));
    EXPECT_EQ(NamePart(path), NamePart(path, GetACP()));
}

TEST(DirExistsAndFileExists, TellDirectoriesFromFiles) {
    TempDir dir;
    testfiles::MakeDirs(dir / "sub");
    WriteBytes(dir / "f.txt", "x");
    WriteBytes(dir / "hidden.txt", "x");
    ASSERT_TRUE(SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    struct Case {
        std::string path;
        bool dir, file;
    } cases[] = {
        {dir / "sub", true, false},      {dir / "sub\\", true, false},      {dir / "f.txt", false, true},
        {dir / "hidden.txt", false, true}, {dir / "missing", false, false}, {dir / "*.txt", false, false},
        {dir / "f.tx?", false, false},   {"", false, false},                {dir / "f.txt\\", false, false},
        {dir / "missing\\f.txt", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirExists(c.path), c.dir) << c.path;
        EXPECT_EQ(FileExists(c.path), c.file) << c.path;
    }
}

TEST(ForceDirs, CreatesMissingParentsOutermostFirst) {
    TempDir dir;
    ForceDirs(dir / "a\\b\\");
    EXPECT_TRUE(DirExists(dir / "a"));
    EXPECT_TRUE(DirExists(dir / "a\\b"));
    ForceDirs(dir / "a\\b\\c");
    EXPECT_TRUE(DirExists(dir / "a\\b\\c"));
}

TEST(ForceDirs, LeavesDrivesRootsAndShortNamesAlone) {
    TempDir dir;
    tcurrentdir here(dir.path());
    ForceDirs("C:\\");
    ForceDirs("C:");
    ForceDirs("ab");
    ForceDirs("ab\\");
    ForceDirs("");
    EXPECT_EQ(testfiles::ListNames(dir.path()), "");
    ForceDirs("abc");
    EXPECT_EQ(testfiles::ListNames(dir.path()), "abc") << "three bytes are made in the current directory";
    ForceDirs("rel\\sub");
    EXPECT_TRUE(DirExists(dir / "rel\\sub"));
}

TEST(ForceDirs, TwoTrailingBackslashesCreateNothing) {
    TempDir dir;
    ForceDirs(dir / "a\\\\");
    EXPECT_EQ(testfiles::ListNames(dir.path()), "");
}

TEST(ForceDirs, AFileInTheWayIsPassedOverInSilence) {
    TempDir dir;
    WriteBytes(dir / "f", "x");
    EXPECT_NO_THROW(ForceDirs(dir / "f\\sub"));
    EXPECT_FALSE(DirExists(dir / "f\\sub"));
    EXPECT_NO_THROW(ForceDirs("Q:\\nowhere\\sub"));
}

// A directory with every kind of entry: plain, hidden, system and dot files, sub-directories
// (one hidden, one with a level below it).
class Listing : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"a.txt", "hidden.txt", "system.txt", ".dot", "noext"}) WriteBytes(dir / f, "x");
        for (const char* d : {"d1\\inner", "hiddendir", "d2"}) testfiles::MakeDirs(dir / d);
        WriteBytes(dir / "d1\\deep.txt", "x");
        ASSERT_TRUE(SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
        ASSERT_TRUE(SetFileAttributesA((dir / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
        ASSERT_TRUE(SetFileAttributesA((dir / "hiddendir").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
        base = dir.path().substr(0, dir.path().size() - 1);
    }

    TempDir dir;
    std::string base;  // without the trailing backslash
};

TEST_F(Listing, FilesAreThePlainFilesHiddenAndSystemIncluded) {
    for (const std::string& given : {base, base + "\\"}) {
        tstringlistex list;
        list.Add("stale");
        ListFiles(given, list);
        EXPECT_EQ(SortedEntries(list), (std::vector<std::string>{base + "\\.dot", base + "\\a.txt", base + "\\hidden.txt",
                                                                 base + "\\noext", base + "\\system.txt"}))
            << given;
    }
}

TEST_F(Listing, SubDirsAreTheFirstLevelHiddenIncluded) {
    for (const std::string& given : {base, base + "\\"}) {
        tstringlistex list;
        list.Add("stale");
        ListSubDirs(given, list);
        EXPECT_EQ(SortedEntries(list),
                  (std::vector<std::string>{base + "\\d1", base + "\\d2", base + "\\hiddendir"}))
            << given;
    }
}

TEST_F(Listing, AMissingDirectoryOrAFileEmptiesTheList) {
    for (const std::string& given : {dir / "missing", dir / "a.txt", std::string("Q:\\nowhere"), std::string("")}) {
        tstringlistex files, subdirs;
        files.Add("stale");
        subdirs.Add("stale");
        ListFiles(given, files);
        ListSubDirs(given, subdirs);
        EXPECT_EQ(files.Count(), 0) << given;
        EXPECT_EQ(subdirs.Count(), 0) << given;
    }
}

TEST_F(Listing, AnEmptyDirectoryListsNothing) {
    tstringlistex list;
    ListFiles(dir / "d2", list);
    EXPECT_EQ(list.Count(), 0);
    ListSubDirs(dir / "d2", list);
    EXPECT_EQ(list.Count(), 0);
}

} // namespace

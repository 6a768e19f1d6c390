#include <gtest/gtest.h>

#include "errors.h"
#include "probe.h"
#include "testfiles.h"

using testfiles::TempDir;

namespace {

struct OSCase {
    unsigned long platform, major, minor;
    const char* name;
};

const OSCase oscases[] = {
    {0, 3, 11, "32s"},  {0, 9, 9, "32s"},
    {1, 4, 0, "95"},    {1, 3, 95, "95"},   {1, 5, 0, "95"},
    {1, 4, 1, "98"},    {1, 4, 10, "98"},   {1, 4, 89, "98"},
    {1, 4, 90, "ME"},   {1, 4, 200, "ME"},
    {2, 4, 0, "NT"},    {2, 3, 51, "NT"},   {2, 6, 0, "NT"},   {2, 10, 0, "NT"},
    {2, 5, 0, "2000"},  {2, 5, 1, "XP"},    {2, 5, 2, "XP"},
    {3, 5, 1, "??"},    {0xFFFFFFFF, 0, 0, "??"},
};

TEST(GetOSName, TableOfVersions) {
    for (const auto& c : oscases)
        EXPECT_EQ(OSNameFor(c.platform, c.major, c.minor), c.name)
            << "platform " << c.platform << ", version " << c.major << "." << c.minor;
}

TEST(GetOSName, NamesTheRunningSystem) {
    // Wine answers as an NT-family system; the name is one of the table's.
    std::string name = GetOSName();
    EXPECT_TRUE(name == "NT" || name == "XP" || name == "2000") << name;
}

struct ProbeCase {
    const char* what;
    bool apifound;
    const char* zelloc;  // nullptr: no file
    bool present, mode;
};

const ProbeCase probecases[] = {
    {"no layered API, gfxmode 1 not read", false, "gfxmode,1\r\n", false, false},
    {"no layered API, no file", false, nullptr, false, false},
    {"no file", true, nullptr, true, true},
    {"key missing", true, "mclmode,0\r\n", true, true},
    {"not an integer", true, "gfxmode,ULW\r\n", true, true},
    {"gfxmode 0", true, "gfxmode,0\r\n", true, false},
    {"gfxmode 1", true, "gfxmode,1\r\n", true, true},
    {"gfxmode 2", true, "gfxmode,2\r\n", true, true},
    {"gfxmode -1", true, "gfxmode,-1\r\n", true, true},
    {"hex zero", true, "gfxmode,$0\r\n", true, false},
    {"the topmost line counts", true, "gfxmode,1\r\ngfxmode,0\r\n", true, true},
    {"a differently cased key is another key", true, "GFXMODE,0\r\n", true, true},
};

TEST(Probe, OutcomeTable) {
    for (const auto& c : probecases) {
        TempDir dir;
        if (c.zelloc) testfiles::WriteBytes(dir / "profile\\zelloc.txt", c.zelloc);
        DecideLayered(c.apifound, dir.path());
        EXPECT_EQ(LayeredApiPresent(), c.present) << c.what;
        EXPECT_EQ(LayeredMode(), c.mode) << c.what;
        if (c.zelloc) EXPECT_EQ(testfiles::ReadBytes(dir / "profile\\zelloc.txt"), c.zelloc) << c.what;
    }
}

TEST(Probe, CreatesTheProfileDirectoryButNoFile) {
    for (bool apifound : {false, true}) {
        TempDir dir;
        DecideLayered(apifound, dir.path());
        EXPECT_EQ(testfiles::ListNames(dir.path()), "profile");
        EXPECT_EQ(testfiles::ListNames(dir / "profile"), "");
    }
}

TEST(Probe, FindsTheLayeredApiOfTheSystem) {
    TempDir dir;
    InitProbe(dir.path());
    EXPECT_TRUE(LayeredApiPresent());
    EXPECT_TRUE(LayeredMode());
    FinalProbe();
}

TEST(Probe, AnUnreadableSettingsFileStopsTheStart) {
    TempDir dir;
    testfiles::WriteBytes(dir / "profile\\zelloc.txt", "gfxmode,0\r\n");
    HANDLE holder = CreateFileA((dir / "profile\\zelloc.txt").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        DecideLayered(true, dir.path());
        ADD_FAILURE() << "no error for a settings file held open without sharing";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("zelloc.txt"), std::string::npos) << e.what();
    }
    CloseHandle(holder);
}

} // namespace

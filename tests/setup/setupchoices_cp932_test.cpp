// Language files with double-byte names in the system code page 932 (the suite runs with a
// Japanese locale). Files are created through CreateFileA with the code page 932 bytes.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "probe.h"
#include "setupchoices.h"
#include "testfiles.h"

namespace {

using testfiles::ReadBytes;
using testfiles::TempDir;
using testfiles::WriteBytes;

// Characters whose second byte has the code of "\" or of an ASCII letter.
const std::string Hyou = "\x95\x5c";  // second byte 0x5C
const std::string KatakanaA = "\x83\x41";   // second byte "A"
const std::string KatakanaDi = "\x83\x61";  // second byte "a": another character

std::string Joined(const tstringlistex& list) {
    std::string s;
    for (std::int32_t i = 0; i < list.Count(); ++i) s += (i ? "|" : "") + list.At(i);
    return s;
}

class SetupChoicesCp932 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the suite must run with LC_ALL=ja_JP.UTF-8";
        SetProbeResultForTest(true, true);
    }

    TempDir dir;
    tsetupchoices choices;
};

TEST_F(SetupChoicesCp932, ANameEndingInTrailByte5CIsListedWholeAndSavedBack) {
    WriteBytes(dir / ("language\\" + Hyou + ".lcl"), "name,\x93\xfa\x96\x7b\x8c\xea " + Hyou + "\r\n");
    WriteBytes(dir / ("language\\a" + Hyou), "");  // the last byte of the name is 0x5C
    WriteBytes(dir / "language\\english.lcl", "name,English\r\n");
    WriteBytes(dir / "profile\\mainform.txt", "languagefilename," + Hyou + ".lcl\r\n");
    LoadSetupChoices(choices, dir.path());
    EXPECT_EQ(Joined(choices.languagefiles), "a" + Hyou + "|english.lcl|" + Hyou + ".lcl");
    EXPECT_EQ(Joined(choices.languagenames), "a" + Hyou + "|English|\x93\xfa\x96\x7b\x8c\xea " + Hyou);
    EXPECT_EQ(choices.languageindex, 2);

    choices.languageindex = 0;
    SaveSetupChoices(choices, dir.path());
    EXPECT_EQ(ReadBytes(dir / "profile\\mainform.txt"),
              "torvenfilename,torven_v.dll\r\nlanguagefilename,a" + Hyou + "\r\n");
}

struct DoubleByteCase {
    std::string stored;
    std::int32_t index;
};

// A trail byte with the code of a letter is part of its character, not a letter: the stored
// name chooses its own file, never one whose character merely differs in that byte's "case".
TEST_F(SetupChoicesCp932, ATrailByteIsNoLetterToTheCaseMatch) {
    WriteBytes(dir / ("language\\" + KatakanaA + ".lcl"), "");
    WriteBytes(dir / ("language\\" + KatakanaDi + ".lcl"), "");
    const DoubleByteCase cases[] = {
        {KatakanaA + ".lcl", 0},
        {KatakanaDi + ".lcl", 1},
        {KatakanaDi + ".LCL", 1},  // the ASCII letters still match in either case
        {"\x83" "B.lcl", -1},
    };
    for (const auto& c : cases) {
        WriteBytes(dir / "profile\\mainform.txt", "languagefilename," + c.stored + "\r\n");
        LoadSetupChoices(choices, dir.path());
        ASSERT_EQ(Joined(choices.languagefiles), KatakanaA + ".lcl|" + KatakanaDi + ".lcl");
        EXPECT_EQ(choices.languageindex, c.index) << "stored " << c.stored;
    }
}

} // namespace

// The setup settings against real files in a temporary program directory.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <windows.h>

#include "errors.h"
#include "probe.h"
#include "setupchoices.h"
#include "testfiles.h"

namespace {

using testfiles::ReadBytes;
using testfiles::TempDir;
using testfiles::WriteBytes;

const char MainForm[] = "profile\\mainform.txt";
const char Zelloc[] = "profile\\zelloc.txt";

std::string Environment(bool layered) {
    return "Envioment: Windows " + GetOSName() + (layered ? " (NTx)" : " (Legacy)");
}

std::string Joined(const tstringlistex& list) {
    std::string s;
    for (std::int32_t i = 0; i < list.Count(); ++i) s += (i ? "|" : "") + list.At(i);
    return s;
}

// A program directory of its own for each test; the probe's flags say the layered API exists
// unless a test says otherwise.
class SetupChoices : public ::testing::Test {
protected:
    void SetUp() override { SetProbeResultForTest(true, true); }
    void TearDown() override { SetProbeResultForTest(true, true); }

    void Write(const std::string& relative, const std::string& bytes) { WriteBytes(dir / relative, bytes); }
    std::string Read(const std::string& relative) { return ReadBytes(dir / relative); }
    void Load() { LoadSetupChoices(choices, dir.path()); }
    void Save() { SaveSetupChoices(choices, dir.path()); }

    TempDir dir;
    tsetupchoices choices;
};

// Holds a file open as another program may. Without sharing nobody else can open it; with read
// sharing it can be read but not replaced.
class tholder {
public:
    tholder(const std::string& path, DWORD share)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot hold " << path;
    }
    ~tholder() { CloseHandle(handle_); }
    tholder(const tholder&) = delete;
    tholder& operator=(const tholder&) = delete;

private:
    HANDLE handle_;
};

// ---- CompareBytewise ----

struct CompareCase {
    std::string a, b;
    int result;
};

TEST(CompareBytewise, ByteOrderThatHeedsCase) {
    const CompareCase cases[] = {
        {"", "", 0},
        {"abc.lcl", "abc.lcl", 0},
        {"a", "b", 'a' - 'b'},
        {"b", "a", 'b' - 'a'},
        {"Zulu.lcl", "abc.lcl", 'Z' - 'a'},
        {"abc.lcl", "abc.lcl.old", -'.'},
        {"abc.lcl.old", "abc.lcl", '.'},
        {"", "a", -'a'},
        {"9", "A", '9' - 'A'},
        // Bytes from 128 up are unsigned: they come after every ASCII character.
        {"\x95\x5c", "z", 0x95 - 'z'},
        {"z", "\xff", 'z' - 0xff},
        {"\x80", "\x7f", 1},
        // An ended string counts as byte 0; then only the length tells them apart.
        {std::string("abc\0", 4), "abc", 1},
        {"abc", std::string("abc\0", 4), -1},
        {std::string("a\0", 2), std::string("a\0\0", 3), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareBytewise(c.a, c.b), c.result) << "\"" << c.a << "\" against \"" << c.b << "\"";
}

// ---- Loading ----

TEST_F(SetupChoices, BeforeLoadingTheRecordIsEmpty) {
    EXPECT_EQ(choices.languagefiles.Count(), 0);
    EXPECT_EQ(choices.languagenames.Count(), 0);
    EXPECT_EQ(choices.languageindex, -1);
    EXPECT_EQ(choices.editionindex, -1);
    EXPECT_EQ(choices.gfxmodeindex, -1);
    EXPECT_TRUE(choices.gfxmodeenabled);
    EXPECT_EQ(choices.mclindex, -1);
    EXPECT_EQ(choices.ownerdrawmenuindex, -1);
    EXPECT_EQ(choices.environment, "");
    EXPECT_FALSE(choices.loaded.Any());
}

struct DefaultCase {
    const char* what;
    bool layered;
    const char* languagefile;  // nullptr: no language directory
    std::int32_t languageindex, gfxmodeindex;
};

TEST_F(SetupChoices, DefaultsWithoutSettingsFiles) {
    const DefaultCase cases[] = {
        {"no languages", true, nullptr, -1, 1},
        {"japan.lcl", true, "japan.lcl", 1, 1},
        {"JAPAN.LCL in other case", true, "JAPAN.LCL", 0, 1},
        {"no japan.lcl", true, "japan.lcl.old", -1, 1},
        {"no layered API: region, fixed", false, "japan.lcl", 1, 0},
    };
    for (const auto& c : cases) {
        TempDir program;
        if (c.languagefile) {
            WriteBytes(program / "language\\english.lcl", "name,English\r\n");
            WriteBytes(program / "language\\" + c.languagefile, "");
        }
        SetProbeResultForTest(c.layered, c.layered);
        tsetupchoices loaded;
        LoadSetupChoices(loaded, program.path());
        EXPECT_EQ(loaded.languageindex, c.languageindex) << c.what;
        EXPECT_EQ(loaded.editionindex, 0) << c.what;
        EXPECT_EQ(loaded.gfxmodeindex, c.gfxmodeindex) << c.what;
        EXPECT_EQ(loaded.gfxmodeenabled, c.layered) << c.what;
        EXPECT_EQ(loaded.mclindex, 0) << c.what;
        EXPECT_EQ(loaded.ownerdrawmenuindex, 1) << c.what;
        EXPECT_EQ(loaded.environment, Environment(c.layered)) << c.what;
        // Loading writes nothing; opening the profiles leaves the directory behind.
        EXPECT_EQ(testfiles::ListNames(program / "profile"), "") << c.what;
    }
}

struct StoredCase {
    const char* what;
    bool layered;
    const char* mainform;
    const char* zelloc;
    std::int32_t edition, gfxmode, mcl, ownerdrawmenu;
};

TEST_F(SetupChoices, StoredValuesBecomeIndices) {
    const StoredCase cases[] = {
        {"TORVEN_V.DLL is Vantor", true, "torvenfilename,TORVEN_V.DLL\r\n", "", 0, 1, 0, 1},
        {"torven_l.dll is Lumio", true, "torvenfilename,torven_l.dll\r\n", "", 1, 1, 0, 1},
        {"an empty library is Lumio", true, "torvenfilename,\r\n", "", 1, 1, 0, 1},
        {"another library is Lumio", true, "torvenfilename,other.dll\r\n", "", 1, 1, 0, 1},
        {"a space counts", true, "torvenfilename,torven_v.dll \r\n", "", 1, 1, 0, 1},
        {"mclmode 1", true, "", "mclmode,1\r\n", 0, 1, 1, 1},
        {"mclmode 7 is no choice", true, "", "mclmode,7\r\n", 0, 1, -1, 1},
        {"mclmode -3 is no choice", true, "", "mclmode,-3\r\n", 0, 1, -1, 1},
        {"mclmode no number is Normal", true, "", "mclmode,slow\r\n", 0, 1, 0, 1},
        {"ownerdrawmenu 0 is Classic", true, "", "ownerdrawmenu,0\r\n", 0, 1, 0, 0},
        {"ownerdrawmenu 2", true, "", "ownerdrawmenu,2\r\n", 0, 1, 0, 1},
        {"ownerdrawmenu -1", true, "", "ownerdrawmenu,-1\r\n", 0, 1, 0, 1},
        {"ownerdrawmenu no number", true, "", "ownerdrawmenu,no\r\n", 0, 1, 0, 1},
        {"gfxmode 0", true, "", "gfxmode,0\r\n", 0, 0, 0, 1},
        {"gfxmode 5 is no choice", true, "", "gfxmode,5\r\n", 0, -1, 0, 1},
        {"gfxmode no number is ULW", true, "", "gfxmode,ULW\r\n", 0, 1, 0, 1},
        {"no layered API: gfxmode 1 is not shown", false, "", "gfxmode,1\r\n", 0, 0, 0, 1},
        {"no layered API: gfxmode 5 is not read", false, "", "gfxmode,5\r\n", 0, 0, 0, 1},
        {"the topmost line counts", true, "", "mclmode,1\r\nmclmode,0\r\n", 0, 1, 1, 1},
        {"keys are read from their own file", true, "mclmode,1\r\n", "torvenfilename,torven_l.dll\r\n", 0, 1, 0, 1},
    };
    for (const auto& c : cases) {
        TempDir program;
        WriteBytes(program / MainForm, c.mainform);
        WriteBytes(program / Zelloc, c.zelloc);
        SetProbeResultForTest(c.layered, c.layered);
        tsetupchoices loaded;
        LoadSetupChoices(loaded, program.path());
        EXPECT_EQ(loaded.editionindex, c.edition) << c.what;
        EXPECT_EQ(loaded.gfxmodeindex, c.gfxmode) << c.what;
        EXPECT_EQ(loaded.gfxmodeenabled, c.layered) << c.what;
        EXPECT_EQ(loaded.mclindex, c.mcl) << c.what;
        EXPECT_EQ(loaded.ownerdrawmenuindex, c.ownerdrawmenu) << c.what;
        EXPECT_EQ(ReadBytes(program / MainForm), c.mainform) << c.what << ": loading writes nothing";
        EXPECT_EQ(ReadBytes(program / Zelloc), c.zelloc) << c.what << ": loading writes nothing";
    }
}

TEST_F(SetupChoices, LanguagesInByteOrderWithTheirNames) {
    Write("language\\abc.lcl.old", "name,Old\r\n");
    Write("language\\Zulu.lcl", "// Zulu\r\nname,isiZulu\r\n");
    Write("language\\abc.lcl", "other,1\r\n");  // no name: shown by its file name
    Write("language\\readme", "not a language at all");
    testfiles::MakeDirs(dir / "language\\sub");  // a directory is no language
    Write("language\\sub\\deep.lcl", "name,Deep\r\n");
    Write("language\\hidden.lcl", "name,Hidden\r\n");
    ASSERT_TRUE(SetFileAttributesA((dir / "language\\hidden.lcl").c_str(), FILE_ATTRIBUTE_HIDDEN));
    Load();
    EXPECT_EQ(Joined(choices.languagefiles), "Zulu.lcl|abc.lcl|abc.lcl.old|hidden.lcl|readme");
    EXPECT_EQ(Joined(choices.languagenames), "isiZulu|abc.lcl|Old|Hidden|readme");
    EXPECT_EQ(choices.languageindex, -1) << "no japan.lcl";
}

struct LanguageCase {
    const char* stored;
    std::int32_t index;
};

TEST_F(SetupChoices, TheStoredLanguageMatchesWithAsciiCaseIgnored) {
    Write("language\\Zulu.lcl", "");
    Write("language\\abc.lcl", "");
    Write("language\\abc.lcl.old", "");
    Write("language\\japan_1.lcl", "");
    const LanguageCase cases[] = {
        {"abc.lcl", 1},      {"ABC.LCL", 1},      {"zulu.lcl", 0},  {"ZULU.LCL", 0},
        {"abc.lcl.OLD", 2},  {"abc.lc", -1},      {"abc.lcl ", -1}, {"", -1},
        {"Zulu", -1},        {"japan_1.lcl", 3},  {"JAPAN_1.LCL", 3},
        // "_" and DEL are no letters: their case-flipped neighbours do not match them.
        {"japan\x7f" "1.lcl", -1},
    };
    for (const auto& c : cases) {
        Write(MainForm, std::string("languagefilename,") + c.stored + "\r\n");
        Load();
        EXPECT_EQ(choices.languageindex, c.index) << "stored \"" << c.stored << "\"";
    }
}

TEST_F(SetupChoices, TheSaveWritesTheLanguageAsTheFileHasIt) {
    Write("language\\Zulu.lcl", "");
    Write(MainForm, "languagefilename,ZULU.LCL\r\n");
    Load();
    Save();
    EXPECT_EQ(Read(MainForm), "torvenfilename,torven_v.dll\r\nlanguagefilename,Zulu.lcl\r\n");
}

TEST_F(SetupChoices, AnEmptyOrMissingLanguageDirectorySavesAnEmptyLanguage) {
    for (bool makedir : {false, true}) {
        TempDir program;
        if (makedir) testfiles::MakeDirs(program / "language");
        WriteBytes(program / MainForm, "languagefilename,english.lcl\r\n");
        tsetupchoices loaded;
        LoadSetupChoices(loaded, program.path());
        EXPECT_EQ(loaded.languagefiles.Count(), 0);
        EXPECT_EQ(loaded.languageindex, -1);
        SaveSetupChoices(loaded, program.path());
        EXPECT_EQ(ReadBytes(program / MainForm), "torvenfilename,torven_v.dll\r\nlanguagefilename,\r\n")
            << (makedir ? "empty" : "missing") << " directory";
    }
}

TEST_F(SetupChoices, LoadingAgainStartsFromTheEmptyRecord) {
    Write("language\\a.lcl", "");
    Write("language\\b.lcl", "");
    Load();
    choices.mclindex = 1;
    Load();
    EXPECT_EQ(Joined(choices.languagefiles), "a.lcl|b.lcl");
    EXPECT_EQ(choices.languagenames.Count(), 2);
    EXPECT_EQ(choices.mclindex, 0);
}

// ---- Saving ----

// Old files with comments, empty lines, duplicate and foreign keys.
const char OldMainForm[] =
    "// base program settings\r\n"
    "foreign,a,b\r\n"
    "languagefilename,abc.lcl\r\n"
    "\r\n"
    "torvenfilename,TORVEN_V.DLL\r\n"
    "languagefilename,Zulu.lcl\r\n"
    "windowleft,100\r\n";
const char OldZelloc[] =
    "//x\r\n"
    "gfxmode,1\r\n"
    "mclmode,7\r\n"
    "skin,default\r\n"
    "mclmode,0\r\n"
    "gfxenginefilename,torven_l.dll\r\n"
    "\r\n"
    "ownerdrawmenu,2\r\n";

class SaveOldFiles : public SetupChoices {
protected:
    void SetUp() override {
        SetupChoices::SetUp();
        Write("language\\Zulu.lcl", "name,isiZulu\r\n");
        Write("language\\abc.lcl", "name,ABC\r\n");
        Write(MainForm, OldMainForm);
        Write(Zelloc, OldZelloc);
    }
};

TEST_F(SaveOldFiles, WithoutAChangeRewritesBothFilesWithTheKeysOnTop) {
    Load();
    EXPECT_EQ(choices.languageindex, 1);
    EXPECT_EQ(choices.editionindex, 0);
    EXPECT_EQ(choices.mclindex, -1);
    EXPECT_EQ(choices.gfxmodeindex, 1);
    EXPECT_EQ(choices.ownerdrawmenuindex, 1);
    Save();
    EXPECT_EQ(Read(MainForm),
              "torvenfilename,torven_v.dll\r\n"
              "languagefilename,abc.lcl\r\n"
              "foreign,a,b\r\n"
              "languagefilename,Zulu.lcl\r\n"
              "windowleft,100\r\n");
    EXPECT_EQ(Read(Zelloc),
              "ownerdrawmenu,1\r\n"
              "gfxmode,1\r\n"
              "mclmode,-1\r\n"  // 7 was no choice, and stays none
              "gfxenginefilename,torven_v.dll\r\n"
              "skin,default\r\n"
              "mclmode,0\r\n");
    EXPECT_EQ(testfiles::ListNames(dir / "profile"), "mainform.txt,zelloc.txt");
}

TEST_F(SaveOldFiles, ChangedChoicesAndLumioKeepTheVantorEngine) {
    Load();
    choices.languageindex = 0;
    choices.editionindex = 1;
    choices.mclindex = 1;
    choices.gfxmodeindex = 0;
    choices.ownerdrawmenuindex = 0;
    Save();
    EXPECT_EQ(Read(MainForm),
              "torvenfilename,torven_l.dll\r\n"
              "languagefilename,Zulu.lcl\r\n"
              "foreign,a,b\r\n"
              "languagefilename,Zulu.lcl\r\n"
              "windowleft,100\r\n");
    EXPECT_EQ(Read(Zelloc),
              "ownerdrawmenu,0\r\n"
              "gfxmode,0\r\n"
              "mclmode,1\r\n"
              "gfxenginefilename,torven_v.dll\r\n"
              "skin,default\r\n"
              "mclmode,0\r\n");
}

struct NoChoiceCase {
    const char* what;
    std::int32_t language, edition, gfxmode, mcl, ownerdrawmenu;
    const char* mainform;
    const char* zellochead;
};

// What the dialog's "no selection" and out-of-range indices write.
TEST_F(SaveOldFiles, NoChoiceWritesMinusOneOrFalse) {
    const NoChoiceCase cases[] = {
        {"all none", -1, 0, -1, -1, -1, "torvenfilename,torven_v.dll\r\nlanguagefilename,\r\n",
         "ownerdrawmenu,0\r\ngfxmode,-1\r\nmclmode,-1\r\ngfxenginefilename,torven_v.dll\r\n"},
        {"language past the list", 2, 1, 1, 0, 1, "torvenfilename,torven_l.dll\r\nlanguagefilename,\r\n",
         "ownerdrawmenu,1\r\ngfxmode,1\r\nmclmode,0\r\ngfxenginefilename,torven_v.dll\r\n"},
        // No edition writes neither library key; the old lines stay where they were.
        {"no edition", 0, -1, 1, 0, 1, "languagefilename,Zulu.lcl\r\nforeign,a,b\r\ntorvenfilename,TORVEN_V.DLL\r\n",
         "ownerdrawmenu,1\r\ngfxmode,1\r\nmclmode,0\r\nskin,default\r\nmclmode,0\r\ngfxenginefilename,torven_l.dll\r\n"},
    };
    for (const auto& c : cases) {
        Write(MainForm, OldMainForm);
        Write(Zelloc, OldZelloc);
        Load();
        choices.languageindex = c.language;
        choices.editionindex = c.edition;
        choices.gfxmodeindex = c.gfxmode;
        choices.mclindex = c.mcl;
        choices.ownerdrawmenuindex = c.ownerdrawmenu;
        Save();
        EXPECT_EQ(Read(MainForm).substr(0, std::string(c.mainform).size()), c.mainform) << c.what;
        EXPECT_EQ(Read(Zelloc).substr(0, std::string(c.zellochead).size()), c.zellochead) << c.what;
    }
}

TEST_F(SetupChoices, WithoutTheLayeredApiAStoredUlwIsNotKept) {
    SetProbeResultForTest(false, false);
    Write(Zelloc, "gfxmode,1\r\n");
    Load();
    EXPECT_EQ(choices.gfxmodeindex, 0);
    EXPECT_FALSE(choices.gfxmodeenabled);
    EXPECT_EQ(choices.environment, Environment(false));
    Save();
    EXPECT_EQ(Read(Zelloc), "ownerdrawmenu,1\r\ngfxmode,0\r\nmclmode,0\r\ngfxenginefilename,torven_v.dll\r\n");
}

TEST_F(SetupChoices, FirstSaveCreatesBothFiles) {
    Load();
    Save();
    EXPECT_EQ(Read(MainForm), "torvenfilename,torven_v.dll\r\nlanguagefilename,\r\n");
    EXPECT_EQ(Read(Zelloc), "ownerdrawmenu,1\r\ngfxmode,1\r\nmclmode,0\r\ngfxenginefilename,torven_v.dll\r\n");
}

// ---- File errors ----

TEST_F(SetupChoices, ARecordThatWasNeverLoadedSavesNothing) {
    choices.editionindex = 1;
    Save();
    EXPECT_EQ(testfiles::ListNames(dir.path()), "") << "not even the directory profile";
}

struct LoadErrorCase {
    const char* what;
    const char* held;  // the file held open without sharing during the load
    bool languageloaded, restloaded;
    const char* mainformafter;  // after the save that follows
};

// A load that stops on a file error must not let the save that follows (the dialog saves when it
// is destroyed) put empty values over the stored ones.
TEST_F(SetupChoices, ASaveAfterAFailedLoadKeepsWhatWasNotLoaded) {
    const char mainform[] = "// settings\r\ntorvenfilename,torven_l.dll\r\nlanguagefilename,ABC.LCL\r\n";
    const char zelloc[] = "gfxmode,0\r\nmclmode,1\r\nownerdrawmenu,0\r\n";
    const LoadErrorCase cases[] = {
        {"mainform.txt", MainForm, false, false, mainform},
        {"a language file", "language\\Zulu.lcl", false, false, mainform},
        // By then the language was loaded; only its key is written.
        {"zelloc.txt", Zelloc, true, false, "languagefilename,abc.lcl\r\ntorvenfilename,torven_l.dll\r\n"},
    };
    for (const auto& c : cases) {
        TempDir program;
        WriteBytes(program / "language\\abc.lcl", "name,ABC\r\n");
        WriteBytes(program / "language\\Zulu.lcl", "name,isiZulu\r\n");
        WriteBytes(program / MainForm, mainform);
        WriteBytes(program / Zelloc, zelloc);
        tsetupchoices loaded;
        {
            tholder holder(program / c.held, 0);
            try {
                LoadSetupChoices(loaded, program.path());
                ADD_FAILURE() << c.what << ": no error";
            } catch (const FileError& e) {
                EXPECT_EQ(e.path(), program / c.held) << c.what;
            }
        }
        EXPECT_EQ(loaded.languagefiles.Count(), loaded.languagenames.Count()) << c.what;
        EXPECT_EQ(loaded.loaded.languagefilename, c.languageloaded) << c.what;
        EXPECT_EQ(loaded.loaded.torvenfilename, c.restloaded) << c.what;
        EXPECT_EQ(loaded.loaded.mclmode, c.restloaded) << c.what;
        EXPECT_EQ(loaded.loaded.gfxmode, c.restloaded) << c.what;
        EXPECT_EQ(loaded.loaded.ownerdrawmenu, c.restloaded) << c.what;
        EXPECT_EQ(loaded.mclindex, -1) << c.what;
        SaveSetupChoices(loaded, program.path());
        EXPECT_EQ(ReadBytes(program / MainForm), c.mainformafter) << c.what;
        EXPECT_EQ(ReadBytes(program / Zelloc), zelloc) << c.what;
    }
}

struct SaveErrorCase {
    const char* what;
    bool readonly;  // else held open with read sharing only: it can be read, not replaced
};

TEST_F(SetupChoices, WhenZellocCannotBeWrittenMainFormIsNotWrittenEither) {
    const SaveErrorCase cases[] = {{"read-only", true}, {"held open by another program", false}};
    const char mainform[] = "torvenfilename,torven_v.dll\r\n";
    const char zelloc[] = "mclmode,0\r\n";
    const std::string path = dir / Zelloc;
    for (const auto& c : cases) {
        Write(MainForm, mainform);
        Write(Zelloc, zelloc);
        Load();
        choices.editionindex = 1;
        choices.mclindex = 1;
        {
            std::optional<tholder> holder;
            if (c.readonly)
                ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
            else
                holder.emplace(path, FILE_SHARE_READ);
            try {
                Save();
                ADD_FAILURE() << c.what << ": no error";
            } catch (const FileError& e) {
                EXPECT_EQ(e.path(), path) << c.what;
            }
        }
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
        EXPECT_EQ(Read(Zelloc), zelloc) << c.what;
        EXPECT_EQ(Read(MainForm), mainform) << c.what;
    }
}

} // namespace

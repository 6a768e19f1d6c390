// The catalogue on real add-on directories in a temporary program directory: listing, display
// names, pictures, the order, and switching add-ons on and off through the hidden attribute.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

#include "addons.h"
#include "errors.h"
#include "testfiles.h"

namespace {

using testfiles::MakeDirs;
using testfiles::TempDir;
using testfiles::WriteBytes;

const taddoncategory& Category(const char* directory) {
    for (const taddoncategory& category : AddonCategories)
        if (std::string(category.directory) == directory) return category;
    throw std::logic_error(std::string("no category ") + directory);
}

std::vector<std::string> Names(const std::vector<taddonentry>& entries) {
    std::vector<std::string> names;
    for (const taddonentry& entry : entries) names.push_back(entry.name);
    return names;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

class Catalogue : public ::testing::Test {
protected:
    // The add-on directory name of a category, without a trailing backslash.
    std::string Addon(const taddoncategory& category, const std::string& name) const {
        return program_.path() + category.directory + name;
    }
    std::string MakeAddon(const taddoncategory& category, const std::string& name) const {
        std::string dir = Addon(category, name);
        MakeDirs(dir);
        return dir;
    }

    TempDir program_;
};

TEST(Categories, AreTheFourInTheOrderTheMenusAreBuilt) {
    ASSERT_EQ(AddonCategoryCount, 4u);
    const char* const expected[][3] = {
        {"balloon\\", "balloonroot", "thumbnail.png"},
        {"ghost\\", "ghostroot", "thumbnail.png"},
        {"headline\\", "hsroot", "banner.png"},
        {"plugin\\", "pluginroot", "banner.png"},
    };
    for (std::size_t k = 0; k < AddonCategoryCount; ++k) {
        EXPECT_STREQ(AddonCategories[k].directory, expected[k][0]);
        EXPECT_STREQ(AddonCategories[k].rootname, expected[k][1]);
        EXPECT_STREQ(AddonCategories[k].picturefile, expected[k][2]);
        EXPECT_EQ(AddonCategories[k].fallbackdir != nullptr, k == 1) << AddonCategories[k].name;
    }
}

TEST_F(Catalogue, AMissingOrEmptyCategoryDirectoryGivesNoEntriesAndFilesAreNoAddons) {
    for (const taddoncategory& category : AddonCategories) {
        EXPECT_TRUE(ScanAddons(category, program_.path()).empty()) << category.name << ": missing";
        MakeDirs(program_.path() + category.directory);
        EXPECT_TRUE(ScanAddons(category, program_.path()).empty()) << category.name << ": empty";
        WriteBytes(program_.path() + category.directory + "descript.txt", "name,file\r\n");
        WriteBytes(program_.path() + category.directory + "readme", "");
        EXPECT_TRUE(ScanAddons(category, program_.path()).empty()) << category.name << ": only files";
        std::string dir = MakeAddon(category, "one");
        std::vector<taddonentry> entries = ScanAddons(category, program_.path());
        ASSERT_EQ(entries.size(), 1u) << category.name;
        EXPECT_EQ(entries[0].dirpath, dir);
        EXPECT_EQ(entries[0].name, "one");
    }
    // The scan only reads: nothing is created beside the add-ons or in them.
    EXPECT_EQ(testfiles::ListNames(program_.path() + "ghost"), "descript.txt,one,readme");
    EXPECT_EQ(testfiles::ListNames(program_.path() + "ghost\\one"), "");
}

TEST_F(Catalogue, HiddenAddonsAreListedAndOff) {
    const taddoncategory& plugins = Category("plugin\\");
    std::string shown = MakeAddon(plugins, "shown");
    std::string hidden = MakeAddon(plugins, "hidden");
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    std::vector<taddonentry> entries = ScanAddons(plugins, program_.path());
    ASSERT_EQ(entries.size(), 2u);
    for (const taddonentry& entry : entries) EXPECT_EQ(AddonEnabled(entry.dirpath), entry.dirpath == shown) << entry.dirpath;
}

// Which description file names an add-on: its own, or for ghosts only the one in ghost\master.
struct tnamecase {
    const char* label;
    const char* own;    // content of d\descript.txt, nullptr for none
    const char* master; // content of d\ghost\master\descript.txt, nullptr for none
    const char* ghost;  // display name of a ghost
    const char* other;  // display name in the other three categories
};

const tnamecase NameCases[] = {
    {"OwnFile", "name,Own Name\r\n", nullptr, "Own Name", "Own Name"},
    {"NoFile", nullptr, nullptr, "addon", "addon"},
    {"NoNameKey", "craftman,someone\r\n", nullptr, "addon", "addon"},
    {"EmptyName", "name,\r\n", nullptr, "", ""},
    {"CommentedName", "//name,hidden\r\n", nullptr, "addon", "addon"},
    {"OnlyMaster", nullptr, "name,Master\r\n", "Master", "addon"},
    {"OwnBeatsMaster", "name,Own\r\n", "name,Master\r\n", "Own", "Own"},
    {"OwnWithoutNameBeatsMaster", "id,x\r\n", "name,Master\r\n", "addon", "addon"},
    {"MasterWithoutName", nullptr, "id,x\r\n", "addon", "addon"},
    {"EmptyOwnFileBeatsMaster", "", "name,Master\r\n", "addon", "addon"},
    {"CommentOnlyOwnFileBeatsMaster", "// nothing\r\n\r\n", "name,Master\r\n", "addon", "addon"},
};

TEST_F(Catalogue, DisplayNameComesFromTheDescriptionFileAndOnlyGhostsLookInMaster) {
    for (const taddoncategory& category : AddonCategories) {
        const bool ghosts = category.fallbackdir != nullptr;
        for (const tnamecase& c : NameCases) {
            TempDir program;
            const std::string dir = program.path() + category.directory + "addon";
            MakeDirs(dir);
            if (c.own) WriteBytes(dir + "\\descript.txt", c.own);
            if (c.master) WriteBytes(dir + "\\ghost\\master\\descript.txt", c.master);
            std::vector<taddonentry> entries = ScanAddons(category, program.path());
            ASSERT_EQ(entries.size(), 1u) << category.name << " " << c.label;
            EXPECT_EQ(entries[0].name, ghosts ? c.ghost : c.other) << category.name << " " << c.label;
            // Only read: the description files stay as they were.
            if (c.own) {
                EXPECT_EQ(testfiles::ReadBytes(dir + "\\descript.txt"), c.own);
            }
            if (c.master) {
                EXPECT_EQ(testfiles::ReadBytes(dir + "\\ghost\\master\\descript.txt"), c.master);
            }
        }
    }
}

TEST_F(Catalogue, ADirectoryNamedLikeTheDescriptionFileIsNoDescription) {
    const taddoncategory& ghosts = Category("ghost\\");
    std::string dir = MakeAddon(ghosts, "addon");
    MakeDirs(dir + "\\descript.txt");
    WriteBytes(dir + "\\ghost\\master\\descript.txt", "name,Master\r\n");
    std::vector<taddonentry> entries = ScanAddons(ghosts, program_.path());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Master");
    const taddoncategory& balloons = Category("balloon\\");
    MakeDirs(MakeAddon(balloons, "addon") + "\\descript.txt");
    EXPECT_EQ(Names(ScanAddons(balloons, program_.path())), std::vector<std::string>{"addon"});
}

// The picture path: the category's file in the add-on directory; for a ghost without one of
// its own, the one in ghost\master, whether that exists or not.
struct tpicturecase {
    const char* label;
    const char* directory;
    bool ownpicture;
    bool masterpicture;
    const char* expected; // relative to the add-on directory
};

const tpicturecase PictureCases[] = {
    {"GhostOwn", "ghost\\", true, true, "\\thumbnail.png"},
    {"GhostMaster", "ghost\\", false, true, "\\ghost\\master\\thumbnail.png"},
    {"GhostNeither", "ghost\\", false, false, "\\ghost\\master\\thumbnail.png"},
    {"BalloonOwn", "balloon\\", true, false, "\\thumbnail.png"},
    {"BalloonNeither", "balloon\\", false, true, "\\thumbnail.png"},
    {"HeadlineNeither", "headline\\", false, true, "\\banner.png"},
    {"PluginOwn", "plugin\\", true, false, "\\banner.png"},
};

TEST_F(Catalogue, PicturePathFollowsTheCategorysRule) {
    for (const tpicturecase& c : PictureCases) {
        TempDir program;
        const taddoncategory& category = Category(c.directory);
        const std::string dir = program.path() + c.directory + "addon";
        MakeDirs(dir);
        if (c.ownpicture) WriteBytes(dir + "\\" + category.picturefile, "png");
        if (c.masterpicture) WriteBytes(dir + "\\ghost\\master\\" + category.picturefile, "png");
        std::vector<taddonentry> entries = ScanAddons(category, program.path());
        ASSERT_EQ(entries.size(), 1u) << c.label;
        EXPECT_EQ(entries[0].picturepath, dir + c.expected) << c.label;
    }
}

TEST_F(Catalogue, AGhostPictureThatIsADirectoryIsNotItsOwn) {
    const taddoncategory& ghosts = Category("ghost\\");
    std::string dir = MakeAddon(ghosts, "addon");
    MakeDirs(dir + "\\thumbnail.png");
    std::vector<taddonentry> entries = ScanAddons(ghosts, program_.path());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].picturepath, dir + "\\ghost\\master\\thumbnail.png");
}

TEST_F(Catalogue, EntriesComeInTheOrderOfTheFirstByteOfTheirNames) {
    const taddoncategory& balloons = Category("balloon\\");
    // Directory names in an order of their own, display names from the files.
    const char* const addons[][2] = {{"d1", "alpha"}, {"d2", "Beta"}, {"d3", "9lives"}, {"d4", "zeta"}, {"d5", "\x82\xa0"}};
    for (const auto& addon : addons) WriteBytes(MakeAddon(balloons, addon[0]) + "\\descript.txt", std::string("name,") + addon[1] + "\r\n");
    std::vector<taddonentry> entries = ScanAddons(balloons, program_.path());
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"9lives", "Beta", "alpha", "zeta", "\x82\xa0"}));
    for (const taddonentry& entry : entries) EXPECT_EQ(entry.picturepath, entry.dirpath + "\\thumbnail.png");
}

TEST_F(Catalogue, ManyEmptyAndEqualNamesAreAllReturnedOnce) {
    const taddoncategory& plugins = Category("plugin\\");
    std::vector<std::string> dirs;
    for (int k = 0; k < 60; ++k) {
        std::string dir = MakeAddon(plugins, "p" + std::to_string(k));
        const std::string name = k % 3 == 0 ? "" : (k % 3 == 1 ? "a" : "b") + std::to_string(k);
        WriteBytes(dir + "\\descript.txt", "name," + name + "\r\n");
        dirs.push_back(dir);
    }
    std::vector<taddonentry> entries = ScanAddons(plugins, program_.path());
    std::vector<std::string> found;
    for (const taddonentry& entry : entries) found.push_back(entry.dirpath);
    std::sort(found.begin(), found.end());
    std::sort(dirs.begin(), dirs.end());
    EXPECT_EQ(found, dirs);
}

// A description file that exists but cannot be read: held open without sharing.
class theldopen {
public:
    explicit theldopen(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~theldopen() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    theldopen(const theldopen&) = delete;
    theldopen& operator=(const theldopen&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST_F(Catalogue, AnUnreadableDescriptionFileRaisesAFileErrorNamingIt) {
    struct {
        const char* directory;
        const char* file; // relative to the add-on directory
    } const cases[] = {{"balloon\\", "\\descript.txt"}, {"ghost\\", "\\ghost\\master\\descript.txt"}, {"plugin\\", "\\descript.txt"}};
    for (const auto& c : cases) {
        const taddoncategory& category = Category(c.directory);
        WriteBytes(MakeAddon(category, "fine") + "\\descript.txt", "name,Fine\r\n");
        const std::string locked = MakeAddon(category, "locked") + c.file;
        WriteBytes(locked, "name,Locked\r\n");
        theldopen hold(locked);
        ASSERT_TRUE(hold.ok()) << locked;
        try {
            ScanAddons(category, program_.path());
            ADD_FAILURE() << "no error for " << locked;
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), locked);
            EXPECT_EQ(error.code(), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
            EXPECT_NE(std::string(error.what()).find(locked), std::string::npos) << error.what();
        }
    }
}

// Toggling: the hidden bit flips, every other bit stays, twice gives the word back.
struct tattributecase {
    const char* label;
    DWORD set; // what the test sets on the add-on directory before toggling
};

const tattributecase AttributeCases[] = {
    {"Plain", 0},
    {"Hidden", FILE_ATTRIBUTE_HIDDEN},
    {"ReadOnly", FILE_ATTRIBUTE_READONLY},
    {"System", FILE_ATTRIBUTE_SYSTEM},
    {"Archive", FILE_ATTRIBUTE_ARCHIVE},
    {"ReadOnlySystemArchive", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE},
    {"AllAndHidden", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN},
};

TEST_F(Catalogue, ToggleFlipsOnlyTheHiddenBitAndTwiceRestoresTheWord) {
    const taddoncategory& balloons = Category("balloon\\");
    for (const tattributecase& c : AttributeCases) {
        const std::string dir = MakeAddon(balloons, c.label);
        WriteBytes(dir + "\\descript.txt", "name,x\r\n");
        ASSERT_TRUE(SetFileAttributesA(dir.c_str(), c.set ? c.set : FILE_ATTRIBUTE_NORMAL)) << c.label;
        const DWORD before = Attributes(dir);
        const DWORD inside = Attributes(dir + "\\descript.txt");
        ASSERT_NE(before, INVALID_FILE_ATTRIBUTES) << c.label;
        // What the system really stored is what must come back. Windows keeps every one of these
        // bits on a directory; Wine 8 keeps only hidden and system there (read-only and archive
        // read back clear), so under Wine the other two are checked only as far as it keeps them.
        EXPECT_EQ(before & ~(FILE_ATTRIBUTE_DIRECTORY | c.set), 0u) << c.label;
        EXPECT_EQ(before & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), c.set & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) << c.label;
        EXPECT_NE(before & FILE_ATTRIBUTE_DIRECTORY, 0u) << c.label;
        const bool enabled = AddonEnabled(dir);
        EXPECT_EQ(enabled, (c.set & FILE_ATTRIBUTE_HIDDEN) == 0) << c.label;

        ToggleAddon(dir);
        EXPECT_EQ(Attributes(dir), before ^ FILE_ATTRIBUTE_HIDDEN) << c.label;
        EXPECT_EQ(AddonEnabled(dir), !enabled) << c.label;

        ToggleAddon(dir);
        EXPECT_EQ(Attributes(dir), before) << c.label;
        EXPECT_EQ(AddonEnabled(dir), enabled) << c.label;
        // Only the directory itself changes.
        EXPECT_EQ(Attributes(dir + "\\descript.txt"), inside) << c.label;
        EXPECT_EQ(testfiles::ReadBytes(dir + "\\descript.txt"), "name,x\r\n") << c.label;
    }
}

TEST_F(Catalogue, AVanishedAddonReadsOffAndToggleCreatesNothing) {
    const taddoncategory& headlines = Category("headline\\");
    const std::string dir = MakeAddon(headlines, "gone");
    std::vector<taddonentry> entries = ScanAddons(headlines, program_.path());
    ASSERT_EQ(entries.size(), 1u);
    testfiles::RemoveTree(dir);
    ASSERT_EQ(Attributes(dir), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(AddonEnabled(entries[0].dirpath));
    ToggleAddon(entries[0].dirpath);
    EXPECT_EQ(Attributes(dir), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(AddonEnabled(entries[0].dirpath));
    EXPECT_EQ(testfiles::ListNames(program_.path() + "headline"), "");
    // The same for a category directory that is gone as a whole.
    testfiles::RemoveTree(program_.path() + "headline");
    ToggleAddon(entries[0].dirpath);
    EXPECT_EQ(Attributes(program_.path() + "headline"), INVALID_FILE_ATTRIBUTES);
}

} // namespace

// The add-on catalogue: the installed add-ons of each category with their display names and
// pictures, in menu order, and whether each is switched on. Win32 layer over the settings store.
//
// An add-on is one first-level sub-directory of its category directory. It is switched off
// exactly when that directory carries the hidden attribute (or its attributes cannot be read);
// the attribute is the only record of the choice, and it is read afresh on every question.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One category of add-ons. The four rows of AddonCategories say everything that differs.
struct taddoncategory {
    const char* name;        // in words, for messages and test names: "balloons"
    const char* directory;   // below the program directory, with its trailing "\": "balloon\"
    const char* rootname;    // the preference dialog's root menu item for the category
    const char* picturefile; // the picture's file name inside the add-on directory
    // A sub-directory of the add-on in which the description file and the picture are looked
    // for when the add-on directory has none of its own (the ghosts' "ghost\master"); nullptr
    // for the categories that never look further.
    const char* fallbackdir;
};

// In the order in which the preference dialog builds its menus: balloons, ghosts, headline
// sensors, plugins.
extern const taddoncategory AddonCategories[4];
const std::size_t AddonCategoryCount = sizeof AddonCategories / sizeof AddonCategories[0];

// One installed add-on.
struct taddonentry {
    std::string dirpath;     // the add-on directory, no trailing "\"; it identifies the add-on
    std::string name;        // the display name; may be empty
    std::string picturepath; // never opened; only the ghosts' choice tests for existence
};

// The add-ons of a category below programdir (GetProgramDir() in the program; it ends in "\"),
// hidden ones included, sorted by the first byte of the display name (QuickSortAddons with
// CompareFirstByte, addonsort.h). The display name is the description file's key "name", or
// the directory's own name when the file or the key is missing. A missing category directory
// gives no entries. A description file that exists but cannot be read raises FileError naming
// that file; nothing of the category is returned then.
std::vector<taddonentry> ScanAddons(const taddoncategory& category, const std::string& programdir);

// True when the attributes of dirpath can be read and the hidden bit is clear. A directory
// that has disappeared counts as off.
bool AddonEnabled(const std::string& dirpath);

// Flips the hidden bit of dirpath and writes every other bit back as it was read. Does nothing
// when the attributes cannot be read; a write the system refuses leaves the add-on as it was,
// silently.
void ToggleAddon(const std::string& dirpath);

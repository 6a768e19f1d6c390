#include "addons.h"

#include <windows.h>

#include "addonsort.h"
#include "paths.h"
#include "profiler.h"
#include "stringlist.h"

const taddoncategory AddonCategories[4] = {
    {"balloons", "balloon\\", "balloonroot", "thumbnail.png", nullptr},
    {"ghosts", "ghost\\", "ghostroot", "thumbnail.png", "ghost\\master"},
    {"headline sensors", "headline\\", "hsroot", "banner.png", nullptr},
    {"plugins", "plugin\\", "pluginroot", "banner.png", nullptr},
};

namespace {

const char DescriptionFile[] = "descript.txt";

// dir + "\" + file when that exists as a file, or when the category has no fallback;
// otherwise the same file in the category's fallback sub-directory, whether it exists or not.
std::string OwnOrFallback(const taddoncategory& category, const std::string& dir, const char* file) {
    const std::string own = dir + "\\" + file;
    if (category.fallbackdir == nullptr || FileExists(own)) return own;
    return dir + "\\" + category.fallbackdir + "\\" + file;
}

std::string ReadName(const std::string& descriptionfile, const std::string& def, bool& empty) {
    tprofiler description(descriptionfile);
    std::string name = description.ReadString("name", def);
    empty = description.Lines().Count() == 0;
    description.Flush(); // only read, so this writes nothing
    return name;
}

// The "name" of the description file (the own one, or for ghosts the fallback when the own one
// does not exist as a file), else the directory's own name.
//
// The profile is opened without asking first whether the file exists: it gives no lines for a
// missing file, and under Wine each file search costs more than reading the file. Only a
// profile without lines can stand for a missing file, so only then is the fallback looked for.
// The profile makes its directory exist, so a directory that vanished since the listing is
// not opened at all: that would bring it back.
std::string DisplayName(const taddoncategory& category, const std::string& dir) {
    const std::string dirname = NamePart(dir);
    if (!DirExists(dir)) return dirname;
    const std::string own = dir + "\\" + DescriptionFile;
    bool empty = false;
    std::string name = ReadName(own, dirname, empty);
    if (!empty || category.fallbackdir == nullptr || FileExists(own)) return name;
    const std::string fallback = dir + "\\" + category.fallbackdir + "\\" + DescriptionFile;
    if (!FileExists(fallback)) return dirname;
    return ReadName(fallback, dirname, empty);
}

} // namespace

std::vector<taddonentry> ScanAddons(const taddoncategory& category, const std::string& programdir) {
    tstringlistex dirs;
    ListSubDirs(programdir + category.directory, dirs);
    std::vector<taddonentry> entries;
    entries.reserve(static_cast<std::size_t>(dirs.Count()));
    for (std::int32_t k = 0; k < dirs.Count(); ++k) {
        const std::string& dir = dirs.At(k);
        taddonentry entry;
        entry.dirpath = dir;
        entry.name = DisplayName(category, dir);
        entry.picturepath = OwnOrFallback(category, dir, category.picturefile);
        entries.push_back(std::move(entry));
    }
    QuickSortAddons(entries, [](const taddonentry& a, const taddonentry& b) { return CompareFirstByte(a.name, b.name); });
    return entries;
}

bool AddonEnabled(const std::string& dirpath) {
    DWORD attributes = GetFileAttributesA(dirpath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) == 0;
}

void ToggleAddon(const std::string& dirpath) {
    DWORD attributes = GetFileAttributesA(dirpath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    // The word goes back whole, the directory bit included: on a directory SetFileAttributesA
    // takes that bit as it reads it and keeps it (checked under Wine by the tests). Its result
    // is not looked at: a refused change leaves the add-on as it was; nothing is reported.
    SetFileAttributesA(dirpath.c_str(), attributes ^ FILE_ATTRIBUTE_HIDDEN);
}

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

std::string DisplayName(const std::string& descriptionfile, const std::string& dir) {
    const std::string dirname = NamePart(dir);
    if (!FileExists(descriptionfile)) return dirname;
    tprofiler description(descriptionfile);
    std::string name = description.ReadString("name", dirname);
    description.Flush(); // only read, so this writes nothing
    return name;
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
        entry.name = DisplayName(OwnOrFallback(category, dir, DescriptionFile), dir);
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

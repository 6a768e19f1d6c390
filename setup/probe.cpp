#include "probe.h"

#include <windows.h>

#include "paths.h"
#include "profiler.h"

namespace {

bool layeredapipresent = false;
bool layeredmode = false;
HMODULE user32 = nullptr;

// user32 from the system directory only: a bare "user32.dll" would also be looked for beside
// the program and in the current directory, where a planted copy could run inside us.
HMODULE LoadSystemUser32() {
    char dir[MAX_PATH + 1];
    UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) return nullptr;
    std::string path(dir, n);
    if (path.back() != '\\') path += '\\';
    return LoadLibraryA((path + "user32.dll").c_str());
}

} // namespace

void DecideLayered(bool apifound, const std::string& programdir) {
    layeredapipresent = apifound;
    layeredmode = apifound;
    // Opening the profile makes the directory "profile" exist, at every start.
    tprofiler zelloc(programdir + "profile\\zelloc.txt");
    if (apifound && zelloc.ReadInteger("gfxmode", 1) == 0) layeredmode = false;
    // Only read: nothing to flush.
}

void InitProbe(const std::string& programdir) {
    user32 = LoadSystemUser32();
    bool found = user32 && GetProcAddress(user32, "UpdateLayeredWindow");
    DecideLayered(found, programdir);
}

void FinalProbe() {
    if (user32) FreeLibrary(user32);
    user32 = nullptr;
}

bool LayeredApiPresent() { return layeredapipresent; }
bool LayeredMode() { return layeredmode; }

void SetProbeResultForTest(bool apipresent, bool mode) {
    layeredapipresent = apipresent;
    layeredmode = mode;
}

std::string OSNameFor(unsigned long platformid, unsigned long major, unsigned long minor) {
    switch (platformid) {
    case 0: return "32s";
    case 1:
        if (major != 4 || minor == 0) return "95";
        return minor >= 90 ? "ME" : "98";
    case 2:
        if (major != 5) return "NT";
        return minor >= 1 ? "XP" : "2000";
    default: return "??";
    }
}

std::string GetOSName() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes: the ANSI form
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    if (!GetVersionExA(&info)) return "??";
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    return OSNameFor(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

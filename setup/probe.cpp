#include "probe.h"

#include <windows.h>

namespace {
bool layeredapipresent = false;
bool layeredmode = false;
} // namespace

void InitProbe(const std::string&) {
    // Completed with the settings store: reads gfxmode from profile\zelloc.txt.
    HMODULE user32 = GetModuleHandleA("user32.dll");
    layeredapipresent = user32 && GetProcAddress(user32, "UpdateLayeredWindow");
    layeredmode = layeredapipresent;
}

void FinalProbe() {}

bool LayeredApiPresent() { return layeredapipresent; }
bool LayeredMode() { return layeredmode; }

void SetProbeResultForTest(bool apipresent, bool mode) {
    layeredapipresent = apipresent;
    layeredmode = mode;
}

std::string OSNameFor(unsigned long, unsigned long, unsigned long) { return "??"; }
std::string GetOSName() { return "??"; }

// The start-up probe: whether the system offers layered windows and whether layered drawing is
// chosen, fixed once before any window exists; and the short name of the Windows version.
#pragma once
#include <string>

// Runs the probe for the program directory programdir (ending in a backslash). Reads gfxmode
// from profile\zelloc.txt there; creating that profile makes the directory "profile" exist.
// A settings file that exists but cannot be read raises FileError.
void InitProbe(const std::string& programdir);
// The probe's decision once the system has answered whether UpdateLayeredWindow exists: sets
// both flags, reading gfxmode (default 1; 0 turns layered drawing off) only when it does.
void DecideLayered(bool apifound, const std::string& programdir);
// Releases the probe's reference to user32.
void FinalProbe();

bool LayeredApiPresent();
bool LayeredMode();

// Fixes both flags without probing. For tests that need a system without the layered
// functions; the program itself never calls it.
void SetProbeResultForTest(bool apipresent, bool layeredmode);

// "32s", "95", "98", "ME", "NT", "2000", "XP", or "??" when the system does not answer.
std::string GetOSName();
// The table behind GetOSName.
std::string OSNameFor(unsigned long platformid, unsigned long major, unsigned long minor);

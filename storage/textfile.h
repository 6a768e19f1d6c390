// Reading and writing a list as a text file. Declared here, defined by the platform layer:
// textfile_win32.cpp on Windows, textfile_std.cpp in the host build.
#pragma once
#include <string>

class tstringlistex;

// Appends the file's lines to lines (by the rules of tlinereader), reading 8192 bytes at a time.
// No file of that name (or a directory of that name): nothing is added. A file that cannot be
// opened or read raises FileError.
void LoadTextFile(const std::string& filename, tstringlistex& lines);

// Replaces the file with the lines, each ended by CR LF, or raises FileError naming filename
// and leaves the old file as it was.
void SaveTextFile(const std::string& filename, const tstringlistex& lines);

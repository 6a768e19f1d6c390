// The program's directory, paths split by the system's code page, directories tested, created
// and listed. Win32 layer over pathscan.h. None of these reports a failure except
// GetProgramDir: a failure shows in the result or in what exists afterwards.
#pragma once
#include <cstddef>
#include <string>

#include "pathscan.h"
#include "stringlist.h"

// The directory of the program's own file, ending in "\".
std::string GetProgramDir();
// The full path of the program's own file. The buffer starts at firstbuffersize bytes and grows
// until the whole path fits, so a long path is never cut; tests start it small.
std::string ProgramFileName(std::size_t firstbuffersize = 261);

// The lead bytes of a code page (IsDBCSLeadByteEx); 0 is the system's ANSI code page.
tleadbytes LeadBytesOf(unsigned int codepage);
// DirPart and NamePart (pathscan.h) with the lead bytes of the system code page (IsDBCSLeadByte)...
std::string DirPart(const std::string& path);
std::string NamePart(const std::string& path);
// ...or of the given code page, for example 932.
std::string DirPart(const std::string& path, unsigned int codepage);
std::string NamePart(const std::string& path, unsigned int codepage);

// True when the attributes of path can be read and carry the directory bit.
bool DirExists(const std::string& path);
// True when the system's file search finds path and it is not a directory (answered from the
// attributes where they can be read, which is much cheaper). A name with the wildcards "*" or
// "?", or with a trailing "\", names no file.
bool FileExists(const std::string& path);
// Creates the directory and its missing parents, outermost first. One trailing "\" is
// ignored; paths of fewer than 3 bytes (C:, C:\, two-byte relative names) are never created.
void ForceDirs(const std::string& path);
// Refill list with dir + "\" + name of every plain file (ListFiles) or every sub-directory
// (ListSubDirs) of dir, hidden and system ones included, one level, in the order the file
// system gives them. dir may end in "\" or not. A missing directory gives an empty list.
void ListFiles(const std::string& dir, tstringlistex& list);
void ListSubDirs(const std::string& dir, tstringlistex& list);

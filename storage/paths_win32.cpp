#include "paths.h"

#include <vector>
#include <windows.h>

#include "fileerror_win32.h"
#include "winhandles.h"

std::string ProgramFileName(std::size_t firstbuffersize) {
    std::vector<char> buffer(firstbuffersize > 0 ? firstbuffersize : 1);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        // Returns the length without the NUL. A path that does not fit is cut and the
        // return value equals the buffer size (XP does not even add the NUL then), so a
        // result that fills the buffer is no answer: try again with a larger one.
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) throw MakeFileError("cannot find the program's own file name", "", GetLastError());
        if (length < size) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string GetProgramDir() { return DirPart(ProgramFileName()); }

tleadbytes LeadBytesOf(unsigned int codepage) {
    tleadbytes table;
    for (int b = 0; b < 256; ++b) table.lead[b] = IsDBCSLeadByteEx(codepage, static_cast<BYTE>(b)) != 0;
    return table;
}

namespace {

tleadbytes SystemLeadBytes() {
    tleadbytes table;
    for (int b = 0; b < 256; ++b) table.lead[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != 0;
    return table;
}

// Looks at the last character, not the last byte: the byte 0x5C may end a double-byte one.
std::string WithoutTrailingBackslash(const std::string& path) {
    return WithoutTrailingBackslash(path, SystemLeadBytes());
}

// Refills list with the entries of dir whose directory bit equals wantdirs.
void ListEntries(const std::string& dir, tstringlistex& list, bool wantdirs) {
    const std::string base = WithoutTrailingBackslash(dir);
    list.Clear();
    if (!DirExists(base)) return;
    WIN32_FIND_DATAA found;
    tfindhandle search((base + "\\*.*").c_str(), found);
    if (!search) return;
    do {
        const std::string name = found.cFileName;
        bool isdir = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != "." && name != ".." && isdir == wantdirs) list.Add(base + "\\" + name);
    } while (search.Next(found));
}

} // namespace

std::string DirPart(const std::string& path) { return DirPart(path, SystemLeadBytes()); }
std::string NamePart(const std::string& path) { return NamePart(path, SystemLeadBytes()); }
std::string DirPart(const std::string& path, unsigned int codepage) { return DirPart(path, LeadBytesOf(codepage)); }
std::string NamePart(const std::string& path, unsigned int codepage) { return NamePart(path, LeadBytesOf(codepage)); }

bool DirExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The attributes answer first: under Wine a file search costs some tens of times more than
// reading them, and the scan of add-ons asks once or twice per add-on. Only where the
// attributes cannot be read for another reason than a missing name (a file the system holds
// open, such as a page file, or no right to read its attributes) does the search decide.
bool FileExists(const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos) return false;
    // The search never finds a name with a trailing "\", not even an existing file's.
    if (WithoutTrailingBackslash(path).size() != path.size()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME) return false;
    WIN32_FIND_DATAA found;
    tfindhandle search(path.c_str(), found);
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void ForceDirs(const std::string& path) {
    const std::string dir = WithoutTrailingBackslash(path);
    if (dir.size() < 3 || DirExists(dir)) return;
    const std::string parent = DirPart(dir);
    if (parent == dir) return;
    ForceDirs(parent);
    // Its result is not looked at: a directory that cannot be made shows when it is used.
    CreateDirectoryA(dir.c_str(), nullptr);
}

void ListFiles(const std::string& dir, tstringlistex& list) { ListEntries(dir, list, false); }

void ListSubDirs(const std::string& dir, tstringlistex& list) { ListEntries(dir, list, true); }

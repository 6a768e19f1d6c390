// Real files for tests: a scratch directory that cleans up after itself, and byte-exact
// reading and writing. Paths are ANSI byte strings, as in the program.
#pragma once
#include <string>
#include <windows.h>

namespace testfiles {

// A fresh directory below the system's temporary directory, removed with everything in it
// when the object goes. path() ends in a backslash, like the program directory.
class TempDir {
public:
    TempDir();
    // A fresh directory below root (an existing directory, with or without a final backslash).
    explicit TempDir(const std::string& root);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

private:
    std::string path_;
    bool owned_ = false;
};

// Holds a file open without sharing it, as another program might, so that nobody can read or
// replace it meanwhile.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

// Writes exactly these bytes, creating missing parent directories.
void WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; fails the current test (and returns "") when it cannot be read.
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
void MakeDirs(const std::string& path);
// Removes a file or a directory tree, clearing read-only and hidden bits on the way.
void RemoveTree(const std::string& path);
// The directory of the running test program, ending in a backslash.
std::string ExeDir();
// Directory entries of a directory (names only, no "." or ".."), sorted.
std::string ListNames(const std::string& dir);

} // namespace testfiles

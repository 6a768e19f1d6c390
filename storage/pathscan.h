// Pieces of strings and paths. Portable: no Windows header here; which bytes lead a
// double-byte character is handed in as a table (paths.h fills it from the system).
#pragma once
#include <array>
#include <cstddef>
#include <string>

// lead[b] is true when the byte b is the first byte of a double-byte character.
struct tleadbytes {
    std::array<bool, 256> lead{};
};

// The first n bytes of s, or s itself when it is shorter.
std::string LeftStr(const std::string& s, std::size_t n);
// The last n bytes of s, or s itself when it is shorter.
std::string RightStr(const std::string& s, std::size_t n);

// The path up to and including its last "\" or ":", or "" when it has none. The second byte
// of a double-byte character never counts as either.
std::string DirPart(const std::string& path, const tleadbytes& leadbytes);
// The path without its one trailing "\", if it ends in one. A double-byte character whose
// second byte is the code of "\" is no trailing backslash.
std::string WithoutTrailingBackslash(const std::string& path, const tleadbytes& leadbytes);
// The bytes after the last "\" or ":" (the whole path when it has none), at most 255 of them.
std::string NamePart(const std::string& path, const tleadbytes& leadbytes);

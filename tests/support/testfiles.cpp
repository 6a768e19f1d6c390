#include "testfiles.h"

#include <algorithm>
#include <vector>
#include <gtest/gtest.h>

namespace testfiles {

namespace {

std::string SystemTempRoot() {
    char base[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof base, base);
    return (n > 0 && n < sizeof base) ? std::string(base, n) : std::string(".\\");
}

} // namespace

TempDir::TempDir() : TempDir(SystemTempRoot()) {}

TempDir::TempDir(const std::string& below) {
    std::string root = below;
    if (root.empty() || root.back() != '\\') root += '\\';
    static unsigned counter = 0;
    for (;;) {
        std::string candidate = root + "setuptest-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            owned_ = true;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create a temporary directory below " << root;
            path_ = root;
            return;
        }
    }
}

TempDir::~TempDir() {
    // Without a directory of its own the root stands in, and that is never removed.
    if (owned_) RemoveTree(path_.substr(0, path_.size() - 1));
}

void MakeDirs(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    size_t cut = path.find_last_of('\\');
    if (cut != std::string::npos) MakeDirs(path.substr(0, cut));
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << "cannot create " << path << " (" << GetLastError() << ")";
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path;
}

std::string ReadBytes(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot open " << path << " (" << GetLastError() << ")";
        return "";
    }
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), a & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA fd;
    HANDLE f = FindFirstFileA((path + "\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(f, &fd));
        FindClose(f);
    }
    RemoveDirectoryA(path.c_str());
}

std::string ExeDir() {
    char buffer[32768];
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, n);
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string ListNames(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE f = FindFirstFileA((dir + (dir.back() == '\\' ? "*" : "\\*")).c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(f, &fd));
        FindClose(f);
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const auto& n : names) joined += (joined.empty() ? "" : ",") + n;
    return joined;
}

} // namespace testfiles

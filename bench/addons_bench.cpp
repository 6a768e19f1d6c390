// How much the catalogue's scan costs over the least any scan must do. Creates 5,000 add-ons
// in a temporary program directory and times ScanAddons against a plain listing of the category
// directory plus reading each add-on's descript.txt (FindFirstFileA, CreateFileA, ReadFile).
// Prints the best of several runs of each and their ratio. A win64 program, run under Wine:
//   wine64 build-NAME/bin/addons_bench.exe [count]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

#include "addons.h"

namespace {

const int Runs = 7;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = dir + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

// The floor: list the sub-directories, then open and read each one's description file.
std::size_t ListAndRead(const std::string& categorydir) {
    std::size_t bytes = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((categorydir + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == ".." || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        HANDLE file = CreateFileA((categorydir + "\\" + name + "\\descript.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        char buffer[8192];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes += got;
        CloseHandle(file);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return bytes;
}

template <typename Work>
double Best(Work work) {
    double best = 1e30;
    for (int run = 0; run < Runs; ++run) {
        double start = Now();
        work();
        best = std::min(best, Now() - start);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 5000;
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    const std::string program = std::string(temp) + "addons-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(program.c_str(), nullptr);

    int status = 0;
    for (const taddoncategory& category : AddonCategories) {
        if (std::string(category.directory) != "plugin\\" && std::string(category.directory) != "ghost\\") continue;
        const std::string categorydir = program + category.directory;
        CreateDirectoryA(categorydir.c_str(), nullptr);
        for (int k = 0; k < count; ++k) {
            const std::string dir = categorydir + "addon" + std::to_string(k);
            CreateDirectoryA(dir.c_str(), nullptr);
            std::string text = "charset,Shift_JIS\r\ntype,x\r\nname," + std::string(1, static_cast<char>('A' + k % 58)) +
                               "ddon " + std::to_string(k) + "\r\ncraftman,someone\r\nhomeurl,http://example.invalid/\r\n";
            if (!WriteFileBytes(dir + "\\descript.txt", text)) {
                std::fprintf(stderr, "cannot write %s\\descript.txt\n", dir.c_str());
                status = 1;
            }
        }
        std::size_t entries = 0;
        std::size_t bytes = 0;
        const double floor = Best([&] { bytes = ListAndRead(categorydir); });
        const double scan = Best([&] { entries = ScanAddons(category, program).size(); });
        std::printf("%s: %zu add-ons (%zu description bytes); list+read %.1f ms, ScanAddons %.1f ms, ratio %.2f\n",
                    category.name, entries, bytes, floor * 1000, scan * 1000, scan / floor);
    }
    RemoveTree(program.substr(0, program.size() - 1));
    return status;
}

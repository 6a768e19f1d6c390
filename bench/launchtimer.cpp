// launchtimer PROGRAM [RUNS]: starts PROGRAM (in the current directory) RUNS times and prints,
// per run, the milliseconds from process start until its first window is visible and the peak
// working set in kilobytes at that moment, then closes the program. Used by bench/run.sh.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>
#include <psapi.h>

namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: launchtimer PROGRAM [RUNS]\n");
        return 2;
    }
    int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        std::string command = argv[1];
        LARGE_INTEGER start, now;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            std::fprintf(stderr, "cannot start %s (%lu)\n", argv[1], GetLastError());
            return 1;
        }
        Search search = {pi.dwProcessId, nullptr};
        for (int i = 0; i < 30000 && !search.found; ++i) {
            EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(1);
        }
        QueryPerformanceCounter(&now);
        double ms = 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
        Sleep(300);  // let it finish painting before the memory is read
        PROCESS_MEMORY_COUNTERS pmc = {};
        pmc.cb = sizeof pmc;
        GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
        std::printf("%.1f %llu\n", search.found ? ms : -1.0,
                    static_cast<unsigned long long>(pmc.PeakWorkingSetSize / 1024));
        std::fflush(stdout);
        if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    return 0;
}

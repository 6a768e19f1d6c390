// The library's entry point: keeps its module handle (for its window class) and, in the test
// build, records when the library is mapped and unmapped.
#include "calllog.h"

HINSTANCE thisinstance = nullptr;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisinstance = instance;
        DisableThreadLibraryCalls(instance);
        LogCall("attach");
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // reserved is null for FreeLibrary and non-null when the process ends.
        LogCall("detach");
    }
    return TRUE;
}

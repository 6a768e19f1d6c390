#include "testwindows.h"

namespace testwindows {

std::string WindowText(HWND window) {
    char text[4096];
    int n = GetWindowTextA(window, text, sizeof text);
    return std::string(text, n > 0 ? n : 0);
}

std::string ClassOf(HWND window) {
    char name[256];
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string MessageBoxText(HWND box) {
    std::string message;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM param) -> BOOL {
            if (ClassOf(child) == "Static") *reinterpret_cast<std::string*>(param) += WindowText(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&message));
    return message;
}

} // namespace testwindows

#include "errorbox.h"

#include <windows.h>

namespace ui {

const char* const kFallbackErrorText = "An unexpected error occurred.";

namespace {

int openboxes = 0;

// The box's title: the program's file name without its extension.
std::string ProgramTitle() {
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    name.erase(0, name.find_last_of("\\/") + 1);   // npos + 1 == 0: no directory part
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

} // namespace

bool ErrorBoxOpen() noexcept { return openboxes > 0; }

void ShowErrorBox(const std::string& message) noexcept {
    std::string title;
    try {
        title = ProgramTitle();
    } catch (...) {
        // Out of memory for the title: the box goes without one.
    }
    // The active window is the form the user works in (nullptr before any form shows).
    ++openboxes;
    MessageBoxA(GetActiveWindow(), message.empty() ? kFallbackErrorText : message.c_str(),
                title.c_str(), MB_OK | MB_ICONERROR);
    --openboxes;
}

} // namespace ui

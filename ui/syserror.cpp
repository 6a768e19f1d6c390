#include "syserror.h"

#include <windows.h>

namespace ui {

std::string SystemReason(unsigned long code) {
    char* text = nullptr;
    // FORMAT_MESSAGE_ALLOCATE_BUFFER: the system allocates text, which LocalFree releases.
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason(text ? text : "", text ? length : 0);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
        reason.pop_back();
    return (reason.empty() ? "" : reason + " ") + "(" + std::to_string(code) + ")";
}

} // namespace ui

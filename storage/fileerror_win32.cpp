#include "fileerror_win32.h"

#include <windows.h>

std::string SystemReason(unsigned long code) {
    char* text = nullptr;
    // FORMAT_MESSAGE_ALLOCATE_BUFFER: the system allocates the text with LocalAlloc and the
    // caller frees it with LocalFree; the return value is its length, 0 on failure.
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = (length > 0 && text) ? std::string(text, length) : std::string();
    if (text) LocalFree(text);
    std::size_t end = reason.find_last_not_of("\r\n ");
    reason.erase(end == std::string::npos ? 0 : end + 1);
    return reason.empty() ? std::string("unknown error") : reason;
}

FileError MakeFileError(const std::string& action, const std::string& path, unsigned long code) {
    const std::string subject = path.empty() ? action : action + " \"" + path + "\"";
    return FileError(subject + ": " + SystemReason(code) + " (" + std::to_string(code) + ")", path, code);
}

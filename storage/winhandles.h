// Owners of the kernel handles the store opens. Win32 layer; not copyable.
#pragma once
#include <windows.h>

// A file handle from CreateFileA, closed with CloseHandle.
class tfilehandle {
public:
    explicit tfilehandle(HANDLE handle) : handle_(handle) {}
    ~tfilehandle() { Close(); }
    tfilehandle(const tfilehandle&) = delete;
    tfilehandle& operator=(const tfilehandle&) = delete;

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes now; false (reason in GetLastError) when CloseHandle fails.
    bool Close() {
        HANDLE h = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return h == INVALID_HANDLE_VALUE || CloseHandle(h) != 0;
    }

private:
    HANDLE handle_;
};

// A directory search from FindFirstFileA, ended with FindClose (not CloseHandle).
class tfindhandle {
public:
    tfindhandle(const char* pattern, WIN32_FIND_DATAA& found) : handle_(FindFirstFileA(pattern, &found)) {}
    ~tfindhandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    tfindhandle(const tfindhandle&) = delete;
    tfindhandle& operator=(const tfindhandle&) = delete;

    // False when nothing matched (or the search could not start).
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    // FindNextFileA: false when no further entry is found.
    bool Next(WIN32_FIND_DATAA& found) { return FindNextFileA(handle_, &found) != 0; }

private:
    HANDLE handle_;
};

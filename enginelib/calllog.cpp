#include "calllog.h"

#ifdef TORVEN_CALL_LOG
#include <cstdarg>
#include <cstdio>
#include <cstring>

void LogCall(const char* format, ...) {
    char path[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("TORVEN_CALL_LOG_FILE", path, sizeof path);
    if (n == 0 || n >= sizeof path) return;

    char self[MAX_PATH] = "";
    GetModuleFileNameA(thisinstance, self, sizeof self);
    const char* name = strrchr(self, '\\') ? strrchr(self, '\\') + 1 : self;

    char line[512];
    int used = snprintf(line, sizeof line, "%s ", name);
    va_list args;
    va_start(args, format);
    vsnprintf(line + used, sizeof line - used, format, args);
    va_end(args);
    strncat(line, "\n", sizeof line - strlen(line) - 1);

    // Opened and closed on every line: the log outlives every load and unload of the library.
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(strlen(line)), &written, nullptr);
    CloseHandle(file);
}
#endif

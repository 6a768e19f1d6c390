// The call log of the engine built for the tests (TORVEN_CALL_LOG): each call of an export, and
// each load and unload of the library, appends one line "<file name of this library> <text>" to
// the file named by the environment variable TORVEN_CALL_LOG_FILE. The shipped libraries log
// nothing: there LogCall compiles to nothing.
#pragma once
#include <windows.h>

// The library's own module handle, kept at load time.
extern HINSTANCE thisinstance;

#ifdef TORVEN_CALL_LOG
void LogCall(const char* format, ...);
#else
inline void LogCall(const char*, ...) {}
#endif

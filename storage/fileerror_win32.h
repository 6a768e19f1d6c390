// The one place where a file error's message is built. Win32 layer.
#pragma once
#include <string>

#include "errors.h"

// The system's own text for an error code (FormatMessageA), without its trailing line end and
// spaces; "unknown error" when the system has none.
std::string SystemReason(unsigned long code);

// A FileError whose message says what failed, on which file, and why:
//   cannot write "C:\app\profile\zelloc.txt": Access is denied. (5)
// action is the failed step in words ("cannot open", "cannot write", ...); with an empty path
// the quoted name is left out.
FileError MakeFileError(const std::string& action, const std::string& path, unsigned long code);

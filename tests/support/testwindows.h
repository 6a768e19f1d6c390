// Reading windows for tests, of this process or another: their texts, classes, and what a
// message box says.
#pragma once
#include <string>
#include <windows.h>

namespace testwindows {

std::string WindowText(HWND window);
std::string ClassOf(HWND window);
// A message box's message: the texts of its static controls (its icon's is empty).
std::string MessageBoxText(HWND box);

} // namespace testwindows

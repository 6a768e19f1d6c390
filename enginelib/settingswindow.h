// The library's own settings window. It offers nothing to change: it names the edition, its
// version and the drawing mode that the program handed over.
#pragma once
#include <windows.h>

// Shows the window owned by owner (which may be null), modal to it: the owner is disabled until
// the window closes. Returns once it is closed (Close, Enter, Esc or WM_CLOSE).
void ShowSettingsWindow(HWND owner, bool layered);

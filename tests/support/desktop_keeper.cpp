// Keeps Wine's desktop up for a whole test run. Wine ends the desktop process (explorer.exe
// /desktop) shortly after the last program that uses it has gone, and the next program starts a
// new one; when two test programs start it at once, both may wait many seconds for it. This
// program uses the desktop with a hidden window and waits until the Wine session is ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowclass{};
    windowclass.lpfnWndProc = DefWindowProcA;
    windowclass.hInstance = instance;
    windowclass.lpszClassName = "desktopkeeper";
    if (!RegisterClassA(&windowclass)) return 1;
    if (!CreateWindowExA(0, windowclass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr, instance,
                         nullptr))
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

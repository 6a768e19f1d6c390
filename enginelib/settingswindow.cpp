#include "settingswindow.h"

#include <string>

#include "calllog.h"

#ifndef TORVEN_EDITION
#error "TORVEN_EDITION names the edition this library is built as"
#endif

namespace {

const char ClassName[] = "TorvenSettingsWindow";
const char Version[] = "1.0.0";
const int ClientWidth = 260;
const int ClientHeight = 124;

struct Control {
    const char* windowclass;
    DWORD style;
    int id;
    int left, top, width, height;
};

enum Line { EditionLine, VersionLine, ModeLine, NoteLine, CloseButton, ControlCount };

// In the order of the Line values; the texts are filled in when the window opens.
const Control Controls[ControlCount] = {
    {"STATIC", SS_LEFT, -1, 16, 14, 228, 16},
    {"STATIC", SS_LEFT, -1, 16, 32, 228, 16},
    {"STATIC", SS_LEFT, -1, 16, 50, 228, 16},
    {"STATIC", SS_LEFT, -1, 16, 68, 228, 16},
    {"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 170, 90, 75, 25},
};

void CloseSettings(HWND window) {
    // The owner first, or the system activates some other program's window meanwhile.
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(window);
}

LRESULT CALLBACK SettingsProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) CloseSettings(window);
        return 0;
    case WM_CLOSE:
        CloseSettings(window);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND CreateSettingsWindow(HWND owner, bool layered) {
    const std::string texts[ControlCount] = {
        std::string("Edition: ") + TORVEN_EDITION,
        std::string("Version: ") + Version,
        std::string("Drawing mode: ") + (layered ? "ULW" : "region (Legacy)"),
        "This engine has no settings to change.",
        "Close",
    };
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD exstyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame = {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exstyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;

    // Centred over the owner, or over the screen without one.
    RECT area;
    if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;

    std::string title = std::string(TORVEN_EDITION) + " engine settings";
    HWND window = CreateWindowExA(exstyle, ClassName, title.c_str(), style, left, top, width, height, owner,
                                  nullptr, thisinstance, nullptr);
    if (!window) return nullptr;
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    for (int i = 0; i < ControlCount; ++i) {
        const Control& c = Controls[i];
        HWND control = CreateWindowExA(0, c.windowclass, texts[i].c_str(), WS_CHILD | WS_VISIBLE | c.style, c.left,
                                       c.top, c.width, c.height, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), thisinstance, nullptr);
        if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return window;
}

} // namespace

void ShowSettingsWindow(HWND owner, bool layered) {
    WNDCLASSA windowclass = {};
    windowclass.lpfnWndProc = SettingsProc;
    windowclass.hInstance = thisinstance;
    windowclass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowclass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowclass.lpszClassName = ClassName;
    // A class registered by a library stays registered after the library is freed, pointing at
    // code that is gone: it is registered for this one window and unregistered after it.
    bool registered = RegisterClassA(&windowclass) != 0;

    HWND window = CreateSettingsWindow(owner, layered);
    if (window) {
        if (owner) EnableWindow(owner, FALSE);
        ShowWindow(window, SW_SHOW);
        // The window's own message loop: it runs until the window is gone. A WM_QUIT that
        // arrives meanwhile ends it too and is posted again for the caller's loop.
        MSG message;
        bool quit = false;
        WPARAM quitcode = 0;
        while (IsWindow(window)) {
            if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
                quit = true;
                quitcode = message.wParam;
                break;
            }
            if (!IsDialogMessageA(window, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        if (IsWindow(window)) CloseSettings(window);
        if (owner) {
            EnableWindow(owner, TRUE);
            SetActiveWindow(owner);
        }
        if (quit) PostQuitMessage(static_cast<int>(quitcode));
    }
    if (registered) UnregisterClassA(ClassName, thisinstance);
    LogCall("configure closed");
}

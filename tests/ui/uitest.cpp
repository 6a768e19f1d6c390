#include "uitest.h"

namespace uitest {

namespace {

const char* const kFruits[] = {"pear", "apple", "fig", nullptr};
const char* const kColours[] = {"red", "green", nullptr};

using ui::Kind;
const ui::ComponentDesc kControls[] = {
    // kind          name           left top  w    h   caption   items     tab flags                 itemheight
    {Kind::Label,    "hiddenlabel",  10, 240, 60, 14, "HIDDEN",  nullptr,  -1, ui::Invisible,          0},
    {Kind::ComboBox, "fruitcbox",   152,  14, 257, 22, nullptr,  kFruits,   0, 0,                      14},
    {Kind::Button,   "okbutton",    336, 264, 75, 25, "OK",      nullptr,   3, ui::DefaultButton,      0},
    {Kind::Bevel,    "flatbevel",   100, 100, 50,  2, nullptr,   nullptr,  -1, ui::BevelLowered,       0},
    {Kind::ComboBox, "colourcbox",  152,  46, 257, 22, nullptr,  kColours,  2, 0,                      14},
    {Kind::Label,    "shownlabel",   10, 270, 60, 14, "SHOWN",   nullptr,  -1, 0,                      0},
    {Kind::Button,   "applybutton", 335,  80, 75, 25, "apply",   nullptr,   1, 0,                      0},
    {Kind::Bevel,    "tallbevel",   200, 100,  2, 18, nullptr,   nullptr,  -1, ui::BevelLowered,       0},
    {Kind::Button,   "cancelbutton",250, 264, 75, 25, "cancel",  nullptr,   4, ui::CancelButton,       0},
    {Kind::ComboBox, "lockedcbox",  152, 118, 257, 22, nullptr,  kColours,  5, ui::Disabled,           14},
};

const ui::ComponentDesc kMenuComponents[] = {
    {Kind::Button,   "okbutton",    335, 245, 75, 25, "OK",        nullptr, 0, ui::DefaultButton | ui::CancelButton, 0},
    {Kind::MenuRoot, "hiddenroot",    0,   0,  0,  0, "Hidden(&H)", nullptr, -1, ui::Invisible, 0},
    {Kind::MenuRoot, "fullroot",      0,   0,  0,  0, "Full(&F)",   nullptr, -1, 0, 0},
    {Kind::MenuRoot, "plainroot",     0,   0,  0,  0, "Plain(&P)",  nullptr, -1, 0, 0},
};

} // namespace

const ui::FormDesc kControlForm = {425, 303, L"Arial", -11, false, kControls, std::size(kControls)};
// The face name of MS P Gothic, in full-width letters and katakana.
const ui::FormDesc kMenuForm = {425, 285, L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF", -12, true,
                                kMenuComponents, std::size(kMenuComponents)};

void ShowForm(ui::Application& app, ui::Form& form) {
    ShowWindow(form.Handle(), SW_SHOW);
    SetForegroundWindow(form.Handle());
    SetActiveWindow(form.Handle());
    app.ProcessMessages();
}

void PressKey(ui::Application& app, UINT key) {
    HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    app.ProcessMessages();
}

RECT ClientRectOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Picture::Picture(HWND form) {
    RECT client;
    GetClientRect(form, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;   // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(form, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const unsigned* p = static_cast<const unsigned*>(bits);
    pixels_.assign(p, p + width_ * height_);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Picture::At(int x, int y) const {
    unsigned p = pixels_.at(static_cast<size_t>(y) * width_ + x);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Picture::Count(COLORREF color, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += At(x, y) == color;
    return n;
}

namespace {
BoxCatcher* catcher = nullptr;

} // namespace

BoxCatcher::BoxCatcher() {
    catcher = this;
    timer_ = SetTimer(nullptr, 0, 20, Tick);
}

BoxCatcher::~BoxCatcher() {
    KillTimer(nullptr, timer_);
    catcher = nullptr;
}

void CALLBACK BoxCatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
}

BOOL CALLBACK BoxCatcher::Visit(HWND window, LPARAM) {
    // "#32770" is the dialog class that message boxes use.
    if (!catcher || ClassOf(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
    ShownBox box;
    box.text = testwindows::MessageBoxText(window);
    box.title = WindowText(window);
    box.owner = GetWindow(window, GW_OWNER);
    catcher->boxes_.push_back(box);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    ShowWindow(window, SW_HIDE);   // seen once, even if the next tick comes first
    return TRUE;
}


} // namespace uitest

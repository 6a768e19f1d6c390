#include "enginetestkit.h"

#include <algorithm>
#include <map>
#include <gtest/gtest.h>

#include "testfiles.h"

namespace enginetest {

namespace {
const int CanvasWidth = 425;
const int CanvasHeight = 304;
const unsigned FillColour = 0xFF00FF; // magenta: not in the picture's palette
} // namespace

CallLog::CallLog(const std::string& path) : path_(path) {
    DeleteFileA(path_.c_str());
    SetEnvironmentVariableA("TORVEN_CALL_LOG_FILE", path_.c_str());
}

CallLog::~CallLog() { SetEnvironmentVariableA("TORVEN_CALL_LOG_FILE", nullptr); }

std::vector<std::string> CallLog::Lines() const {
    std::vector<std::string> lines = AllLines();
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(cleared_, lines.size())));
    return lines;
}

std::vector<std::string> CallLog::AllLines() const {
    std::vector<std::string> lines;
    if (!testfiles::FileExists(path_)) return lines;
    std::string text = testfiles::ReadBytes(path_);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

void CallLog::Clear() { cleared_ = AllLines().size(); }

std::vector<std::string> CallsOutsideLoadedLibraries(const std::vector<std::string>& lines) {
    std::map<std::string, bool> loaded;
    std::vector<std::string> outside;
    for (const std::string& line : lines) {
        size_t space = line.find(' ');
        std::string library = line.substr(0, space);
        std::string call = space == std::string::npos ? "" : line.substr(space + 1);
        if (call == "attach") {
            loaded[library] = true;
        } else if (call == "detach") {
            loaded[library] = false;
        } else if (!loaded[library]) {
            outside.push_back(line);
        }
    }
    return outside;
}

Canvas::Canvas() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = CanvasWidth;
    info.bmiHeader.biHeight = -CanvasHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<unsigned*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < CanvasWidth * CanvasHeight; ++i) bits_[i] = FillColour;
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

unsigned Canvas::Pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * CanvasWidth + x] & 0xFFFFFF;
}

int Canvas::Unpainted() const {
    GdiFlush();
    int count = 0;
    for (int i = 0; i < CanvasWidth * CanvasHeight; ++i) count += (bits_[i] & 0xFFFFFF) == FillColour;
    return count;
}

const PictureSample PictureSamples[] = {
    {5, 5, 0xE4EDF5},     {75, 150, 0xF5F3F2},  {140, 290, 0xDAE4DE}, {200, 290, 0x4E7A66},
    {300, 250, 0xABADCD}, {420, 10, 0x96B8DA},  {260, 215, 0xFFF4D6}, {400, 300, 0x578368},
};
const int PictureSampleCount = sizeof PictureSamples / sizeof PictureSamples[0];

void ExpectPicture(const Canvas& canvas, int line) {
    for (const PictureSample& s : PictureSamples) {
        EXPECT_EQ(canvas.Pixel(s.x, s.y), s.rgb) << "pixel " << s.x << "," << s.y << " (called from line " << line << ")";
    }
    EXPECT_EQ(canvas.Unpainted(), 0) << "called from line " << line;
}

OwnerWindow::OwnerWindow()
    : handle_(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 425, 330, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr)) {}

OwnerWindow::~OwnerWindow() {
    if (handle_) DestroyWindow(handle_);
}

namespace {

CloseBy closeway = CloseBy::Button;
SettingsWindowSeen lastseen;
int ticks = 0;

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM collected) {
    *reinterpret_cast<std::string*>(collected) += WindowText(child) + "\n";
    return TRUE;
}

VOID CALLBACK CloseWhenShown(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = FindWindowA("TorvenSettingsWindow", nullptr);
    if (!window || !IsWindowVisible(window)) return;
    if (++ticks > 20) {
        // The chosen way did not close it: end the test's wait, the checks after it fail.
        DestroyWindow(window);
        return;
    }
    if (!lastseen.seen) {
        lastseen.seen = true;
        lastseen.owner = GetWindow(window, GW_OWNER);
        lastseen.ownerenabled = lastseen.owner && IsWindowEnabled(lastseen.owner);
        lastseen.texts = WindowText(window) + "\n";
        EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&lastseen.texts));
    }
    switch (closeway) {
    case CloseBy::Button:
        SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
        break;
    case CloseBy::CloseMessage:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case CloseBy::EscapeKey:
        PostMessageA(GetDlgItem(window, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    }
}

} // namespace

SettingsWindowCloser::SettingsWindowCloser(CloseBy way) {
    closeway = way;
    lastseen = SettingsWindowSeen();
    ticks = 0;
    timer_ = SetTimer(nullptr, 0, 50, CloseWhenShown);
}

SettingsWindowCloser::~SettingsWindowCloser() { KillTimer(nullptr, timer_); }

const SettingsWindowSeen& SettingsWindowCloser::seen() const { return lastseen; }

void CopyBuiltFile(const std::string& builtname, const std::string& target) {
    ASSERT_TRUE(CopyFileA((testfiles::ExeDir() + builtname).c_str(), target.c_str(), FALSE))
        << "cannot copy " << builtname << " to " << target << " (" << GetLastError() << ")";
}

} // namespace enginetest

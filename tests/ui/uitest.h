// Shared pieces of the form layer's tests: two small form tables, a fixture with an
// application, and helpers that drive real windows by messages and read what they painted.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
#include "application.h"
#include "testwindows.h"

namespace uitest {

// Controls in table order differ from their tab order, and the items are not sorted.
extern const ui::FormDesc kControlForm;
// A form with a menu: a hidden root, a root that gets items, a root without items.
extern const ui::FormDesc kMenuForm;

class UiTest : public ::testing::Test {
protected:
    ui::Application app;
};

// Shows a form and makes it the active window, as a user would see it.
void ShowForm(ui::Application& app, ui::Form& form);
// Posts a key press to the focused window and lets the application's loop handle it.
void PressKey(ui::Application& app, UINT key);
// The control's rectangle in its form's client coordinates.
RECT ClientRectOf(HWND control);

// The form's client area as painted through WM_PRINTCLIENT into a memory DC.
class Picture {
public:
    explicit Picture(HWND form);
    COLORREF At(int x, int y) const;
    // Pixels of the colour within [left, right) x [top, bottom).
    int Count(COLORREF color, int left, int top, int right, int bottom) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0, height_ = 0;
    std::vector<unsigned> pixels_;
};

// Closes every message box of this thread that appears, from a timer callback, and records
// its text and title. Box text is that of its static text control.
struct ShownBox {
    std::string text, title;
    HWND owner;
};
class BoxCatcher {
public:
    BoxCatcher();
    ~BoxCatcher();
    BoxCatcher(const BoxCatcher&) = delete;
    BoxCatcher& operator=(const BoxCatcher&) = delete;
    const std::vector<ShownBox>& Boxes() const { return boxes_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Visit(HWND window, LPARAM);
    UINT_PTR timer_;
    std::vector<ShownBox> boxes_;
};

using testwindows::ClassOf;
using testwindows::WindowText;

} // namespace uitest

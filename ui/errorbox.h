// The standard error message box, and the barrier that keeps C++ exceptions out of Win32
// frames: whatever leaves an event handler is shown in the box, the rest of that handler is
// skipped and the program goes on.
#pragma once
#include <exception>
#include <string>

namespace ui {

// Shows message in a message box with the error icon, owned by the active form. An empty
// message (some errors carry none) is shown as a plain fallback text. Never throws.
void ShowErrorBox(const std::string& message) noexcept;

// True while an error box is on screen (paint errors are not shown twice over).
bool ErrorBoxOpen() noexcept;

// The text the box shows for an empty message.
extern const char* const kFallbackErrorText;

// Runs handler; an exception that leaves it is shown in the error box.
template <class Handler>
void Guard(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("");
    }
}

} // namespace ui

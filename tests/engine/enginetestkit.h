// Helpers for the engine tests: the test engine's call log, a canvas to paint the picture into,
// a window to own the settings window, and a timer that closes that window from inside its
// modal loop.
#pragma once
#include <string>
#include <vector>
#include <windows.h>

namespace enginetest {

// Points the test engine's log (TORVEN_CALL_LOG_FILE) at this file for the object's lifetime.
class CallLog {
public:
    explicit CallLog(const std::string& path);
    ~CallLog();
    CallLog(const CallLog&) = delete;
    CallLog& operator=(const CallLog&) = delete;

    // The lines logged since the last Clear, without their line ends.
    std::vector<std::string> Lines() const;
    // Every line logged since the object was made.
    std::vector<std::string> AllLines() const;
    void Clear();

private:
    std::string path_;
    size_t cleared_ = 0;
};

// Lines that name a call while that library was not loaded (between its "detach" and its next
// "attach"); empty when every call went into a loaded library.
std::vector<std::string> CallsOutsideLoadedLibraries(const std::vector<std::string>& lines);

// A 425 x 304 32-bit memory canvas, first filled with a colour the picture does not have.
class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    // 0xRRGGBB.
    unsigned Pixel(int x, int y) const;
    // Pixels that still hold the fill colour.
    int Unpainted() const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    unsigned* bits_ = nullptr;
};

// A few pixels of resources/picture.png, as make_picture.py --samples prints them.
struct PictureSample {
    int x, y;
    unsigned rgb;
};
extern const PictureSample PictureSamples[];
extern const int PictureSampleCount;
// Checks the canvas against the samples and that nothing is left unpainted.
void ExpectPicture(const Canvas& canvas, int line);

// A visible top-level window, the owner for the settings window.
class OwnerWindow {
public:
    OwnerWindow();
    ~OwnerWindow();
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND handle() const { return handle_; }

private:
    HWND handle_;
};

enum class CloseBy { Button, CloseMessage, EscapeKey };

// What the timer saw of the engine's settings window before it closed it.
struct SettingsWindowSeen {
    bool seen = false;
    HWND owner = nullptr;
    bool ownerenabled = true;
    std::string texts; // the title and the child windows' texts, one per line
};

// Closes the engine's settings window, once it shows, from a timer that runs inside the
// window's own message loop. Stops the timer when it goes.
class SettingsWindowCloser {
public:
    explicit SettingsWindowCloser(CloseBy way);
    ~SettingsWindowCloser();
    SettingsWindowCloser(const SettingsWindowCloser&) = delete;
    SettingsWindowCloser& operator=(const SettingsWindowCloser&) = delete;
    const SettingsWindowSeen& seen() const;

private:
    UINT_PTR timer_;
};

// Copies a file built beside the test programs into a directory, under a name of its choosing.
void CopyBuiltFile(const std::string& builtname, const std::string& target);

} // namespace enginetest

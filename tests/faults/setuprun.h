// The real program in a process of its own, driven from outside as a user would drive it: it
// finds the program's windows, reads and answers its error boxes and presses its buttons.
#pragma once
#include <set>
#include <string>
#include <vector>
#include <windows.h>

namespace faults {

// Copies setup.exe and both engine libraries from beside the test program into programdir.
void InstallProgram(const std::string& programdir);

// The system's text for an error code, as the program's error messages quote it.
std::string SystemReason(DWORD code);

class SetupRun {
public:
    // Starts programdir\setup.exe with programdir as its current directory.
    explicit SetupRun(const std::string& programdir);
    // A run still going when the test ends has failed it already; it is ended by force.
    ~SetupRun();
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;

    // The setup dialog once it is visible; null (and a test failure) when it never shows.
    // Error boxes that come first are answered and recorded.
    HWND WaitForDialog();
    // The program's visible forms once there are count of them, in the system's window order;
    // empty (and a test failure) when they never show.
    std::vector<HWND> WaitForForms(std::size_t count);
    // Presses the nth of the dialog's buttons with this caption (in the order of its
    // controls), as a click does.
    void PressButton(HWND dialog, const char* caption, int nth = 0);
    // Waits for the program to end, answering error boxes, and gives its exit code.
    DWORD WaitForExit();

    // The text of every error box answered so far, in order.
    const std::vector<std::string>& Boxes() const { return boxes_; }

private:
    // Polls until done() or the time is up; answers error boxes meanwhile.
    template <class Done>
    bool WaitUntil(Done done);
    void AnswerBoxes();

    PROCESS_INFORMATION process_{};
    std::vector<std::string> boxes_;
    std::set<HWND> answered_;
};

} // namespace faults

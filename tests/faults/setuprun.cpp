#include "setuprun.h"

#include <gtest/gtest.h>

#include "testfiles.h"
#include "testwindows.h"

namespace faults {

using testwindows::ClassOf;
using testwindows::MessageBoxText;
using testwindows::WindowText;

namespace {

// Long enough for a 50 MB settings file to be read and written under Wine.
const DWORD kPatienceMs = 120000;
const DWORD kPollMs = 20;

// The visible top-level windows of a process, of one class.
std::vector<HWND> WindowsOf(DWORD process, const std::string& classname) {
    struct Search {
        DWORD process;
        const std::string& classname;
        std::vector<HWND> found;
    } search{process, classname, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.process && IsWindowVisible(window) && ClassOf(window) == s.classname)
                s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildButton(HWND dialog, const char* caption, int nth) {
    struct Search {
        const char* caption;
        int skip;
        HWND found;
    } search{caption, nth, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (ClassOf(child) == "Button" && WindowText(child) == s.caption && s.skip-- == 0) s.found = child;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CopyBesideTests(const char* name, const std::string& programdir) {
    const std::string from = testfiles::ExeDir() + name;
    ASSERT_TRUE(CopyFileA(from.c_str(), (programdir + name).c_str(), FALSE))
        << "cannot copy " << from << " (" << GetLastError() << ")";
}

} // namespace

void InstallProgram(const std::string& programdir) {
    for (const char* name : {"setup.exe", "torven_v.dll", "torven_l.dll"}) CopyBesideTests(name, programdir);
}

std::string SystemReason(DWORD code) {
    char text[1024];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    std::string reason(text, n);
    reason.erase(reason.find_last_not_of("\r\n ") + 1);
    return reason;
}

SetupRun::SetupRun(const std::string& programdir) {
    const std::string exe = programdir + "setup.exe";
    std::string commandline = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandline[0], nullptr, nullptr, FALSE, 0, nullptr, programdir.c_str(),
                        &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << exe << " (" << GetLastError() << ")";
        process_ = PROCESS_INFORMATION{};
    }
}

SetupRun::~SetupRun() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 255);
        WaitForSingleObject(process_.hProcess, kPatienceMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

template <class Done>
bool SetupRun::WaitUntil(Done done) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        AnswerBoxes();
        if (done()) return true;
        Sleep(kPollMs);
    }
    return false;
}

void SetupRun::AnswerBoxes() {
    if (!process_.hProcess) return;
    for (HWND box : WindowsOf(process_.dwProcessId, "#32770")) {
        if (!answered_.insert(box).second) continue;
        boxes_.push_back(MessageBoxText(box));
        // The box's only button is OK; its command ends the box as a click would.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

HWND SetupRun::WaitForDialog() {
    std::vector<HWND> forms = WaitForForms(1);
    return forms.empty() ? nullptr : forms.front();
}

std::vector<HWND> SetupRun::WaitForForms(std::size_t count) {
    std::vector<HWND> forms;
    bool shown = WaitUntil([&] {
        forms = WindowsOf(process_.dwProcessId, "uiform");
        return forms.size() >= count || WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT;
    });
    if (!shown || forms.size() < count) {
        ADD_FAILURE() << "the program never showed " << count << " form(s)";
        forms.clear();
    }
    return forms;
}

void SetupRun::PressButton(HWND dialog, const char* caption, int nth) {
    HWND button = ChildButton(dialog, caption, nth);
    ASSERT_NE(button, nullptr) << "the dialog has no button " << caption << " #" << nth;
    PostMessageA(button, BM_CLICK, 0, 0);
}

DWORD SetupRun::WaitForExit() {
    if (!process_.hProcess) return 255;
    if (!WaitUntil([&] { return WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT; })) {
        ADD_FAILURE() << "the program did not end";
        return 255;
    }
    DWORD code = 255;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

} // namespace faults

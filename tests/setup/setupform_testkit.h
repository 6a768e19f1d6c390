// Shared pieces of the setup dialog's tests: a program directory of the test's own, the engine
// libraries from beside the test program, an application, and helpers to read what was painted.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "application.h"
#include "engine.h"
#include "probe.h"
#include "setupform.h"
#include "testfiles.h"
#include "uitest.h"

namespace setupformtest {

// Two language files: sorted, english.lcl is index 0 and japan.lcl (the default) index 1.
inline void WriteLanguages(const testfiles::TempDir& programdir) {
    testfiles::WriteBytes(programdir / "language\\english.lcl", "name,English\r\n");
    testfiles::WriteBytes(programdir / "language\\japan.lcl", "name,Japanese\r\n");
}

inline int Luma(COLORREF c) { return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000; }

// Pixels dark enough to be the labels' black text, within [left, right) x [top, bottom).
inline int DarkPixels(const uitest::Picture& picture, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += Luma(picture.At(x, y)) < 100;
    return n;
}

using testfiles::HeldFile;

class SetupFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProbeResultForTest(true, true);
        // The engine libraries lie beside the test program; the settings in the temp directory.
        InitEngineBinding(testfiles::ExeDir());
    }
    void TearDown() override { FinalEngineBinding(); }

    // Creates the dialog on the test's program directory and shows it, active.
    Tsetupform& Open() {
        app.CreateForm(setupform, programdir.path());
        uitest::ShowForm(app, *setupform);
        return *setupform;
    }
    // After the dialog has closed: the rest of the program's run, which destroys the forms
    // (the dialog saves on its way out).
    void Finish() {
        ASSERT_TRUE(app.Terminated()) << "the dialog did not close";
        app.Run();
    }
    void Click(ui::Button button) {
        PostMessageA(button.Handle(), BM_CLICK, 0, 0);
        app.ProcessMessages();
    }
    std::string Read(const char* relative) { return testfiles::ReadBytes(programdir / relative); }

    testfiles::TempDir programdir;
    ui::Application app;
};

} // namespace setupformtest

// The fixture of the call-log tests: the test engine with its call log, copied under both
// editions' file names into a program directory of the test's own, and the binding started on
// it. Every test ends by checking that no call went into a library that was not loaded.
#pragma once
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "engine.h"
#include "enginetestkit.h"
#include "probe.h"
#include "testfiles.h"

namespace enginetest {

class LoggedEngine : public ::testing::Test {
protected:
    void SetUp() override {
        CopyBuiltFile("torven_log.dll", programdir / "torven_l.dll");
        CopyBuiltFile("torven_log.dll", programdir / "torven_v.dll");
        SetProbeResultForTest(true, true);
        InitEngineBinding(programdir.path());
    }
    void TearDown() override {
        FinalEngineBinding();
        EXPECT_EQ(CallsOutsideLoadedLibraries(log.AllLines()), std::vector<std::string>());
    }
    testfiles::TempDir programdir;
    CallLog log{programdir / "calls.log"};
};

} // namespace enginetest

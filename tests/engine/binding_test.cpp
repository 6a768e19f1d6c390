// The binding against our stand-in engine libraries beside the test program, and against
// libraries that are missing, broken or export nothing.
#include <gtest/gtest.h>

#include "engine.h"
#include "engineexports.h"
#include "enginetestkit.h"
#include "probe.h"
#include "testfiles.h"

using namespace enginetest;

namespace {

const char* const ExportNames[] = {
#define ENGINE_EXPORT_NAME(entry, name, result, parameters) name,
    ENGINE_EXPORTS(ENGINE_EXPORT_NAME)
#undef ENGINE_EXPORT_NAME
};

int ResolvedCount() {
    int count = 0;
    for (const char* name : ExportNames) count += EngineExportResolved(name);
    return count;
}

class EngineBinding : public ::testing::Test {
protected:
    void SetUp() override {
        SetProbeResultForTest(true, true);
        InitEngineBinding(testfiles::ExeDir());
    }
    void TearDown() override { FinalEngineBinding(); }
};

TEST_F(EngineBinding, SurfaceIdsRunFrom8700To8799AndStartAgain) {
    EXPECT_EQ(NewSurfaceId(), 8700);
    EXPECT_EQ(NewSurfaceId(), 8701);
    EXPECT_EQ(NewSurfaceId(), 8702);
    for (int i = 3; i < 99; ++i) NewSurfaceId();
    EXPECT_EQ(NewSurfaceId(), 8799);
    EXPECT_EQ(NewSurfaceId(), 8700) << "the 101st id starts the cycle again";
    InitEngineBinding(testfiles::ExeDir());
    EXPECT_EQ(NewSurfaceId(), 8700) << "the module's start restarts the ids";
}

class EngineEditions : public EngineBinding, public ::testing::WithParamInterface<const char*> {};

TEST_P(EngineEditions, ResolvesAllExportsAndEmptiesThemOnUnload) {
    EXPECT_EQ(ResolvedCount(), 0);
    LoadEngine(GetParam());
    ASSERT_TRUE(EngineLoaded());
    for (const char* name : ExportNames) EXPECT_TRUE(EngineExportResolved(name)) << name;
    EXPECT_EQ(ResolvedCount(), 38);
    UnloadEngine();
    EXPECT_FALSE(EngineLoaded());
    EXPECT_EQ(ResolvedCount(), 0);
}

TEST_P(EngineEditions, PaintsThePictureUntilUnloaded) {
    LoadEngine(GetParam());
    int id = NewSurfaceId();
    LoadPngResource(id, 101, "PNG", false, false);
    Canvas canvas;
    ASSERT_TRUE(PaintEngineSurface(canvas.dc(), id));
    ExpectPicture(canvas, __LINE__);

    Canvas other;
    EXPECT_FALSE(PaintEngineSurface(other.dc(), id + 1)) << "an id without a surface has no picture";
    UnloadEngine();
    EXPECT_FALSE(PaintEngineSurface(other.dc(), id));
    EXPECT_EQ(other.Unpainted(), 425 * 304);
}

INSTANTIATE_TEST_SUITE_P(Stand_ins, EngineEditions, ::testing::Values("torven_v.dll", "torven_l.dll"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 8);
                         });

TEST_F(EngineBinding, WithoutAProgramDirectoryNothingIsLoaded) {
    // The file is right there in the current directory and beside the program; without a program
    // directory the binding has no full path and must not fall back on the system's search.
    InitEngineBinding("");
    LoadEngine("torven_l.dll");
    EXPECT_FALSE(EngineLoaded());
}

struct BrokenCase {
    const char* name;
    const char* file;      // as LoadEngine is given it
    const char* builtfrom; // copied from the test program's directory; null: written bytes
    const char* bytes;     // when not copied; null: the file does not exist
    bool loads;
};

const BrokenCase BrokenCases[] = {
    {"missing_file", "torven_x.dll", nullptr, nullptr, false},
    {"not_a_library", "torven_x.dll", nullptr, "This is a text file, not a library.\r\n", false},
    {"empty_file", "torven_x.dll", nullptr, "", false},
    {"no_exports", "torven_x.dll", "engine_noexports.dll", nullptr, true},
};

class EngineBroken : public ::testing::TestWithParam<BrokenCase> {
protected:
    void SetUp() override {
        const BrokenCase& c = GetParam();
        if (c.builtfrom) CopyBuiltFile(c.builtfrom, programdir / c.file);
        if (c.bytes) testfiles::WriteBytes(programdir / c.file, c.bytes);
        SetProbeResultForTest(true, false);
        InitEngineBinding(programdir.path());
    }
    void TearDown() override { FinalEngineBinding(); }
    testfiles::TempDir programdir;
};

TEST_P(EngineBroken, StaysSilentAndPaintsNothing) {
    const BrokenCase& c = GetParam();
    LoadEngine(c.file);
    EXPECT_EQ(EngineLoaded(), c.loads);
    EXPECT_EQ(ResolvedCount(), 0);
    LoadPngResource(8700, 101, "PNG", false, false);
    Canvas canvas;
    EXPECT_FALSE(PaintEngineSurface(canvas.dc(), 8700));
    EXPECT_EQ(canvas.Unpainted(), 425 * 304);
    ConfigureEdition(c.file, nullptr); // nothing to show: returns at once
    UnloadEngine();
    UnloadEngine();
    EXPECT_FALSE(EngineLoaded());
}

TEST_P(EngineBroken, AfterAWorkingLibraryLeavesNothingToCall) {
    const BrokenCase& c = GetParam();
    CopyBuiltFile("torven_l.dll", programdir / "torven_l.dll");
    LoadEngine("torven_l.dll");
    LoadPngResource(8700, 101, "PNG", false, false);
    ASSERT_EQ(ResolvedCount(), 38);
    LoadEngine(c.file);
    EXPECT_EQ(EngineLoaded(), c.loads);
    EXPECT_EQ(ResolvedCount(), 0) << "no entry may be left pointing into the earlier library";
    Canvas canvas;
    EXPECT_FALSE(PaintEngineSurface(canvas.dc(), 8700));
    UnloadEngine();
    EXPECT_FALSE(EngineLoaded());
}

INSTANTIATE_TEST_SUITE_P(Libraries, EngineBroken, ::testing::ValuesIn(BrokenCases),
                         [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

} // namespace

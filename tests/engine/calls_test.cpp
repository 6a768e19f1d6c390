// What the binding calls, in which order, read from the test engine's call log. The test engine
// is our stand-in built with its call log; it is copied into a program directory of the test's
// own under the editions' file names.
#include <gtest/gtest.h>

#include "engine.h"
#include "loggedengine.h"
#include "probe.h"

using namespace enginetest;
using Lines = std::vector<std::string>;

namespace {

// The picture's bytes as the engine must receive them: all of resources/picture.png, from its
// signature to the end of its IEND chunk.
const std::string PictureCall = "loadpngmemory 8700 " + std::to_string(PICTURE_BYTES) +
                                " 89504E470D0A1A0A 49454E44AE426082";

class EngineCalls : public LoggedEngine {};

class EngineModes : public EngineCalls, public ::testing::WithParamInterface<bool> {};

TEST_P(EngineModes, HandsOverTheDrawingModeRightAfterLoading) {
    SetProbeResultForTest(true, GetParam());
    LoadEngine("torven_l.dll");
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll attach", std::string("torven_l.dll setlayeredmode ") +
                                                             (GetParam() ? "1" : "0")}));
}

INSTANTIATE_TEST_SUITE_P(LayeredMode, EngineModes, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "ULW" : "region");
                         });

TEST_F(EngineCalls, UnloadDestroysTheSurfacesRightBeforeFreeingAndOnlyOnce) {
    LoadEngine("torven_l.dll");
    log.Clear();
    UnloadEngine();
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll destroyall", "torven_l.dll detach"}));
    UnloadEngine();
    UnloadEngine();
    EXPECT_EQ(log.Lines().size(), 2u) << "a second unload calls nothing";
    EXPECT_FALSE(EngineLoaded());
}

TEST_F(EngineCalls, FinalisationUnloadsOnlyWhatIsStillLoaded) {
    LoadEngine("torven_l.dll");
    log.Clear();
    FinalEngineBinding();
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll destroyall", "torven_l.dll detach"}));
    FinalEngineBinding();
    EXPECT_EQ(log.Lines().size(), 2u);
}

TEST_F(EngineCalls, LoadingAnotherLibraryReleasesTheEarlierOne) {
    LoadEngine("torven_l.dll");
    log.Clear();
    LoadEngine("torven_v.dll");
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll destroyall", "torven_l.dll detach", "torven_v.dll attach",
                                  "torven_v.dll setlayeredmode 1"}));
}

TEST_F(EngineCalls, AFailedLoadAfterASuccessfulOneLeavesNothingToCall) {
    LoadEngine("torven_l.dll");
    LoadPngResource(8700, 101, "PNG", false, false);
    log.Clear();
    LoadEngine("missing.dll");
    EXPECT_FALSE(EngineLoaded());
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll destroyall", "torven_l.dll detach"}))
        << "the earlier library is released, not left loaded out of reach";
    LoadPngResource(8700, 101, "PNG", false, false);
    Canvas canvas;
    EXPECT_FALSE(PaintEngineSurface(canvas.dc(), 8700));
    UnloadEngine();
    EXPECT_EQ(log.Lines().size(), 2u) << "nothing more is called";
}

TEST_F(EngineCalls, ThePictureReachesTheEngineWhole) {
    LoadEngine("torven_l.dll");
    log.Clear();
    LoadPngResource(8700, 101, "PNG", false, false);
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll " + PictureCall + " 0 0"}));
}

struct FlagCase {
    bool flag1, flag2;
    const char* logged;
};

class EngineFlags : public EngineCalls, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(EngineFlags, EachFlagFillsAWholeSlotWithZeroOrOne) {
    LoadEngine("torven_l.dll");
    log.Clear();
    LoadPngResource(8700, 101, "PNG", GetParam().flag1, GetParam().flag2);
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll " + PictureCall + " " + GetParam().logged}));
}

INSTANTIATE_TEST_SUITE_P(Flags, EngineFlags,
                         ::testing::Values(FlagCase{true, false, "1 0"}, FlagCase{false, true, "0 1"},
                                           FlagCase{true, true, "1 1"}),
                         [](const ::testing::TestParamInfo<FlagCase>& info) {
                             return std::string(info.param.flag1 ? "first" : "") +
                                    (info.param.flag2 ? "second" : "") + "_set";
                         });

struct MissingResourceCase {
    const char* name;
    int number;
    const char* type;
};

class EngineMissingResources : public EngineCalls, public ::testing::WithParamInterface<MissingResourceCase> {};

TEST_P(EngineMissingResources, CallNothing) {
    LoadEngine("torven_l.dll");
    log.Clear();
    LoadPngResource(8700, GetParam().number, GetParam().type, false, false);
    EXPECT_EQ(log.Lines(), Lines());
    Canvas canvas;
    EXPECT_FALSE(PaintEngineSurface(canvas.dc(), 8700));
}

INSTANTIATE_TEST_SUITE_P(Resources, EngineMissingResources,
                         ::testing::Values(MissingResourceCase{"other_number", 102, "PNG"},
                                           MissingResourceCase{"other_type", 101, "BMP"},
                                           MissingResourceCase{"no_type", 101, nullptr},
                                           MissingResourceCase{"negative_number", -101, "PNG"}),
                         [](const ::testing::TestParamInfo<MissingResourceCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EngineCalls, APictureWithoutALibraryCallsNothing) {
    LoadPngResource(8700, 101, "PNG", false, false);
    LoadEngine("torven_l.dll");
    UnloadEngine();
    log.Clear();
    LoadPngResource(8700, 101, "PNG", false, false);
    Canvas canvas;
    EXPECT_FALSE(PaintEngineSurface(canvas.dc(), 8700));
    EXPECT_EQ(log.Lines(), Lines());
}

TEST_F(EngineCalls, PaintingAsksHdcHeightWidthInThisOrder) {
    LoadEngine("torven_l.dll");
    LoadPngResource(8700, 101, "PNG", false, false);
    log.Clear();
    Canvas canvas;
    EXPECT_TRUE(PaintEngineSurface(canvas.dc(), 8700));
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll hdc 8700", "torven_l.dll height 8700", "torven_l.dll width 8700"}));
    ExpectPicture(canvas, __LINE__);
}

// Restores the current directory and PATH when it goes.
class SearchPathGuard {
public:
    SearchPathGuard() {
        char dir[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof dir, dir);
        directory_ = dir;
        DWORD n = GetEnvironmentVariableA("PATH", nullptr, 0);
        std::string path(n, '\0');
        path_ = std::string(path.data(), GetEnvironmentVariableA("PATH", &path[0], n));
    }
    ~SearchPathGuard() {
        SetCurrentDirectoryA(directory_.c_str());
        SetEnvironmentVariableA("PATH", path_.c_str());
    }
    SearchPathGuard(const SearchPathGuard&) = delete;
    SearchPathGuard& operator=(const SearchPathGuard&) = delete;

private:
    std::string directory_, path_;
};

TEST(EnginePlanted, ALibraryInTheCurrentDirectoryOrOnPathIsNeverLoaded) {
    testfiles::TempDir programdir, current, onpath;
    CallLog log(programdir / "calls.log");
    CopyBuiltFile("torven_log.dll", current / "torven_l.dll");
    CopyBuiltFile("torven_log.dll", onpath / "torven_l.dll");
    {
        SearchPathGuard guard;
        ASSERT_TRUE(SetCurrentDirectoryA(current.path().c_str()));
        ASSERT_TRUE(SetEnvironmentVariableA("PATH", onpath.path().c_str()));
        SetProbeResultForTest(true, true);
        InitEngineBinding(programdir.path());
        LoadEngine("torven_l.dll");
        EXPECT_FALSE(EngineLoaded());
        ConfigureEdition("torven_l.dll", nullptr);
        FinalEngineBinding();
    }
    EXPECT_EQ(log.Lines(), Lines()) << "the planted library ran inside the program";

    // The planted files are working libraries: from a program directory they load and log.
    InitEngineBinding(current.path());
    LoadEngine("torven_l.dll");
    EXPECT_TRUE(EngineLoaded());
    FinalEngineBinding();
    EXPECT_FALSE(log.Lines().empty());
}

} // namespace

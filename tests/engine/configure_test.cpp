// The configure button's sequence: the chosen edition shows its settings window, modal to the
// dialog, and afterwards the dialog still paints its picture and nothing calls into a freed
// library. The settings window is closed from a timer inside its own message loop.
#include <gtest/gtest.h>

#include "engine.h"
#include "loggedengine.h"
#include "probe.h"
#include "testfiles.h"

using namespace enginetest;
using Lines = std::vector<std::string>;

namespace {

struct EditionCase {
    const char* name;
    const char* file;
    bool layered;
    CloseBy closeby;
    const char* edition; // as the settings window names it
    const char* mode;
};

const EditionCase EditionCases[] = {
    {"Vantor_by_button", "torven_v.dll", true, CloseBy::Button, "Vantor", "ULW"},
    {"Lumio_by_close_message", "torven_l.dll", false, CloseBy::CloseMessage, "Lumio", "region (Legacy)"},
    {"Lumio_by_escape", "torven_l.dll", true, CloseBy::EscapeKey, "Lumio", "ULW"},
};

class EngineConfigure : public ::testing::TestWithParam<EditionCase> {
protected:
    void SetUp() override {
        SetProbeResultForTest(true, GetParam().layered);
        InitEngineBinding(testfiles::ExeDir());
    }
    void TearDown() override { FinalEngineBinding(); }
};

TEST_P(EngineConfigure, ShowsTheEditionsWindowModallyAndKeepsThePicture) {
    const EditionCase& c = GetParam();
    OwnerWindow owner;
    ASSERT_TRUE(owner.handle());
    LoadEngine("torven_l.dll");
    int id = NewSurfaceId();
    LoadPngResource(id, 101, "PNG", false, false);
    {
        SettingsWindowCloser closer(c.closeby);
        ConfigureEdition(c.file, owner.handle());
        const SettingsWindowSeen& seen = closer.seen();
        ASSERT_TRUE(seen.seen) << "no settings window appeared";
        EXPECT_EQ(seen.owner, owner.handle());
        EXPECT_FALSE(seen.ownerenabled) << "the owner must be disabled while the window is open";
        EXPECT_NE(seen.texts.find(std::string("Edition: ") + c.edition + "\n"), std::string::npos) << seen.texts;
        EXPECT_NE(seen.texts.find(std::string("Drawing mode: ") + c.mode + "\n"), std::string::npos) << seen.texts;
        EXPECT_NE(seen.texts.find("Version: 1.0.0\n"), std::string::npos) << seen.texts;
    }
    EXPECT_FALSE(FindWindowA("TorvenSettingsWindow", nullptr)) << "the window is gone when configure returns";
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_TRUE(EngineLoaded()) << "the picture's library stays bound";
    Canvas canvas;
    ASSERT_TRUE(PaintEngineSurface(canvas.dc(), id));
    ExpectPicture(canvas, __LINE__);
}

INSTANTIATE_TEST_SUITE_P(Editions, EngineConfigure, ::testing::ValuesIn(EditionCases),
                         [](const ::testing::TestParamInfo<EditionCase>& info) {
                             return std::string(info.param.name);
                         });

// The same sequences, read from the test engine's call log.
struct SequenceCase {
    const char* name;
    const char* file;
    Lines calls; // after the picture was handed to the bound torven_l.dll
};

const std::string Picture = "loadpngmemory 8700 " + std::to_string(PICTURE_BYTES) +
                            " 89504E470D0A1A0A 49454E44AE426082 0 0";

const SequenceCase SequenceCases[] = {
    {"other_edition", "torven_v.dll",
     {"torven_v.dll attach", "torven_v.dll setlayeredmode 1", "torven_v.dll configure owned",
      "torven_v.dll configure closed", "torven_v.dll destroyall", "torven_v.dll detach"}},
    // The loader hands out the bound library again: its destroyall destroys the picture, which
    // is handed over anew; the library stays loaded throughout.
    {"edition_holding_the_picture", "torven_l.dll",
     {"torven_l.dll setlayeredmode 1", "torven_l.dll configure owned", "torven_l.dll configure closed",
      "torven_l.dll destroyall", "torven_l.dll " + Picture}},
    {"edition_without_configure", "torven_n.dll",
     {"torven_n.dll attach", "torven_n.dll setlayeredmode 1", "torven_n.dll destroyall", "torven_n.dll detach"}},
    {"missing_edition", "torven_x.dll", {}},
};

class EngineConfigureCalls : public LoggedEngine, public ::testing::WithParamInterface<SequenceCase> {
protected:
    void SetUp() override {
        CopyBuiltFile("torven_noconfigure.dll", programdir / "torven_n.dll");
        LoggedEngine::SetUp();
    }
};

TEST_P(EngineConfigureCalls, CallOnlyIntoLoadedLibrariesAndPaintAfterwards) {
    OwnerWindow owner;
    LoadEngine("torven_l.dll");
    LoadPngResource(8700, 101, "PNG", false, false);
    log.Clear();
    {
        SettingsWindowCloser closer(CloseBy::Button);
        ConfigureEdition(GetParam().file, owner.handle());
    }
    EXPECT_EQ(log.Lines(), GetParam().calls);
    log.Clear();

    Canvas canvas;
    ASSERT_TRUE(PaintEngineSurface(canvas.dc(), 8700));
    ExpectPicture(canvas, __LINE__);
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll hdc 8700", "torven_l.dll height 8700", "torven_l.dll width 8700"}));

    log.Clear();
    UnloadEngine();
    EXPECT_FALSE(PaintEngineSurface(canvas.dc(), 8700));
    EXPECT_EQ(log.Lines(), Lines({"torven_l.dll destroyall", "torven_l.dll detach"}))
        << "the library is gone after the dialog's unload";
}

TEST_P(EngineConfigureCalls, NeverCallIntoAFreedLibrary) {
    OwnerWindow owner;
    LoadEngine("torven_l.dll");
    LoadPngResource(8700, 101, "PNG", false, false);
    Canvas canvas;
    for (int round = 0; round < 2; ++round) {
        SettingsWindowCloser closer(CloseBy::CloseMessage);
        ConfigureEdition(GetParam().file, owner.handle());
        PaintEngineSurface(canvas.dc(), 8700);
    }
    UnloadEngine();
    PaintEngineSurface(canvas.dc(), 8700);
    {
        SettingsWindowCloser closer(CloseBy::Button);
        ConfigureEdition(GetParam().file, owner.handle());
    }
    PaintEngineSurface(canvas.dc(), 8700);
    EXPECT_EQ(CallsOutsideLoadedLibraries(log.AllLines()), Lines());
}

INSTANTIATE_TEST_SUITE_P(Sequences, EngineConfigureCalls, ::testing::ValuesIn(SequenceCases),
                         [](const ::testing::TestParamInfo<SequenceCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

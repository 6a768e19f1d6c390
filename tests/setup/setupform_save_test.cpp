// The setup dialog's settings: what it shows from the settings files, what it writes back when
// it closes (OK, Enter or Esc), and what happens when a settings file cannot be read or written.
#include <string>
#include <utility>
#include <vector>

#include "setupform_testkit.h"

using namespace setupformtest;

namespace {

enum class CloseBy { OkButton, Enter, Escape };

struct Shown {
    int language, edition, gfxmode, mcl, ownerdrawmenu;
    bool gfxmodeenabled;
};

struct SaveCase {
    const char* name;
    bool layered;                 // whether the system offers the layered functions
    const char* mainform;         // nullptr: no file
    const char* zelloc;
    Shown shown;                  // the selections after creation
    std::vector<std::pair<const char*, int>> choose;  // combo box, item, picked before closing
    CloseBy closeby;
    const char* savedmainform;
    const char* savedzelloc;
};

const SaveCase SaveCases[] = {
    {"no_settings_files_enter", true, nullptr, nullptr, {1, 0, 1, 0, 1, true}, {}, CloseBy::Enter,
     "torvenfilename,torven_v.dll\r\nlanguagefilename,japan.lcl\r\n",
     "ownerdrawmenu,1\r\ngfxmode,1\r\nmclmode,0\r\ngfxenginefilename,torven_v.dll\r\n"},
    // Other lines keep their order below the written keys; comments are dropped.
    {"every_choice_changed_escape", true,
     "// window\r\nlanguagefilename,JAPAN.LCL\r\nwindowleft,100\r\ntorvenfilename,torven_v.dll\r\n",
     "gfxmode,1\r\nskin,blue\r\nmclmode,0\r\n", {1, 0, 1, 0, 1, true},
     {{"languagecbox", 0}, {"torvencbox", 1}, {"gfxmodecbox", 0}, {"mclcbox", 1}, {"ownerdrawmenucbox", 0}},
     CloseBy::Escape, "torvenfilename,torven_l.dll\r\nlanguagefilename,english.lcl\r\nwindowleft,100\r\n",
     "ownerdrawmenu,0\r\ngfxmode,0\r\nmclmode,1\r\ngfxenginefilename,torven_v.dll\r\nskin,blue\r\n"},
    // A stored value outside the list shows no choice and is saved as -1.
    {"mclmode_7_ok_button", true, "torvenfilename,torven_l.dll\r\n", "mclmode,7\r\ngfxmode,0\r\n",
     {1, 1, 0, -1, 1, true}, {}, CloseBy::OkButton,
     "torvenfilename,torven_l.dll\r\nlanguagefilename,japan.lcl\r\n",
     "ownerdrawmenu,1\r\ngfxmode,0\r\nmclmode,-1\r\ngfxenginefilename,torven_v.dll\r\n"},
    // Without the layered functions the drawing mode is region, fixed; a stored 1 is not kept.
    {"legacy_system_enter", false, nullptr, "gfxmode,1\r\nownerdrawmenu,0\r\n", {1, 0, 0, 0, 0, false}, {},
     CloseBy::Enter, "torvenfilename,torven_v.dll\r\nlanguagefilename,japan.lcl\r\n",
     "ownerdrawmenu,0\r\ngfxmode,0\r\nmclmode,0\r\ngfxenginefilename,torven_v.dll\r\n"},
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SetupFormSave : public SetupFormTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SetupFormSave, ShowsTheStoredChoicesAndSavesWhatIsChosenOnClosing) {
    const SaveCase& c = GetParam();
    SetProbeResultForTest(c.layered, c.layered);
    WriteLanguages(programdir);
    if (c.mainform) testfiles::WriteBytes(programdir / "profile\\mainform.txt", c.mainform);
    if (c.zelloc) testfiles::WriteBytes(programdir / "profile\\zelloc.txt", c.zelloc);
    Tsetupform& form = Open();

    EXPECT_EQ(c.shown.language, form.languagecbox.ItemIndex());
    EXPECT_EQ(c.shown.edition, form.torvencbox.ItemIndex());
    EXPECT_EQ(c.shown.gfxmode, form.gfxmodecbox.ItemIndex());
    EXPECT_EQ(c.shown.mcl, form.mclcbox.ItemIndex());
    EXPECT_EQ(c.shown.ownerdrawmenu, form.ownerdrawmenucbox.ItemIndex());
    EXPECT_EQ(c.shown.gfxmodeenabled, form.gfxmodecbox.Enabled());
    // A drop-down list shows its selected item as its text.
    EXPECT_EQ(c.shown.mcl < 0 ? "" : form.mclcbox.Item(c.shown.mcl), uitest::WindowText(form.mclcbox.Handle()));
    EXPECT_EQ(form.gfxmodecbox.Item(c.shown.gfxmode), uitest::WindowText(form.gfxmodecbox.Handle()));
    const std::string environment = form.enviomentlabel.Caption();
    const std::string ending = c.layered ? " (NTx)" : " (Legacy)";
    EXPECT_EQ("Envioment: Windows " + GetOSName() + ending, environment);

    for (const auto& pick : c.choose)
        SendMessageA(form.ComboBox(pick.first).Handle(), CB_SETCURSEL, pick.second, 0);
    switch (c.closeby) {
    case CloseBy::OkButton: Click(form.okbutton); break;
    case CloseBy::Enter: uitest::PressKey(app, VK_RETURN); break;
    case CloseBy::Escape: uitest::PressKey(app, VK_ESCAPE); break;
    }
    EXPECT_TRUE(IsWindow(form.Handle())) << "closing ends the loop; the program's end destroys the form";
    Finish();
    EXPECT_EQ(c.savedmainform, Read("profile\\mainform.txt"));
    EXPECT_EQ(c.savedzelloc, Read("profile\\zelloc.txt"));
    EXPECT_FALSE(EngineLoaded()) << "destroying the dialog unloads the engine";
}

INSTANTIATE_TEST_SUITE_P(Cases, SetupFormSave, ::testing::ValuesIn(SaveCases),
                         [](const ::testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SetupFormTest, FailedSaveIsShownWithFileAndReasonAndWritesNeitherFile) {
    WriteLanguages(programdir);
    const std::string mainform = "languagefilename,english.lcl\r\n// kept\r\ntorvenfilename,torven_l.dll\r\n";
    const std::string zelloc = "mclmode,1\r\n";
    testfiles::WriteBytes(programdir / "profile\\mainform.txt", mainform);
    testfiles::WriteBytes(programdir / "profile\\zelloc.txt", zelloc);
    Tsetupform& form = Open();
    SendMessageA(form.torvencbox.Handle(), CB_SETCURSEL, 0, 0);

    HeldFile held(programdir / "profile\\zelloc.txt");
    ASSERT_TRUE(held.Held());
    uitest::PressKey(app, VK_RETURN);
    uitest::BoxCatcher boxes;
    Finish();

    ASSERT_EQ(1u, boxes.Boxes().size());
    const std::string text = boxes.Boxes()[0].text;
    EXPECT_NE(std::string::npos, text.find(programdir / "profile\\zelloc.txt")) << text;
    EXPECT_GT(text.size(), (programdir / "profile\\zelloc.txt").size() + 20) << "and the reason: " << text;
    held.Release();
    EXPECT_EQ(mainform, Read("profile\\mainform.txt"));
    EXPECT_EQ(zelloc, Read("profile\\zelloc.txt"));
}

// zelloc.txt is held while the dialog loads, and free again when it saves: what was read
// (the language) is shown and written back as it was, what was not read is not written.
TEST_F(SetupFormTest, FailedLoadIsShownAndTheSaveAfterItKeepsTheStoredSettings) {
    WriteLanguages(programdir);
    testfiles::WriteBytes(programdir / "profile\\mainform.txt", "torvenfilename,torven_l.dll\r\nlanguagefilename,english.lcl\r\n");
    const std::string zelloc = "mclmode,1\r\ngfxmode,0\r\n";
    testfiles::WriteBytes(programdir / "profile\\zelloc.txt", zelloc);

    HeldFile held(programdir / "profile\\zelloc.txt");
    ASSERT_TRUE(held.Held());
    Tsetupform* form = nullptr;
    {
        uitest::BoxCatcher boxes;
        form = &Open();
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_NE(std::string::npos, boxes.Boxes()[0].text.find(programdir / "profile\\zelloc.txt"))
            << boxes.Boxes()[0].text;
    }
    held.Release();
    EXPECT_EQ(0, form->languagecbox.ItemIndex());
    EXPECT_EQ(-1, form->torvencbox.ItemIndex());
    EXPECT_EQ(-1, form->mclcbox.ItemIndex());
    EXPECT_EQ("Envioment: ", form->enviomentlabel.Caption());
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the dialog goes on";

    uitest::PressKey(app, VK_RETURN);
    Finish();
    EXPECT_EQ("languagefilename,english.lcl\r\ntorvenfilename,torven_l.dll\r\n", Read("profile\\mainform.txt"));
    EXPECT_EQ(zelloc, Read("profile\\zelloc.txt"));
}

} // namespace

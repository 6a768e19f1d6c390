// The setup dialog as the user sees it: its controls, their order under Tab, the label texts
// painted over the picture (or over the face colour when there is no engine), and the configure
// button for either edition.
#include <string>
#include <vector>

#include "setupform_testkit.h"

using namespace setupformtest;
using uitest::Picture;

namespace {

struct WindowControlCase {
    const char* name;
    int left, top, width, height;
    std::vector<std::string> texts;  // a button's caption, a combo box's items
};

const WindowControlCase ComboBoxes[] = {
    {"languagecbox", 152, 14, 257, 22, {"English", "Japanese"}},
    {"torvencbox", 152, 46, 257, 22, {"Vantor", "Lumio"}},
    {"gfxmodecbox", 152, 118, 257, 22, {"region (Legacy)", "ULW"}},
    {"ownerdrawmenucbox", 152, 182, 257, 22, {"Classic", "OwnerDraw"}},
    {"mclcbox", 152, 150, 257, 22, {"Normal", "Slow / Memory Saved"}},
};
const WindowControlCase Buttons[] = {
    {"okbutton", 336, 264, 75, 25, {"OK"}},
    {"configurebutton", 335, 80, 75, 25, {"configure"}},
    {"preferencebutton", 336, 224, 75, 25, {"configure"}},
};

struct LabelCase {
    int left, top, width;
    std::string caption;
};

// In the order of the component list; the environment line is the one of this system.
std::vector<LabelCase> Labels() {
    return {{13, 17, 44, "language"},
            {13, 50, 132, "TORVEN GFX Engine type."},
            {13, 122, 50, "GFX Mode"},
            {13, 272, 55, "Envioment: Windows " + GetOSName() + " (NTx)"},
            {13, 186, 55, "Menu Mode"},
            {13, 226, 22, "Files"},
            {13, 154, 68, "Speed Control"}};
}

void ExpectPlace(HWND control, const WindowControlCase& c) {
    RECT r = uitest::ClientRectOf(control);
    EXPECT_EQ(c.left, r.left);
    EXPECT_EQ(c.top, r.top);
    EXPECT_EQ(c.width, r.right - r.left);
    EXPECT_EQ(c.height, r.bottom - r.top);
}

TEST_F(SetupFormTest, ControlsLabelsAndFrameAreThoseOfTheDialog) {
    WriteLanguages(programdir);
    Tsetupform& form = Open();

    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(425, client.right);
    EXPECT_EQ(303, client.bottom);
    EXPECT_EQ("", uitest::WindowText(form.Handle()));
    EXPECT_TRUE(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0)) << "the application's icon";

    for (const WindowControlCase& c : ComboBoxes) {
        SCOPED_TRACE(c.name);
        ui::ComboBox box = form.ComboBox(c.name);
        ExpectPlace(box.Handle(), c);
        EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongA(box.Handle(), GWL_STYLE) & 3);
        std::vector<std::string> items;
        for (int i = 0; i < box.ItemCount(); ++i) items.push_back(box.Item(i));
        EXPECT_EQ(c.texts, items);
    }
    for (const WindowControlCase& c : Buttons) {
        SCOPED_TRACE(c.name);
        HWND button = form.Button(c.name).Handle();
        ExpectPlace(button, c);
        EXPECT_EQ(c.texts[0], uitest::WindowText(button));
    }

    const std::vector<LabelCase> expected = Labels();
    const std::vector<ui::Label> labels = form.Labels();
    ASSERT_EQ(expected.size(), labels.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(expected[i].caption);
        EXPECT_EQ(expected[i].caption, labels[i].Caption());
        EXPECT_EQ(expected[i].left, labels[i].Left());
        EXPECT_EQ(expected[i].top, labels[i].Top());
        EXPECT_FALSE(labels[i].Visible()) << "the dialog draws the texts itself";
    }
}

TEST_F(SetupFormTest, TabVisitsTheControlsInTabOrder) {
    Tsetupform& form = Open();
    const std::vector<std::pair<HWND, std::string>> names = {
        {form.languagecbox.Handle(), "languagecbox"},   {form.torvencbox.Handle(), "torvencbox"},
        {form.configurebutton.Handle(), "configurebutton"}, {form.gfxmodecbox.Handle(), "gfxmodecbox"},
        {form.mclcbox.Handle(), "mclcbox"},             {form.ownerdrawmenucbox.Handle(), "ownerdrawmenucbox"},
        {form.preferencebutton.Handle(), "preferencebutton"}, {form.okbutton.Handle(), "okbutton"}};
    auto focused = [&names] {
        for (const auto& n : names)
            if (n.first == GetFocus()) return n.second;
        return std::string("?");
    };
    std::vector<std::string> visited = {focused()};
    for (size_t i = 0; i < names.size(); ++i) {
        uitest::PressKey(app, VK_TAB);
        visited.push_back(focused());
    }
    EXPECT_EQ(std::vector<std::string>({"languagecbox", "torvencbox", "configurebutton", "gfxmodecbox",
                                        "mclcbox", "ownerdrawmenucbox", "preferencebutton", "okbutton",
                                        "languagecbox"}),
              visited);
}

// A few pixels of the picture (resources/make_picture.py --samples), none under a control or text.
struct PictureSample {
    int x, y;
    COLORREF rgb;  // 0xRRGGBB
};
const PictureSample PictureSamples[] = {
    {5, 5, 0xE4EDF5},     {75, 150, 0xF5F3F2},  {140, 290, 0xDAE4DE}, {200, 290, 0x4E7A66},
    {300, 250, 0xABADCD}, {420, 10, 0x96B8DA},  {260, 215, 0xFFF4D6}, {400, 300, 0x578368},
};

COLORREF FromRgb(COLORREF rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Each label's text in its box, over the picture without a background box; nothing dark
// between the labels.
void ExpectLabelTexts(const Picture& picture, bool overpicture, int line) {
    SCOPED_TRACE("from line " + std::to_string(line));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const LabelCase& label : Labels()) {
        SCOPED_TRACE(label.caption);
        const int right = label.left + label.width, bottom = label.top + 14;
        EXPECT_GE(DarkPixels(picture, label.left, label.top, right, bottom), 8);
        const int area = label.width * 14;
        if (overpicture) {
            EXPECT_LT(picture.Count(face, label.left, label.top, right, bottom) * 4, area);
        }
    }
    // The environment line is longer than its label's design width.
    EXPECT_GE(DarkPixels(picture, 80, 272, 140, 286), 8) << "the environment line replaces the design caption";
    EXPECT_EQ(0, DarkPixels(picture, 0, 0, 150, 14));
    EXPECT_EQ(0, DarkPixels(picture, 0, 32, 150, 49));
    EXPECT_EQ(0, DarkPixels(picture, 0, 287, 150, 303));
}

void ExpectBevels(const Picture& picture) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(shadow, picture.At(280, 80));   // the vertical piece, x 280..281, y 75..92
    EXPECT_EQ(light, picture.At(281, 80));
    EXPECT_EQ(shadow, picture.At(300, 91));   // the horizontal piece, x 280..329, y 91..92
    EXPECT_EQ(light, picture.At(300, 92));
}

void ExpectPicture(const Picture& picture, int line) {
    SCOPED_TRACE("from line " + std::to_string(line));
    for (const PictureSample& s : PictureSamples) {
        SCOPED_TRACE(std::to_string(s.x) + "," + std::to_string(s.y));
        EXPECT_EQ(FromRgb(s.rgb), picture.At(s.x, s.y));
    }
}

TEST_F(SetupFormTest, PaintsThePictureWithTheLabelTextsOverIt) {
    Tsetupform& form = Open();
    Picture picture(form.Handle());
    ExpectPicture(picture, __LINE__);
    ExpectLabelTexts(picture, true, __LINE__);
    ExpectBevels(picture);
}

TEST_F(SetupFormTest, WithoutAnEngineTheFaceColourTakesThePicturesPlaceAndTheSettingsStillWork) {
    testfiles::TempDir noengines;
    InitEngineBinding(noengines.path());
    WriteLanguages(programdir);
    Tsetupform& form = Open();
    EXPECT_FALSE(EngineLoaded());

    Picture picture(form.Handle());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const PictureSample& s : PictureSamples) EXPECT_EQ(face, picture.At(s.x, s.y)) << s.x << "," << s.y;
    ExpectLabelTexts(picture, false, __LINE__);
    ExpectBevels(picture);

    EXPECT_EQ(1, form.languagecbox.ItemIndex());
    EXPECT_EQ(0, form.torvencbox.ItemIndex());
    SendMessageA(form.torvencbox.Handle(), CB_SETCURSEL, 1, 0);
    uitest::PressKey(app, VK_RETURN);
    Finish();
    EXPECT_EQ("torvenfilename,torven_l.dll\r\nlanguagefilename,japan.lcl\r\n", Read("profile\\mainform.txt"));
}

// What the timer saw of the engine's settings window before it closed it.
struct SettingsWindowSeen {
    bool seen = false;
    HWND owner = nullptr;
    std::string texts;  // the child windows' texts, one per line
};
SettingsWindowSeen settingsseen;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    settingsseen.texts += uitest::WindowText(child) + "\n";
    return TRUE;
}

// Runs inside the settings window's own message loop.
void CALLBACK CloseSettingsWindow(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = FindWindowA("TorvenSettingsWindow", nullptr);
    if (!window || !IsWindowVisible(window) || settingsseen.seen) return;
    settingsseen.seen = true;
    settingsseen.owner = GetWindow(window, GW_OWNER);
    EnumChildWindows(window, CollectText, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
}

struct EditionCase {
    const char* name;
    int index;
};

void PrintTo(const EditionCase& c, std::ostream* os) { *os << c.name; }

class SetupFormConfigure : public SetupFormTest, public ::testing::WithParamInterface<EditionCase> {};

TEST_P(SetupFormConfigure, ShowsTheChosenEditionsWindowAndStillPaintsThePicture) {
    Tsetupform& form = Open();
    SendMessageA(form.torvencbox.Handle(), CB_SETCURSEL, GetParam().index, 0);
    settingsseen = SettingsWindowSeen();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseSettingsWindow);
    Click(form.configurebutton);
    KillTimer(nullptr, timer);

    ASSERT_TRUE(settingsseen.seen) << "no settings window appeared";
    EXPECT_EQ(form.Handle(), settingsseen.owner);
    EXPECT_NE(std::string::npos, settingsseen.texts.find(std::string("Edition: ") + GetParam().name + "\n"))
        << settingsseen.texts;
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));

    Picture picture(form.Handle());
    ExpectPicture(picture, __LINE__);
    ExpectLabelTexts(picture, true, __LINE__);
}

const EditionCase EditionCases[] = {{"Vantor", 0}, {"Lumio", 1}};
INSTANTIATE_TEST_SUITE_P(Editions, SetupFormConfigure, ::testing::ValuesIn(EditionCases),
                         [](const ::testing::TestParamInfo<EditionCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

namespace {

// The add-on dialogs that the timer saw open, each closed once seen, and their owners.
std::vector<HWND> preferencewindows, preferenceowners;

BOOL CALLBACK ClosePreferenceWindow(HWND window, LPARAM setupwindow) {
    if (window == reinterpret_cast<HWND>(setupwindow) || uitest::ClassOf(window) != "uiform" ||
        !IsWindowVisible(window))
        return TRUE;
    for (HWND seen : preferencewindows)
        if (seen == window) return TRUE;
    preferencewindows.push_back(window);
    preferenceowners.push_back(GetWindow(window, GW_OWNER));
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void CALLBACK ClosePreferenceWindows(HWND, UINT, UINT_PTR, DWORD) {
    if (setupform)
        EnumThreadWindows(GetCurrentThreadId(), ClosePreferenceWindow,
                          reinterpret_cast<LPARAM>(setupform->Handle()));
}

TEST_F(SetupFormTest, EachPreferenceClickOpensANewModalAddonDialogThatIsReleasedAfterwards) {
    Tsetupform& form = Open();
    preferencewindows.clear();
    preferenceowners.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, ClosePreferenceWindows);
    for (int click = 0; click < 2; ++click) {
        Click(form.preferencebutton);
        ASSERT_EQ(static_cast<size_t>(click + 1), preferencewindows.size()) << "no add-on dialog appeared";
        EXPECT_EQ(form.Handle(), preferenceowners.back());
        app.ProcessMessages();
        EXPECT_FALSE(IsWindow(preferencewindows.back())) << "released once it has closed";
    }
    KillTimer(nullptr, timer);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

} // namespace

// The preference dialog under Wine: real add-on directories in a temporary program directory,
// a real menu bar driven by the messages a user's clicks send, modal closing by keys and button,
// the error box for an unreadable description file, painting, and the closing notice.
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>
#include <windows.h>

#include "application.h"
#include "engine.h"
#include "preferenceform.h"
#include "setupform.h"
#include "testfiles.h"
#include "uitest.h"

namespace {

std::string MenuText(HMENU menu, int position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) texts.push_back(MenuText(menu, i));
    return texts;
}

// The check marks of a drop-down as the system shows them, one per item.
std::vector<bool> MenuMarks(HMENU menu) {
    std::vector<bool> marks;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        marks.push_back((GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0);
    return marks;
}

std::vector<bool> ItemMarks(const ui::MenuItem& root) {
    std::vector<bool> marks;
    for (int i = 0; i < root.Count(); ++i) marks.push_back(root.Items(i).Checked());
    return marks;
}

bool Hidden(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

void SetHidden(const std::string& path, bool hidden) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes) << path;
    attributes = hidden ? attributes | FILE_ATTRIBUTE_HIDDEN : attributes & ~FILE_ATTRIBUTE_HIDDEN;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

// One add-on directory below the program directory. name: the description file's name, or
// nullptr for no description file; descriptdir: where the description file lies inside it.
struct AddonFixture {
    const char* dir;
    const char* name;
    bool hidden;
    const char* descriptdir;
};

// The balloons' display names begin with different bytes and are not listed in that order,
// whatever order the directory listing gives; the ghost g1 is named from ghost\master; the
// plugins' category has no add-on.
const AddonFixture Addons[] = {
    {"balloon\\b1", "zeta", false, ""},
    {"balloon\\b2", "Beta", true, ""},
    {"balloon\\b3", "alpha", false, ""},
    {"balloon\\b4", "9 lives", false, ""},
    {"ghost\\g1", "Ghosty", false, "\\ghost\\master"},
    {"ghost\\g2", nullptr, true, ""},
    {"headline\\h1", "Headline", false, ""},
};

// A thread timer that ends a modal showing that did not end by itself, so that a fault shows
// as a failure rather than a test that never returns.
class ModalWatchdog {
public:
    explicit ModalWatchdog(ui::Form& form) {
        watched = &form;
        fired = false;
        timer_ = SetTimer(nullptr, 0, 5000, Fire);
    }
    ~ModalWatchdog() {
        KillTimer(nullptr, timer_);
        watched = nullptr;
    }
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;
    static bool fired;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        fired = true;
        if (watched) watched->Close();
    }
    static ui::Form* watched;
    UINT_PTR timer_;
};
bool ModalWatchdog::fired = false;
ui::Form* ModalWatchdog::watched = nullptr;

class PreferenceDialog : public ::testing::Test {
protected:
    void SetUp() override {
        for (const AddonFixture& a : Addons) {
            const std::string dir = programdir / a.dir;
            testfiles::MakeDirs(dir);
            if (a.name) testfiles::WriteBytes(dir + a.descriptdir + "\\descript.txt", std::string("name,") + a.name + "\r\n");
            if (a.hidden) SetHidden(dir, true);
        }
        // A plain file in a category directory is no add-on.
        testfiles::WriteBytes(programdir / "balloon\\readme.txt", "name,not an add-on\r\n");
        testfiles::MakeDirs(programdir / "plugin");
        // The setup dialog stands here as the main form: the preference dialog is modal over it.
        app.CreateForm(mainform, uitest::kControlForm);
    }

    Tpreferenceform& Open() {
        app.CreateForm(preferenceform, programdir.path());
        bar = GetMenu(preferenceform->Handle());
        return *preferenceform;
    }

    // Opens a drop-down of the bar as the system does before showing it.
    void OpenDropDown(int position) {
        SendMessageA(preferenceform->Handle(), WM_INITMENUPOPUP,
                     reinterpret_cast<WPARAM>(GetSubMenu(bar, position)), MAKELPARAM(position, FALSE));
    }

    // Chooses an item of a drop-down of the bar as a click on it does.
    void Choose(int position, int item) {
        UINT id = GetMenuItemID(GetSubMenu(bar, position), item);
        PostMessageA(preferenceform->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        app.ProcessMessages();
    }

    testfiles::TempDir programdir;
    ui::Application app;
    ui::Form* mainform = nullptr;
    HMENU bar = nullptr;
};

TEST_F(PreferenceDialog, BarShowsThreeCategoriesAndTheGhostsRootHoldsItsItemsHidden) {
    Tpreferenceform& form = Open();
    EXPECT_EQ(GetMenu(form.Handle()), form.mainmenu.Handle());
    EXPECT_EQ((std::vector<std::string>{"Balloons(&B)", "Headlinesensor(&H)", "Plugins(&P)"}), MenuTexts(bar));

    // Items in ascending order of their names' first bytes; the hidden add-on is listed too.
    EXPECT_EQ((std::vector<std::string>{"9 lives", "Beta", "alpha", "zeta"}), MenuTexts(GetSubMenu(bar, 0)));
    EXPECT_EQ(std::vector<std::string>{"Headline"}, MenuTexts(GetSubMenu(bar, 1)));
    EXPECT_EQ(nullptr, GetSubMenu(bar, 2)) << "a category without add-ons has no drop-down";
    EXPECT_EQ(0, form.pluginroot.Count());

    ASSERT_FALSE(form.ghostroot.Visible());
    ASSERT_EQ(2, form.ghostroot.Count());
    const tmenuitemex& ghost = static_cast<const tmenuitemex&>(form.ghostroot.Items(0));
    EXPECT_EQ("Ghosty", ghost.Caption());
    EXPECT_EQ(programdir / "ghost\\g1", ghost.dirpath);
    EXPECT_EQ(programdir / "ghost\\g1\\ghost\\master\\thumbnail.png", ghost.Hint());
    EXPECT_EQ("g2", form.ghostroot.Items(1).Caption());
    const tmenuitemex& balloon = static_cast<const tmenuitemex&>(form.balloonroot.Items(3));
    EXPECT_EQ(programdir / "balloon\\b1", balloon.dirpath);
    EXPECT_EQ(programdir / "balloon\\b1\\thumbnail.png", balloon.Hint());

    // No marks until a root opens.
    for (ui::MenuItem* root : {&form.balloonroot, &form.ghostroot, &form.hsroot})
        EXPECT_EQ(std::vector<bool>(root->Count(), false), ItemMarks(*root)) << root->Name();
    EXPECT_EQ(std::vector<bool>(4, false), MenuMarks(GetSubMenu(bar, 0)));

    EXPECT_EQ("", uitest::WindowText(form.Handle()));
    EXPECT_NE(nullptr, reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0)));
    EXPECT_EQ(RegisterWindowMessageA("Quellan"), form.notifymessage);
}

TEST_F(PreferenceDialog, OpeningARootMarksTheAddonsThatAreOnAtThatMoment) {
    Tpreferenceform& form = Open();
    OpenDropDown(0);
    // 9 lives, Beta (hidden), alpha, zeta
    EXPECT_EQ((std::vector<bool>{true, false, true, true}), MenuMarks(GetSubMenu(bar, 0)));
    EXPECT_EQ((std::vector<bool>{true, false, true, true}), ItemMarks(form.balloonroot));
    EXPECT_EQ(std::vector<bool>{false}, ItemMarks(form.hsroot)) << "only the opened root is marked";

    form.ghostrootClick();
    EXPECT_EQ((std::vector<bool>{true, false}), ItemMarks(form.ghostroot));

    // Another program switches zeta off and Beta on: the next opening shows it.
    SetHidden(programdir / "balloon\\b1", true);
    SetHidden(programdir / "balloon\\b2", false);
    OpenDropDown(0);
    EXPECT_EQ((std::vector<bool>{true, true, true, false}), MenuMarks(GetSubMenu(bar, 0)));

    OpenDropDown(1);
    EXPECT_EQ(std::vector<bool>{true}, MenuMarks(GetSubMenu(bar, 1)));
}

TEST_F(PreferenceDialog, ChoosingAnItemTogglesItsDirectoryAndTheNextOpeningShowsIt) {
    Tpreferenceform& form = Open();
    const std::string zeta = programdir / "balloon\\b1";
    OpenDropDown(0);
    ASSERT_TRUE(form.balloonroot.Items(3).Checked());

    Choose(0, 3);
    EXPECT_TRUE(Hidden(zeta));
    EXPECT_TRUE(form.balloonroot.Items(3).Checked()) << "the mark waits for the next opening";
    OpenDropDown(0);
    EXPECT_FALSE(form.balloonroot.Items(3).Checked());

    Choose(0, 3);
    EXPECT_FALSE(Hidden(zeta));
    OpenDropDown(0);
    EXPECT_TRUE(form.balloonroot.Items(3).Checked());

    // An add-on whose directory has gone: choosing it changes nothing, creates nothing and
    // reports nothing, and it reads off.
    const std::string alpha = programdir / "balloon\\b3";
    testfiles::RemoveTree(alpha);
    uitest::BoxCatcher catcher;
    Choose(0, 2);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(alpha.c_str()));
    OpenDropDown(0);
    EXPECT_FALSE(form.balloonroot.Items(2).Checked());
    EXPECT_TRUE(catcher.Boxes().empty());
    EXPECT_FALSE(Hidden(zeta)) << "the other add-ons are as they were";
}

// Keys that reach the form window itself, sent from a timer inside the modal loop: a letter
// first, which must leave the dialog open (the next tick still comes inside the loop), then Esc.
class FormKeys {
public:
    explicit FormKeys(HWND form) {
        target = form;
        ticks = 0;
        timer_ = SetTimer(nullptr, 0, 20, Tick);
    }
    ~FormKeys() { KillTimer(nullptr, timer_); }
    FormKeys(const FormKeys&) = delete;
    FormKeys& operator=(const FormKeys&) = delete;
    static int ticks;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ++ticks;
        if (ticks == 1) SendMessageA(target, WM_KEYDOWN, 'A', 1);
        if (ticks == 2) SendMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    static HWND target;
    UINT_PTR timer_;
};
int FormKeys::ticks = 0;
HWND FormKeys::target = nullptr;

// How the user closes the dialog. Keys and clicks to the button pass the application's loop
// (Enter and Esc press the default and cancel button); key is 0 for the form's own keys.
struct CloseWay {
    const char* name;
    UINT message;
    WPARAM key;
};

const CloseWay CloseWays[] = {
    {"EscOnTheButton", WM_KEYDOWN, VK_ESCAPE},
    {"EnterOnTheButton", WM_KEYDOWN, VK_RETURN},
    {"OkClicked", BM_CLICK, 0},
    {"EscToTheFormItself", WM_KEYDOWN, 0},
};

void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class PreferenceDialogClose : public PreferenceDialog, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(PreferenceDialogClose, EndsTheModalShowing) {
    Tpreferenceform& form = Open();
    const CloseWay& way = GetParam();
    ModalWatchdog watchdog(form);
    if (way.key == 0 && way.message == WM_KEYDOWN) {
        FormKeys keys(form.Handle());
        form.ShowModal();
        EXPECT_EQ(2, FormKeys::ticks) << "a letter leaves the dialog open";
    } else {
        PostMessageA(form.okbutton.Handle(), way.message, way.key, 1);
        form.ShowModal();
    }
    EXPECT_FALSE(ModalWatchdog::fired);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(mainform->Handle()));
}

INSTANTIATE_TEST_SUITE_P(Ways, PreferenceDialogClose, ::testing::ValuesIn(CloseWays),
                         [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

using testfiles::HeldFile;

TEST_F(PreferenceDialog, UnreadableDescriptionFileIsReportedAndTheDialogStillOpens) {
    const std::string descript = programdir / "headline\\h1\\descript.txt";
    HeldFile held(descript);
    ASSERT_TRUE(held.Held());
    std::vector<uitest::ShownBox> boxes;
    {
        uitest::BoxCatcher catcher;
        Open();
        app.ProcessMessages();
        boxes = catcher.Boxes();
    }
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::string::npos, boxes[0].text.find(descript)) << boxes[0].text;

    Tpreferenceform& form = *preferenceform;
    EXPECT_EQ(4, form.balloonroot.Count()) << "categories built before keep their items";
    EXPECT_EQ(2, form.ghostroot.Count());
    EXPECT_EQ(0, form.hsroot.Count());
    EXPECT_EQ(0, form.pluginroot.Count());
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_EQ(3, GetMenuItemCount(bar));
}

TEST_F(PreferenceDialog, WithoutTheSetupDialogsPictureTheFaceColourStays) {
    ASSERT_EQ(nullptr, setupform);
    Tpreferenceform& form = Open();
    uitest::Picture picture(form.Handle());
    ASSERT_EQ(425, picture.Width());
    ASSERT_EQ(285, picture.Height());
    // The button is a child window: printing the client area leaves it out.
    EXPECT_EQ(425 * 285, picture.Count(GetSysColor(COLOR_BTNFACE), 0, 0, 425, 285));
}

// Records the messages that reach it.
class NoticeWindow {
public:
    NoticeWindow() {
        WNDCLASSA windowclass = {};
        windowclass.lpfnWndProc = Proc;
        windowclass.hInstance = GetModuleHandleA(nullptr);
        windowclass.lpszClassName = "preferencenotice";
        RegisterClassA(&windowclass);
        handle_ = CreateWindowExA(0, "preferencenotice", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        received.clear();
    }
    ~NoticeWindow() { DestroyWindow(handle_); }
    NoticeWindow(const NoticeWindow&) = delete;
    NoticeWindow& operator=(const NoticeWindow&) = delete;
    HWND handle() const { return handle_; }

    struct Notice {
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
    };
    static std::vector<Notice> received;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message >= 0xC000) received.push_back({message, wparam, lparam});   // registered messages
        return DefWindowProcA(window, message, wparam, lparam);
    }
    HWND handle_;
};
std::vector<NoticeWindow::Notice> NoticeWindow::received;

TEST_F(PreferenceDialog, DestroyingTheDialogTellsTheNoticeWindowOnlyWhenOneIsSet) {
    NoticeWindow notice;
    ASSERT_EQ(nullptr, notifywindow);
    Open().Release();
    app.ProcessMessages();
    EXPECT_EQ(nullptr, preferenceform) << "the global does not outlive the dialog";
    EXPECT_TRUE(NoticeWindow::received.empty());

    notifywindow = notice.handle();
    Open().Release();
    app.ProcessMessages();
    notifywindow = nullptr;
    ASSERT_EQ(1u, NoticeWindow::received.size());
    EXPECT_EQ(RegisterWindowMessageA("Quellan"), NoticeWindow::received[0].message);
    EXPECT_EQ(0u, NoticeWindow::received[0].wparam);
    EXPECT_EQ(0, NoticeWindow::received[0].lparam);
}

// The engine binding of a program directory that holds the picture's engine library, for the
// lifetime of a test.
class BoundEngine {
public:
    explicit BoundEngine(const std::string& programdir) {
        EXPECT_TRUE(CopyFileA((testfiles::ExeDir() + "torven_l.dll").c_str(),
                              (programdir + "torven_l.dll").c_str(), FALSE));
        InitEngineBinding(programdir);
    }
    ~BoundEngine() { FinalEngineBinding(); }
    BoundEngine(const BoundEngine&) = delete;
    BoundEngine& operator=(const BoundEngine&) = delete;
};

// 32-bit pixels of a memory canvas that the engine's surface was copied into.
std::vector<unsigned> SurfacePixels(int surfaceid, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_TRUE(PaintEngineSurface(memory, surfaceid));
    GdiFlush();
    const unsigned* p = static_cast<const unsigned*>(bits);
    std::vector<unsigned> pixels(p, p + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

class PreferencePicture : public ::testing::Test {
protected:
    ~PreferencePicture() override { setupform = nullptr; }   // destroyed with the application
    testfiles::TempDir programdir;
    BoundEngine engine{programdir.path()};
    ui::Application app;
};

TEST_F(PreferencePicture, IsTheSetupDialogsPictureFromTheSameSurface) {
    app.CreateForm(setupform, programdir.path());
    app.CreateForm(preferenceform, programdir.path());
    uitest::Picture picture(preferenceform->Handle());
    const int width = picture.Width(), height = picture.Height();
    std::vector<unsigned> expected = SurfacePixels(setupform->surfaceid, width, height);
    ASSERT_EQ(static_cast<size_t>(width * height), expected.size());
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned p = expected[static_cast<size_t>(y) * width + x];
            differing += picture.At(x, y) != RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    EXPECT_EQ(0, differing);
    EXPECT_LT(picture.Count(GetSysColor(COLOR_BTNFACE), 0, 0, width, height), width * height / 2)
        << "the picture, not the face colour";
}

} // namespace

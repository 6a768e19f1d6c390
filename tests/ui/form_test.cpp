// Forms built from their tables: frame, client size, controls, tab order, Enter and Esc, and
// what the form paints.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "uitest.h"

using namespace uitest;

namespace {

const ui::FormDesc* const kForms[] = {&kControlForm, &kMenuForm};

TEST_F(UiTest, FrameIsFixedSingleWithoutSystemMenuAndClientIsExact) {
    for (const ui::FormDesc* desc : kForms) {
        SCOPED_TRACE(desc->hasmenu ? "with menu" : "without menu");
        ui::Form* form = nullptr;
        app.CreateForm(form, *desc);
        HWND window = form->Handle();
        LONG style = GetWindowLongA(window, GWL_STYLE);
        EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
        EXPECT_EQ(0, style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_EQ(desc->hasmenu, GetMenu(window) != nullptr);
        ShowForm(app, *form);
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(desc->clientwidth, client.right);
        EXPECT_EQ(desc->clientheight, client.bottom);
        RECT frame;
        GetWindowRect(window, &frame);
        EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN) / 2, (frame.left + frame.right) / 2, 1);
        EXPECT_NEAR(GetSystemMetrics(SM_CYSCREEN) / 2, (frame.top + frame.bottom) / 2, 1);
    }
}

TEST_F(UiTest, WindowControlsSitAtTheirTablePositionsAndSizes) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    ShowForm(app, *form);
    for (size_t i = 0; i < kControlForm.componentcount; ++i) {
        const ui::ComponentDesc& d = kControlForm.components[i];
        if (d.kind != ui::Kind::ComboBox && d.kind != ui::Kind::Button) continue;
        SCOPED_TRACE(d.name);
        HWND control = d.kind == ui::Kind::Button ? form->Button(d.name).Handle()
                                                  : form->ComboBox(d.name).Handle();
        RECT r = ClientRectOf(control);
        EXPECT_EQ(d.left, r.left);
        EXPECT_EQ(d.top, r.top);
        EXPECT_EQ(d.width, r.right - r.left);
        EXPECT_EQ(d.height, r.bottom - r.top);
        EXPECT_EQ(d.kind == ui::Kind::Button ? "Button" : "ComboBox", ClassOf(control));
    }
    EXPECT_EQ("OK", WindowText(form->Button("okbutton").Handle()));
}

TEST_F(UiTest, ComboBoxIsADropDownListWithItsItemsUnsorted) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    ui::ComboBox fruits = form->ComboBox("fruitcbox");
    EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongA(fruits.Handle(), GWL_STYLE) & 3);
    EXPECT_EQ(0, GetWindowLongA(fruits.Handle(), GWL_STYLE) & CBS_SORT);
    ASSERT_EQ(3, fruits.ItemCount());
    EXPECT_EQ("pear", fruits.Item(0));
    EXPECT_EQ("apple", fruits.Item(1));
    EXPECT_EQ("fig", fruits.Item(2));
    EXPECT_EQ("", fruits.Item(3));
    // The list's item height (14) is not checked: Wine applies it to owner-drawn lists only.

    EXPECT_EQ(-1, fruits.ItemIndex());
    fruits.SetItemIndex(2);
    EXPECT_EQ(2, fruits.ItemIndex());
    EXPECT_EQ(2, SendMessageA(fruits.Handle(), CB_GETCURSEL, 0, 0));
    fruits.SetItemIndex(-1);
    EXPECT_EQ(-1, fruits.ItemIndex());
    fruits.SetItemIndex(1);
    fruits.SetItemIndex(7);   // out of range: no selection
    EXPECT_EQ(-1, fruits.ItemIndex());

    fruits.AddItem("banana");
    EXPECT_EQ("banana", fruits.Item(3));
    fruits.ClearItems();
    EXPECT_EQ(0, fruits.ItemCount());

    EXPECT_TRUE(fruits.Enabled());
    EXPECT_FALSE(form->ComboBox("lockedcbox").Enabled());
    fruits.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(fruits.Handle()));
}

TEST_F(UiTest, ControlsAndPaintingUseTheFormFontByItsWideFaceName) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kMenuForm);
    LOGFONTW painted = {};
    form->OnPaint = [&painted](HDC dc) {
        GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof painted, &painted);
    };
    Picture picture(form->Handle());
    EXPECT_EQ(std::wstring(kMenuForm.fontface), painted.lfFaceName);
    EXPECT_EQ(-12, painted.lfHeight);

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(form->Button("okbutton").Handle(), WM_GETFONT, 0, 0));
    LOGFONTW control = {};
    ASSERT_TRUE(GetObjectW(font, sizeof control, &control));
    EXPECT_EQ(std::wstring(kMenuForm.fontface), control.lfFaceName);
}

TEST_F(UiTest, UnknownComponentNamesAreProgramFaults) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    EXPECT_THROW(form->ComboBox("nosuchcbox"), std::logic_error);
    EXPECT_THROW(form->Button("fruitcbox"), std::logic_error);   // exists, but is no button
    EXPECT_THROW(form->Menu(), std::logic_error);
}

BOOL CALLBACK CountForms(HWND window, LPARAM count) {
    if (ClassOf(window) == "uiform") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(UiTest, AFaultyTableLeavesNoWindowBehind) {
    const ui::ComponentDesc rootwithoutmenu[] = {
        {ui::Kind::Button, "okbutton", 10, 10, 75, 25, "OK", nullptr, 0, 0, 0},
        {ui::Kind::MenuRoot, "lostroot", 0, 0, 0, 0, "Lost", nullptr, -1, 0, 0},
    };
    const ui::FormDesc faulty = {200, 100, L"Arial", -11, false, rootwithoutmenu, std::size(rootwithoutmenu)};
    ui::Form* form = nullptr;
    EXPECT_THROW(app.CreateForm(form, faulty), std::logic_error);
    int forms = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountForms, reinterpret_cast<LPARAM>(&forms));
    EXPECT_EQ(0, forms);
    EXPECT_EQ(nullptr, app.MainForm());
    app.ProcessMessages();   // nothing left to call into a freed form
}

TEST_F(UiTest, AFormWithoutControlsTakesTheKeysItself) {
    const ui::FormDesc bare = {200, 100, L"Arial", -11, false, nullptr, 0};
    ui::Form* form = nullptr;
    app.CreateForm(form, bare);
    std::vector<unsigned> keys;
    form->OnKeyDown = [&keys](unsigned key) { keys.push_back(key); };
    ShowForm(app, *form);
    EXPECT_EQ(form->Handle(), GetFocus());
    PressKey(app, 'Q');
    EXPECT_EQ(std::vector<unsigned>{'Q'}, keys);
}

TEST_F(UiTest, TabVisitsTheEnabledControlsInTabOrder) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    ShowForm(app, *form);
    // lockedcbox is disabled, so Tab skips it and wraps round.
    const char* const expected[] = {"fruitcbox", "applybutton", "colourcbox", "okbutton",
                                    "cancelbutton", "fruitcbox"};
    auto handleof = [form](const std::string& name) {
        return name.find("cbox") != std::string::npos ? form->ComboBox(name).Handle()
                                                      : form->Button(name).Handle();
    };
    EXPECT_EQ(handleof(expected[0]), GetFocus()) << "the first control takes the focus";
    for (size_t i = 1; i < std::size(expected); ++i) {
        PressKey(app, VK_TAB);
        EXPECT_EQ(handleof(expected[i]), GetFocus()) << "Tab number " << i << " should reach " << expected[i];
    }
}

struct KeyCase {
    const char* name;
    const char* focus;    // the control that has the focus
    UINT key;
    const char* pressed;  // the button whose click handler runs
};

const KeyCase kKeyCases[] = {
    {"EnterOnComboPressesDefault", "fruitcbox", VK_RETURN, "okbutton"},
    {"EnterOnOtherButtonPressesIt", "applybutton", VK_RETURN, "applybutton"},
    {"EnterOnDefaultPressesIt", "okbutton", VK_RETURN, "okbutton"},
    {"EscOnComboPressesCancel", "colourcbox", VK_ESCAPE, "cancelbutton"},
    {"EscOnOtherButtonPressesCancel", "applybutton", VK_ESCAPE, "cancelbutton"},
};

class KeyTest : public UiTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, PressesTheRightButton) {
    const KeyCase& c = GetParam();
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    std::vector<std::string> pressed;
    for (const char* name : {"okbutton", "applybutton", "cancelbutton"})
        form->Button(name).OnClick([&pressed, name] { pressed.push_back(name); });
    ShowForm(app, *form);
    HWND focus = std::string(c.focus).find("cbox") != std::string::npos ? form->ComboBox(c.focus).Handle()
                                                                        : form->Button(c.focus).Handle();
    SetFocus(focus);
    app.ProcessMessages();
    ASSERT_EQ(focus, GetFocus());
    PressKey(app, c.key);
    EXPECT_EQ(std::vector<std::string>{c.pressed}, pressed);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(UiTest, ButtonsOnlyShowTheDefaultFrameWhereEnterWouldPress) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    ShowForm(app, *form);
    auto isdefault = [form](const char* name) {
        return (GetWindowLongA(form->Button(name).Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    EXPECT_TRUE(isdefault("okbutton"));
    EXPECT_FALSE(isdefault("applybutton"));
    SetFocus(form->Button("applybutton").Handle());
    app.ProcessMessages();
    EXPECT_FALSE(isdefault("okbutton"));
    EXPECT_TRUE(isdefault("applybutton"));
    SetFocus(form->ComboBox("fruitcbox").Handle());
    app.ProcessMessages();
    EXPECT_TRUE(isdefault("okbutton"));
    EXPECT_FALSE(isdefault("applybutton"));
}

TEST_F(UiTest, DisabledCancelButtonIsNotPressedByEsc) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    bool pressed = false;
    form->Button("cancelbutton").OnClick([&pressed] { pressed = true; });
    ShowForm(app, *form);
    EnableWindow(form->Button("cancelbutton").Handle(), FALSE);
    PressKey(app, VK_ESCAPE);
    EXPECT_FALSE(pressed);
}

TEST_F(UiTest, KeysTheFormItselfReceivesReachItsKeyDownHandler) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    std::vector<unsigned> keys;
    form->OnKeyDown = [&keys](unsigned key) { keys.push_back(key); };
    SendMessageA(form->Handle(), WM_KEYDOWN, 'A', 1);
    SendMessageA(form->Handle(), WM_KEYDOWN, VK_F5, 1);
    EXPECT_EQ((std::vector<unsigned>{'A', VK_F5}), keys);
}

// Painting ---------------------------------------------------------------------------------

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

TEST_F(UiTest, BackgroundIsTheFaceColourWithoutAPaintHandler) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    Picture picture(form->Handle());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture.At(424, 302));
}

struct BevelPixel {
    int x, y;
    int syscolor;   // -1: the handler's blue shows
};

TEST_F(UiTest, BevelsAreDrawnOverWhatThePaintHandlerDrew) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    form->OnPaint = [](HDC dc) {
        HBRUSH blue = CreateSolidBrush(kBlue);
        RECT all = {0, 0, 425, 303};
        FillRect(dc, &all, blue);
        DeleteObject(blue);
    };
    Picture picture(form->Handle());
    // Lowered boxes: shadow along the top and left edges, highlight along the bottom and right.
    const BevelPixel pixels[] = {
        {100, 100, COLOR_BTNSHADOW},    {148, 100, COLOR_BTNSHADOW},   // flatbevel 100,100 50x2
        {100, 101, COLOR_BTNHIGHLIGHT}, {149, 101, COLOR_BTNHIGHLIGHT},
        {149, 100, COLOR_BTNHIGHLIGHT}, {100, 99, -1},  {150, 100, -1}, {100, 102, -1},
        {200, 100, COLOR_BTNSHADOW},    {200, 116, COLOR_BTNSHADOW},   // tallbevel 200,100 2x18
        {201, 101, COLOR_BTNHIGHLIGHT}, {200, 117, COLOR_BTNHIGHLIGHT},
        {199, 110, -1}, {202, 110, -1}, {200, 118, -1},
    };
    for (const BevelPixel& p : pixels) {
        COLORREF expected = p.syscolor < 0 ? kBlue : GetSysColor(p.syscolor);
        EXPECT_EQ(expected, picture.At(p.x, p.y)) << "at " << p.x << "," << p.y;
    }
}

TEST_F(UiTest, VisibleLabelsAreDrawnInTheirColourAndInvisibleOnesAreNot) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    ui::Label hidden = form->Label("hiddenlabel");
    ui::Label shown = form->Label("shownlabel");
    hidden.SetFontColor(kRed);
    shown.SetFontColor(kRed);
    Picture picture(form->Handle());
    EXPECT_EQ(0, picture.Count(kRed, 0, 230, 120, 262)) << "hiddenlabel at 10,240";
    EXPECT_GT(picture.Count(kRed, shown.Left(), shown.Top(), shown.Left() + 60, shown.Top() + 14), 10)
        << "shownlabel at 10,270";
    EXPECT_EQ(0, picture.Count(kRed, 0, 0, 425, 262)) << "nothing red above the shown label";

    shown.SetVisible(false);
    hidden.SetVisible(true);
    Picture swapped(form->Handle());
    EXPECT_EQ(0, swapped.Count(kRed, 0, 262, 120, 303));
    EXPECT_GT(swapped.Count(kRed, 10, 240, 70, 254), 10);
}

TEST_F(UiTest, LabelsKeepTheirTableDataAndComponentListOrder) {
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    std::vector<ui::Label> labels = form->Labels();
    ASSERT_EQ(2u, labels.size());
    EXPECT_EQ("HIDDEN", labels[0].Caption());
    EXPECT_FALSE(labels[0].Visible());
    EXPECT_EQ("SHOWN", labels[1].Caption());
    EXPECT_TRUE(labels[1].Visible());
    EXPECT_EQ(10, labels[1].Left());
    EXPECT_EQ(270, labels[1].Top());
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), labels[1].FontColor());
    labels[0].SetCaption("changed");
    EXPECT_EQ("changed", form->Label("hiddenlabel").Caption());
}

} // namespace

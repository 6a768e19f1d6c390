// The application: the exception barrier and its error box, modal showing, release, the
// message loop's end, the icon.
#include <gtest/gtest.h>
#include <functional>
#include <stdexcept>
#include <string>
#include "uitest.h"

using namespace uitest;

namespace {

// An error whose message is empty, like the string list's range error.
class SilentError : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};

std::string ProgramName() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name.erase(0, name.find_last_of('\\') + 1);
    return name.substr(0, name.rfind('.'));
}

void Click(ui::Application& app, ui::Button button) {
    PostMessageA(button.Handle(), BM_CLICK, 0, 0);
    app.ProcessMessages();
}

struct ThrowCase {
    const char* name;
    std::function<void()> raise;
    std::string shown;
};

class ErrorBoxTest : public UiTest, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(ErrorBoxTest, WhatLeavesAHandlerIsShownAndTheProgramGoesOn) {
    BoxCatcher boxes;
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    bool finished = false, other = false;
    form->Button("applybutton").OnClick([&finished] {
        GetParam().raise();
        finished = true;
    });
    form->Button("okbutton").OnClick([&other] { other = true; });
    ShowForm(app, *form);

    Click(app, form->Button("applybutton"));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(GetParam().shown, boxes.Boxes()[0].text);
    EXPECT_EQ(ProgramName(), boxes.Boxes()[0].title);
    EXPECT_EQ(form->Handle(), boxes.Boxes()[0].owner);
    EXPECT_FALSE(finished) << "the rest of the handler is skipped";

    Click(app, form->Button("okbutton"));
    EXPECT_TRUE(other) << "the form still works";
    EXPECT_EQ(1u, boxes.Boxes().size());
}

const ThrowCase kThrowCases[] = {
    {"FileError", [] { throw std::runtime_error("cannot write \"C:\\app\\profile\\zelloc.txt\": Access is denied. (5)"); },
     "cannot write \"C:\\app\\profile\\zelloc.txt\": Access is denied. (5)"},
    {"EmptyMessage", [] { throw SilentError(); }, ui::kFallbackErrorText},
    {"NoStandardException", [] { throw 42; }, ui::kFallbackErrorText},
};

INSTANTIATE_TEST_SUITE_P(Errors, ErrorBoxTest, ::testing::ValuesIn(kThrowCases),
                         [](const ::testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });

class FailingCreateForm : public ui::Form {
public:
    FailingCreateForm() : ui::Form(kControlForm) {
        OnCreate = [this] {
            begun = true;
            throw std::runtime_error("cannot read \"language\\x.lcl\": Access is denied. (5)");
        };
    }
    bool begun = false;
};

TEST_F(UiTest, AnErrorInTheCreateHandlerIsShownAndTheFormStays) {
    BoxCatcher boxes;
    FailingCreateForm* form = nullptr;
    app.CreateForm(form);
    ASSERT_NE(nullptr, form);
    EXPECT_TRUE(form->begun);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("cannot read \"language\\x.lcl\": Access is denied. (5)", boxes.Boxes()[0].text);
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_EQ(form, app.MainForm());
}

TEST_F(UiTest, AnErrorInThePaintHandlerIsShownAndTheBevelsStillDrawn) {
    BoxCatcher boxes;
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    form->OnPaint = [](HDC) { throw std::runtime_error("no picture"); };
    Picture picture(form->Handle());
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("no picture", boxes.Boxes()[0].text);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), picture.At(100, 100));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture.At(0, 0));
}

TEST_F(UiTest, ShowModalDisablesTheMainFormAndReturnsAfterClose) {
    ui::Form* main = nullptr;
    ui::Form* modal = nullptr;
    app.CreateForm(main, kControlForm);
    app.CreateForm(modal, kMenuForm);
    EXPECT_EQ(main, app.MainForm());
    EXPECT_EQ(main->Handle(), GetWindow(modal->Handle(), GW_OWNER));
    ShowForm(app, *main);

    bool mainenabled = true, modalvisible = false;
    modal->Button("okbutton").OnClick([&] {
        mainenabled = IsWindowEnabled(main->Handle()) != FALSE;
        modalvisible = IsWindowVisible(modal->Handle()) != FALSE;
        modal->Close();
    });
    PostMessageA(modal->Button("okbutton").Handle(), BM_CLICK, 0, 0);
    modal->ShowModal();
    EXPECT_FALSE(mainenabled);
    EXPECT_TRUE(modalvisible);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(IsWindowVisible(modal->Handle()));
    EXPECT_TRUE(IsWindow(modal->Handle())) << "closed, not destroyed";
    EXPECT_FALSE(app.Terminated());
}

TEST_F(UiTest, EscClosesAModalFormThroughItsCancelButton) {
    ui::Form* main = nullptr;
    ui::Form* modal = nullptr;
    app.CreateForm(main, kControlForm);
    app.CreateForm(modal, kMenuForm);
    ShowForm(app, *main);
    int clicks = 0;
    modal->Button("okbutton").OnClick([&] {
        ++clicks;
        modal->Close();
    });
    PostMessageA(modal->Button("okbutton").Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    modal->ShowModal();
    EXPECT_EQ(1, clicks);
}

TEST_F(UiTest, ReleaseDestroysTheFormOnceQueuedMessagesAreHandled) {
    ui::Form* main = nullptr;
    ui::Form* released = nullptr;
    app.CreateForm(main, kControlForm);
    app.CreateForm(released, kMenuForm);
    HWND window = released->Handle();
    HWND button = released->Button("okbutton").Handle();
    bool destroyed = false, controlsalive = false, queuedhandled = false;
    released->OnDestroy = [&] {
        destroyed = true;
        controlsalive = IsWindow(button) != FALSE;
    };
    released->OnKeyDown = [&](unsigned) { queuedhandled = !destroyed; };
    PostMessageA(window, WM_KEYDOWN, 'A', 1);   // queued before the release
    released->Release();
    EXPECT_FALSE(destroyed);
    EXPECT_TRUE(IsWindow(window));
    app.ProcessMessages();
    EXPECT_TRUE(queuedhandled);
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(controlsalive) << "the destroy handler runs while the controls exist";
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(main, app.MainForm());
}

TEST_F(UiTest, ClosingTheMainFormEndsRunWhichDestroysTheForms) {
    ui::Form* main = nullptr;
    ui::Form* other = nullptr;
    app.CreateForm(main, kControlForm);
    app.CreateForm(other, kMenuForm);
    main->ComboBox("fruitcbox").SetItemIndex(1);
    main->Button("okbutton").OnClick([&main] { main->Close(); });
    int selected = -2;
    std::string order;
    main->OnDestroy = [&] {
        selected = main->ComboBox("fruitcbox").ItemIndex();
        order += "main ";
    };
    other->OnDestroy = [&] { order += "other "; };
    PostMessageA(main->Button("okbutton").Handle(), BM_CLICK, 0, 0);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(1, selected) << "the destroy handler still reads its controls";
    EXPECT_EQ("other main ", order) << "the last created goes first";
    EXPECT_EQ(nullptr, app.MainForm());
}

// The system may end the process as soon as WM_ENDSESSION returns: the destroy events must have
// run by then, once, and the loop ends. A session that goes on (wParam FALSE) changes nothing.
TEST_F(UiTest, TheEndOfTheSessionRaisesTheDestroyEventsAtOnceAndOnlyOnce) {
    ui::Form* main = nullptr;
    ui::Form* other = nullptr;
    app.CreateForm(main, kControlForm);
    app.CreateForm(other, kMenuForm);
    std::string order;
    main->OnDestroy = [&] { order += "main "; };
    other->OnDestroy = [&] { order += "other "; };

    SendMessageA(main->Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ("", order);
    EXPECT_FALSE(app.Terminated());

    SendMessageA(other->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ("other main ", order);
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(IsWindow(main->Handle())) << "the windows stay until the loop has ended";
    SendMessageA(main->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);   // every window gets it
    app.Run();
    EXPECT_EQ("other main ", order);
    EXPECT_EQ(nullptr, app.MainForm());
}

TEST_F(UiTest, FormsTakeACopyOfTheIconAndAMissingIconIsNoError) {
    EXPECT_EQ(nullptr, app.Icon()) << "the test program has no MAINICON";
    ui::Form* form = nullptr;
    app.CreateForm(form, kControlForm);
    form->SetIcon(app.Icon());
    EXPECT_EQ(0, SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0));
    HICON shared = LoadIcon(nullptr, IDI_APPLICATION);
    form->SetIcon(shared);
    LRESULT icon = SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(0, icon);
    EXPECT_NE(reinterpret_cast<LRESULT>(shared), icon);
}

TEST_F(UiTest, ThereIsOneApplicationAtATime) {
    EXPECT_EQ(&app, &ui::App());
    EXPECT_THROW(ui::Application second, std::logic_error);
    EXPECT_EQ(&app, &ui::App());
}

} // namespace

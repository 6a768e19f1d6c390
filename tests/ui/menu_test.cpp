// The main menu: roots from the table, items made in code, clicks raised on opening.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "uitest.h"

using namespace uitest;

namespace {

// An item that carries data of its own, as a dialog's item class does.
class PathItem : public ui::MenuItem {
public:
    std::string dirpath;
};

std::string MenuText(HMENU menu, int position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

std::unique_ptr<PathItem> NewItem(const std::string& caption, const std::string& dirpath) {
    auto item = std::make_unique<PathItem>();
    item->SetCaption(caption);
    item->SetHint(dirpath + "\\picture.png");
    item->dirpath = dirpath;
    return item;
}

class MenuTest : public UiTest {
protected:
    void SetUp() override {
        app.CreateForm(form, kMenuForm);
        bar = GetMenu(form->Handle());
        ASSERT_EQ(form->Menu().Handle(), bar);
    }
    ui::Form* form = nullptr;
    HMENU bar = nullptr;
};

TEST_F(MenuTest, BarShowsTheVisibleRootsInTableOrder) {
    ASSERT_EQ(2, GetMenuItemCount(bar));
    EXPECT_EQ("Full(&F)", MenuText(bar, 0));
    EXPECT_EQ("Plain(&P)", MenuText(bar, 1));
    ASSERT_EQ(3, form->Menu().RootCount());
    EXPECT_EQ("hiddenroot", form->Menu().Root(0).Name());
    EXPECT_FALSE(form->MenuRoot("hiddenroot").Visible());
    EXPECT_THROW(form->MenuRoot("nosuchroot"), std::logic_error);
}

TEST_F(MenuTest, InvisibleRootKeepsItsItemsOffTheBar) {
    ui::MenuItem& hidden = form->MenuRoot("hiddenroot");
    hidden.Add(NewItem("one", "C:\\a\\one"));
    hidden.Add(NewItem("two", "C:\\a\\two"));
    ASSERT_EQ(2, hidden.Count());
    EXPECT_EQ("two", hidden.Items(1).Caption());
    EXPECT_EQ("C:\\a\\two", static_cast<PathItem&>(hidden.Items(1)).dirpath);
    EXPECT_EQ("C:\\a\\two\\picture.png", hidden.Items(1).Hint());
    ASSERT_EQ(2, GetMenuItemCount(bar));
    for (int i = 0; i < 2; ++i) EXPECT_NE("Hidden(&H)", MenuText(bar, i));
}

TEST_F(MenuTest, FirstItemTurnsAPlainRootIntoADropDown) {
    EXPECT_EQ(nullptr, GetSubMenu(bar, 0));
    form->MenuRoot("fullroot").Add(NewItem("alpha", "C:\\alpha"));
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ("Full(&F)", MenuText(bar, 0));
    ASSERT_EQ(1, GetMenuItemCount(popup));
    EXPECT_EQ("alpha", MenuText(popup, 0));
}

TEST_F(MenuTest, OpeningADropDownRaisesItsRootsClickWhichSetsCheckMarks) {
    ui::MenuItem& full = form->MenuRoot("fullroot");
    full.Add(NewItem("alpha", "C:\\alpha"));
    full.Add(NewItem("beta", "C:\\beta"));
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(0u, GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED) << "items start unchecked";

    std::vector<std::string> opened;
    for (const char* name : {"hiddenroot", "fullroot", "plainroot"}) {
        form->MenuRoot(name).OnClick = [&opened](ui::MenuItem& sender) {
            opened.push_back(sender.Name());
            // Mark the items whose path ends in "beta", as a dialog marks enabled add-ons.
            for (int i = 0; i < sender.Count(); ++i) {
                const std::string& path = static_cast<PathItem&>(sender.Items(i)).dirpath;
                sender.Items(i).SetChecked(path.size() >= 4 && path.compare(path.size() - 4, 4, "beta") == 0);
            }
        };
    }
    SendMessageA(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(std::vector<std::string>{"fullroot"}, opened);
    EXPECT_FALSE(full.Items(0).Checked());
    EXPECT_TRUE(full.Items(1).Checked());
    EXPECT_EQ(0u, GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(popup, 1, MF_BYPOSITION) & MF_CHECKED);

    full.Items(1).SetChecked(false);
    EXPECT_EQ(0u, GetMenuState(popup, 1, MF_BYPOSITION) & MF_CHECKED);

    // A drop-down that is none of the roots' raises nothing.
    HMENU other = CreatePopupMenu();
    SendMessageA(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(other), 0);
    DestroyMenu(other);
    EXPECT_EQ(1u, opened.size());
}

TEST_F(MenuTest, ChoosingAnItemRaisesItsClickWithItself) {
    ui::MenuItem& full = form->MenuRoot("fullroot");
    full.Add(NewItem("alpha", "C:\\alpha"));
    full.Add(NewItem("beta", "C:\\beta"));
    std::vector<std::string> chosen;
    for (int i = 0; i < full.Count(); ++i)
        full.Items(i).OnClick = [&chosen](ui::MenuItem& sender) {
            chosen.push_back(static_cast<PathItem&>(sender).dirpath);
        };
    bool rootclicked = false;
    full.OnClick = [&rootclicked](ui::MenuItem&) { rootclicked = true; };
    UINT beta = GetMenuItemID(GetSubMenu(bar, 0), 1);
    PostMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(beta, 0), 0);
    app.ProcessMessages();
    EXPECT_EQ(std::vector<std::string>{"C:\\beta"}, chosen);
    EXPECT_FALSE(rootclicked);
}

TEST_F(MenuTest, ChoosingARootWithoutItemsRaisesTheRootsClick) {
    int clicks = 0;
    form->MenuRoot("plainroot").OnClick = [&clicks](ui::MenuItem& sender) {
        EXPECT_EQ("plainroot", sender.Name());
        ++clicks;
    };
    UINT plain = GetMenuItemID(bar, 1);
    ASSERT_NE(static_cast<UINT>(-1), plain);
    PostMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(plain, 0), 0);
    app.ProcessMessages();
    EXPECT_EQ(1, clicks);
}

TEST_F(MenuTest, CaptionChangesReachTheMenu) {
    ui::MenuItem& full = form->MenuRoot("fullroot");
    full.Add(NewItem("alpha", "C:\\alpha"));
    full.Items(0).SetChecked(true);
    full.Items(0).SetCaption("renamed");
    HMENU popup = GetSubMenu(bar, 0);
    EXPECT_EQ("renamed", MenuText(popup, 0));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED);
    full.SetCaption("Other(&O)");
    EXPECT_EQ("Other(&O)", MenuText(bar, 0));
    EXPECT_EQ(popup, GetSubMenu(bar, 0));
}

TEST_F(MenuTest, OnlyRootsHoldItems) {
    ui::MenuItem& full = form->MenuRoot("fullroot");
    full.Add(NewItem("alpha", "C:\\alpha"));
    EXPECT_THROW(full.Items(0).Add(NewItem("nested", "C:\\n")), std::logic_error);
}

} // namespace

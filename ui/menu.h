// The main menu of a form: a bar of root items, each with a drop-down of items made in code.
// A root raises its click when its drop-down is about to open, so its handler can set the
// items' check marks from the state of that moment; a root without items is a plain bar entry
// whose choice raises the root's click. An invisible root keeps its items but is not on the bar.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
#include "handles.h"

namespace ui {

class MainMenu;

// A menu item: a root of the bar (from the form's table) or an item of a root's drop-down.
// Derive from it to carry data of your own; the root that holds an item owns it.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Carried for the application; the menu shows it nowhere.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }

    // Raised with the item itself as sender.
    std::function<void(MenuItem& sender)> OnClick;

    // Appends item as the last item of this root's drop-down; the root owns it from now on.
    void Add(std::unique_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }

private:
    friend class MainMenu;
    std::string name_, caption_, hint_;
    bool checked_ = false;
    bool visible_ = true;
    UINT id_ = 0;                 // command id, once the item belongs to a menu
    HMENU parent_ = nullptr;      // the drop-down (or the bar) that shows the item
    MainMenu* menu_ = nullptr;    // set on roots
    OwnedMenu popup_;             // roots: the drop-down, kept even while not on the bar
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class MainMenu {
public:
    explicit MainMenu(HWND form);
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    HMENU Handle() const { return bar_.get(); }
    MenuItem& AddRoot(const std::string& name, const std::string& caption, bool visible);
    int RootCount() const { return static_cast<int>(roots_.size()); }
    MenuItem& Root(int index) const { return *roots_.at(static_cast<size_t>(index)); }
    MenuItem* FindRoot(const std::string& name) const;

    // The form's window procedure hands these on; true when the message was the menu's.
    bool HandleInitPopup(HMENU popup);
    bool HandleCommand(UINT id);

private:
    friend class MenuItem;
    UINT NewId() { return nextid_++; }
    void RebuildBar();

    HWND form_;
    OwnedMenu bar_;
    UINT nextid_;
    std::vector<std::unique_ptr<MenuItem>> roots_;
};

} // namespace ui

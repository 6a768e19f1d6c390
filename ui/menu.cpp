#include "menu.h"

#include <stdexcept>
#include "errorbox.h"

namespace ui {

namespace {

// Command ids of menu entries; the controls of a form use ids below this.
const UINT kFirstMenuId = 1000;

UINT CheckFlag(bool checked) { return checked ? MF_CHECKED : MF_UNCHECKED; }

void RaiseClick(MenuItem& item) {
    Guard([&item] {
        if (item.OnClick) item.OnClick(item);
    });
}

} // namespace

MenuItem::~MenuItem() = default;

void MenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (menu_) {
        menu_->RebuildBar();
    } else if (parent_) {
        ModifyMenuA(parent_, id_, MF_BYCOMMAND | MF_STRING | CheckFlag(checked_), id_,
                    caption_.c_str());
    }
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (parent_ && !menu_) CheckMenuItem(parent_, id_, MF_BYCOMMAND | CheckFlag(checked_));
}

void MenuItem::Add(std::unique_ptr<MenuItem> item) {
    if (!menu_) throw std::logic_error("only a root of the main menu holds menu items");
    item->id_ = menu_->NewId();
    item->parent_ = popup_.get();
    AppendMenuA(popup_.get(), MF_STRING | CheckFlag(item->checked_), item->id_,
                item->caption_.c_str());
    items_.push_back(std::move(item));
    // The first item turns the plain bar entry into a drop-down.
    if (items_.size() == 1 && visible_) menu_->RebuildBar();
}

MainMenu::MainMenu(HWND form) : form_(form), bar_(CreateMenu()), nextid_(kFirstMenuId) {}

MainMenu::~MainMenu() {
    // RemoveMenu detaches a drop-down without destroying it: each root frees its own.
    while (GetMenuItemCount(bar_.get()) > 0) RemoveMenu(bar_.get(), 0, MF_BYPOSITION);
}

MenuItem& MainMenu::AddRoot(const std::string& name, const std::string& caption, bool visible) {
    auto root = std::make_unique<MenuItem>();
    root->name_ = name;
    root->caption_ = caption;
    root->visible_ = visible;
    root->id_ = NewId();
    root->menu_ = this;
    root->popup_.reset(CreatePopupMenu());
    roots_.push_back(std::move(root));
    RebuildBar();
    return *roots_.back();
}

MenuItem* MainMenu::FindRoot(const std::string& name) const {
    for (const auto& root : roots_)
        if (root->name_ == name) return root.get();
    return nullptr;
}

void MainMenu::RebuildBar() {
    HMENU bar = bar_.get();
    while (GetMenuItemCount(bar) > 0) RemoveMenu(bar, 0, MF_BYPOSITION);
    for (const auto& root : roots_) {
        if (!root->visible_) continue;
        if (root->items_.empty())
            AppendMenuA(bar, MF_STRING, root->id_, root->caption_.c_str());
        else
            AppendMenuA(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(root->popup_.get()),
                        root->caption_.c_str());
    }
    if (GetMenu(form_) == bar) DrawMenuBar(form_);
}

bool MainMenu::HandleInitPopup(HMENU popup) {
    for (const auto& root : roots_) {
        if (root->popup_.get() == popup) {
            RaiseClick(*root);
            return true;
        }
    }
    return false;
}

bool MainMenu::HandleCommand(UINT id) {
    for (const auto& root : roots_) {
        if (root->id_ == id) {
            RaiseClick(*root);
            return true;
        }
        for (const auto& item : root->items_) {
            if (item->id_ == id) {
                RaiseClick(*item);
                return true;
            }
        }
    }
    return false;
}

} // namespace ui

// The controls of a form as handlers see them: thin wrappers found by name on the form
// (Form::Label, Form::ComboBox, Form::Button). They are cheap to copy and stay valid as long as
// their form lives.
#pragma once
#include <functional>
#include <string>
#include <windows.h>
#include "formdesc.h"

namespace ui {

// One entry of a form's component list: the table row and the state that belongs to it.
struct Component {
    const ComponentDesc* desc = nullptr;
    HWND form = nullptr;             // the form's window
    HWND window = nullptr;           // combo boxes and buttons; graphic controls have none
    std::string caption;             // labels
    COLORREF fontcolor = 0;          // labels
    bool visible = true;             // labels
    std::function<void()> onclick;   // buttons
};

// A graphic control: a caption drawn by the form at the label's left and top, in the form's
// font and the label's font colour, without a background. Invisible labels are not drawn.
class Label {
public:
    explicit Label(Component* component) : c_(component) {}
    const std::string& Caption() const { return c_->caption; }
    void SetCaption(const std::string& caption);
    COLORREF FontColor() const { return c_->fontcolor; }
    void SetFontColor(COLORREF color);
    int Left() const { return c_->desc->left; }
    int Top() const { return c_->desc->top; }
    bool Visible() const { return c_->visible; }
    void SetVisible(bool visible);

private:
    Component* c_;
};

// A drop-down list: the user picks one of the items or none.
class ComboBox {
public:
    explicit ComboBox(Component* component) : c_(component) {}
    HWND Handle() const { return c_->window; }
    void AddItem(const std::string& item);   // appended last: the list is not sorted
    void ClearItems();
    int ItemCount() const;
    std::string Item(int index) const;       // "" for an index out of range
    // The selected item, -1 for none (CB_GETCURSEL returns CB_ERR, -1, without a selection).
    int ItemIndex() const;
    // -1, or any index out of range, leaves the box without a selection.
    void SetItemIndex(int index);
    bool Enabled() const;
    void SetEnabled(bool enabled);

private:
    Component* c_;
};

// A push button; its click handler runs when it is clicked, or pressed by Enter or Esc in its
// default or cancel role.
class Button {
public:
    explicit Button(Component* component) : c_(component) {}
    HWND Handle() const { return c_->window; }
    void OnClick(std::function<void()> handler) { c_->onclick = std::move(handler); }

private:
    Component* c_;
};

// Painting of the graphic controls into any device context.
void DrawLabel(HDC dc, const Component& label);
void DrawBevel(HDC dc, const Component& bevel);

} // namespace ui

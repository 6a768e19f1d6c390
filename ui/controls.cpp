#include "controls.h"

#include <vector>

namespace ui {

namespace {

LRESULT Send(const Component* c, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    return SendMessageA(c->window, message, wparam, lparam);
}

// Graphic controls have no window: a change shows at the form's next paint.
void Repaint(const Component* c) { InvalidateRect(c->form, nullptr, FALSE); }

void FillPixels(HDC dc, int left, int top, int right, int bottom, int syscolor) {
    RECT r = {left, top, right, bottom};
    FillRect(dc, &r, GetSysColorBrush(syscolor));
}

} // namespace

void Label::SetCaption(const std::string& caption) {
    c_->caption = caption;
    Repaint(c_);
}

void Label::SetFontColor(COLORREF color) {
    c_->fontcolor = color;
    Repaint(c_);
}

void Label::SetVisible(bool visible) {
    c_->visible = visible;
    Repaint(c_);
}

void ComboBox::AddItem(const std::string& item) {
    Send(c_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::ClearItems() { Send(c_, CB_RESETCONTENT); }

int ComboBox::ItemCount() const { return static_cast<int>(Send(c_, CB_GETCOUNT)); }

std::string ComboBox::Item(int index) const {
    // CB_GETLBTEXTLEN returns CB_ERR for an index out of range.
    LRESULT length = Send(c_, CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) return "";
    std::vector<char> text(static_cast<size_t>(length) + 1);
    Send(c_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

int ComboBox::ItemIndex() const { return static_cast<int>(Send(c_, CB_GETCURSEL)); }

void ComboBox::SetItemIndex(int index) {
    // CB_SETCURSEL with -1 clears the selection. Windows clears it for an index out of range
    // as well, but Wine keeps the old one: ask for -1 outright.
    if (index >= ItemCount()) index = -1;
    Send(c_, CB_SETCURSEL, static_cast<WPARAM>(index < 0 ? -1 : index));
}

bool ComboBox::Enabled() const { return IsWindowEnabled(c_->window) != FALSE; }

void ComboBox::SetEnabled(bool enabled) { EnableWindow(c_->window, enabled); }

void DrawLabel(HDC dc, const Component& label) {
    if (!label.visible) return;
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF color = SetTextColor(dc, label.fontcolor);
    TextOutA(dc, label.desc->left, label.desc->top, label.caption.c_str(),
             static_cast<int>(label.caption.size()));
    SetTextColor(dc, color);
    SetBkMode(dc, mode);
}

void DrawBevel(HDC dc, const Component& bevel) {
    // A box: one-pixel edges along the bevel's rectangle. Lowered means lit from the bottom
    // right (shadow on the top and left edges); the bottom and right edges are drawn last so
    // that they own the corners they share.
    const ComponentDesc& d = *bevel.desc;
    bool lowered = (d.flags & BevelLowered) != 0;
    int topleft = lowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    int bottomright = lowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
    int right = d.left + d.width, bottom = d.top + d.height;
    FillPixels(dc, d.left, d.top, right, d.top + 1, topleft);
    FillPixels(dc, d.left, d.top, d.left + 1, bottom, topleft);
    FillPixels(dc, d.left, bottom - 1, right, bottom, bottomright);
    FillPixels(dc, right - 1, d.top, right, bottom, bottomright);
}

} // namespace ui

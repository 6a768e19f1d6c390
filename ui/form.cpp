#include "form.h"

#include <algorithm>
#include <cwchar>
#include <stdexcept>
#include "application.h"
#include "errorbox.h"
#include "syserror.h"

namespace ui {

namespace {

// A fixed single border and a caption bar; no WS_SYSMENU, so no system menu and no caption
// buttons. Children are clipped so painting never covers the controls.
const DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
// WS_EX_CONTROLPARENT: IsDialogMessage and GetNextDlgTabItem treat the form like a dialog.
const DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// Posted by Release; the form is destroyed when it is handled.
const UINT kReleaseMessage = WM_APP + 1;

// Control ids: 100 + the component's index in the table (menu ids start at 1000), so that
// none of them is IDOK or IDCANCEL, which IsDialogMessage sends for Enter and Esc.
const UINT kFirstControlId = 100;

// Rows of a drop-down list shown at once, as the dropped height of a combo box.
const int kDroppedRows = 8;

bool IsWindowControl(Kind kind) { return kind == Kind::ComboBox || kind == Kind::Button; }

int WindowHeight(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

// A closed combo box is its selection field plus the system's frame. CB_SETITEMHEIGHT with -1
// sets the field's height, but what it makes of the value differs (Wine adds a margin that
// CB_GETITEMHEIGHT then reports): so set, measure the window, and correct by the difference.
void FitClosedHeight(HWND combo, int height) {
    LRESULT field = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field == CB_ERR) return;
    LRESULT guess = field + height - WindowHeight(combo);
    for (int attempt = 0; attempt < 2 && WindowHeight(combo) != height && guess > 0; ++attempt) {
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), guess);
        guess += height - WindowHeight(combo);
    }
}

} // namespace

const char* const Form::kClassName = "uiform";

Form::Form(const FormDesc& desc) : desc_(desc) {
    Application& app = App();
    RECT frame = {0, 0, desc.clientwidth, desc.clientheight};
    AdjustWindowRectEx(&frame, kFormStyle, desc.hasmenu, kFormExStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HWND owner = app.MainForm() ? app.MainForm()->Handle() : nullptr;
    if (!CreateWindowExA(kFormExStyle, kClassName, "", kFormStyle,
                         (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner,
                         nullptr, GetModuleHandleA(nullptr), this))
        throw std::runtime_error("cannot create a window: " + SystemReason(GetLastError()));

    // From here on a failure must not leave a window behind that points at this object.
    try {
        Build();
    } catch (...) {
        SetMenu(window_, nullptr);
        DestroyWindow(window_);
        throw;
    }
}

void Form::Build() {
    LOGFONTW font = {};
    font.lfHeight = desc_.fontheight;
    font.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(font.lfFaceName, desc_.fontface, LF_FACESIZE - 1);
    font_.reset(CreateFontIndirectW(&font));
    if (!font_) throw std::runtime_error("cannot create the form's font");

    if (desc_.hasmenu) menu_.reset(new MainMenu(window_));
    CreateControls();
    if (menu_) SetMenu(window_, menu_->Handle());
    FitClientSize();
}

Form::~Form() {
    // Normally the application has destroyed the window already (Destroy); this covers a
    // form whose construction failed half-way.
    if (window_) {
        SetMenu(window_, nullptr);
        DestroyWindow(window_);
    }
}

void Form::CreateControls() {
    // Components keep their addresses: the wrappers handed out point at them.
    components_.resize(desc_.componentcount);
    std::vector<Component*> windowcontrols;
    for (size_t i = 0; i < desc_.componentcount; ++i) {
        const ComponentDesc& d = desc_.components[i];
        Component& c = components_[i];
        c.desc = &d;
        c.form = window_;
        c.caption = d.caption ? d.caption : "";
        c.fontcolor = GetSysColor(COLOR_WINDOWTEXT);
        c.visible = (d.flags & Invisible) == 0;
        if (d.kind == Kind::MenuRoot) {
            if (!menu_) throw std::logic_error(std::string("menu root without a menu: ") + d.name);
            menu_->AddRoot(d.name, c.caption, c.visible);
        }
        if (IsWindowControl(d.kind)) windowcontrols.push_back(&c);
    }

    // Created in tab order, and each placed below the one before: the z-order is the order in
    // which Tab (GetNextDlgTabItem) visits them.
    std::stable_sort(windowcontrols.begin(), windowcontrols.end(),
                     [](const Component* a, const Component* b) {
                         return a->desc->taborder < b->desc->taborder;
                     });
    HWND previous = HWND_TOP;
    for (Component* c : windowcontrols) {
        const ComponentDesc& d = *c->desc;
        UINT id = kFirstControlId + static_cast<UINT>(c - components_.data());
        DWORD style = WS_CHILD | WS_TABSTOP | (c->visible ? WS_VISIBLE : 0);
        bool combo = d.kind == Kind::ComboBox;
        if (combo)
            style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        else   // BS_NOTIFY: BN_SETFOCUS tells us which button Enter would press
            style |= BS_NOTIFY | ((d.flags & DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        // A combo box's window height includes its dropped list; its closed height is set below.
        int rowheight = d.itemheight > 0 ? d.itemheight : d.height;
        int height = combo ? d.height + kDroppedRows * rowheight + 2 : d.height;
        c->window = CreateWindowExA(0, combo ? "COMBOBOX" : "BUTTON", combo ? "" : c->caption.c_str(),
                                    style, d.left, d.top, d.width, height, window_,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                    GetModuleHandleA(nullptr), nullptr);
        if (!c->window)
            throw std::runtime_error(std::string("cannot create the control ") + d.name + ": " +
                                     SystemReason(GetLastError()));
        SendMessageA(c->window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (combo) {
            ui::ComboBox box(c);
            FitClosedHeight(c->window, d.height);
            // The height of the list's items (wParam 0); Wine honours it for owner-drawn lists only.
            if (d.itemheight > 0) SendMessageA(c->window, CB_SETITEMHEIGHT, 0, d.itemheight);
            for (const char* const* item = d.items; item && *item; ++item) box.AddItem(*item);
        }
        if (d.flags & Disabled) EnableWindow(c->window, FALSE);
        SetWindowPos(c->window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = c->window;
        taborder_.push_back(c);
    }
}

void Form::FitClientSize() {
    // AdjustWindowRectEx assumes a menu bar of one line and the system's metrics; correct
    // whatever the real frame differs by, so the client area is exact.
    RECT client, window;
    GetClientRect(window_, &client);
    GetWindowRect(window_, &window);
    int dx = desc_.clientwidth - client.right, dy = desc_.clientheight - client.bottom;
    if (dx == 0 && dy == 0) return;
    int width = window.right - window.left + dx, height = window.bottom - window.top + dy;
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetCaption(const std::string& caption) { SetWindowTextA(window_, caption.c_str()); }

void Form::SetIcon(HICON icon) {
    OwnedIcon copy(icon ? CopyIcon(icon) : nullptr);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(copy.get()));
    icon_ = std::move(copy);
}

Component& Form::Find(const std::string& name, Kind kind) {
    for (Component& c : components_)
        if (c.desc->kind == kind && name == c.desc->name) return c;
    throw std::logic_error("the form has no component of that kind named " + name);
}

ui::Label Form::Label(const std::string& name) { return ui::Label(&Find(name, Kind::Label)); }
ui::ComboBox Form::ComboBox(const std::string& name) {
    return ui::ComboBox(&Find(name, Kind::ComboBox));
}
ui::Button Form::Button(const std::string& name) { return ui::Button(&Find(name, Kind::Button)); }

MenuItem& Form::MenuRoot(const std::string& name) {
    MenuItem* root = menu_ ? menu_->FindRoot(name) : nullptr;
    if (!root) throw std::logic_error("the form's menu has no root named " + name);
    return *root;
}

std::vector<ui::Label> Form::Labels() {
    std::vector<ui::Label> labels;
    for (Component& c : components_)
        if (c.desc->kind == Kind::Label) labels.push_back(ui::Label(&c));
    return labels;
}

MainMenu& Form::Menu() {
    if (!menu_) throw std::logic_error("the form has no menu");
    return *menu_;
}

void Form::Close() {
    if (modal_) {
        closed_ = true;
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);   // wakes the modal loop
    } else if (App().MainForm() == this) {
        App().Terminate();
    } else {
        ShowWindow(window_, SW_HIDE);
    }
}

void Form::ShowModal() {
    Application& app = App();
    std::vector<HWND> disabled = app.DisableFormsExcept(*this);
    modal_ = true;
    closed_ = false;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    while (!closed_ && !app.Terminated() && app.HandleMessage()) {
    }
    // Enabled before this form hides, so that Windows activates the owner again.
    for (HWND window : disabled) EnableWindow(window, TRUE);
    ShowWindow(window_, SW_HIDE);
    modal_ = false;
}

void Form::Release() { PostMessageA(window_, kReleaseMessage, 0, 0); }

void Form::RaiseCreate() {
    Guard([this] {
        if (OnCreate) OnCreate();
    });
}

void Form::RaiseDestroy() {
    if (destroyraised_) return;
    destroyraised_ = true;
    Guard([this] {
        if (OnDestroy) OnDestroy();
    });
}

void Form::Destroy() {
    if (!window_) return;
    RaiseDestroy();
    // The menu belongs to menu_, not to the window: DestroyWindow would free it.
    SetMenu(window_, nullptr);
    DestroyWindow(window_);
}

void Form::PaintContent(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    int saved = SaveDC(dc);
    SelectObject(dc, font_.get());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (OnPaint) {
        // A failing paint handler fails again at every repaint; while its error box is up,
        // the repaints it causes stay quiet.
        if (ErrorBoxOpen()) {
            try {
                OnPaint(dc);
            } catch (...) {
            }
        } else {
            Guard([this, dc] { OnPaint(dc); });
        }
    }
    RestoreDC(dc, saved);

    // The graphic controls lie over whatever the handler drew.
    saved = SaveDC(dc);
    SelectObject(dc, font_.get());
    for (const Component& c : components_) {
        if (c.desc->kind == Kind::Label) DrawLabel(dc, c);
        if (c.desc->kind == Kind::Bevel) DrawBevel(dc, c);
    }
    RestoreDC(dc, saved);
}

Component* Form::FindById(UINT id) {
    if (id < kFirstControlId || id - kFirstControlId >= components_.size()) return nullptr;
    return &components_[id - kFirstControlId];
}

Component* Form::DefaultButtonComponent() {
    for (Component& c : components_)
        if (c.desc->kind == Kind::Button && (c.desc->flags & DefaultButton)) return &c;
    return nullptr;
}

void Form::ClickButton(Component* button) {
    if (!button || button->desc->kind != Kind::Button || !IsWindowEnabled(button->window)) return;
    Guard([button] {
        if (button->onclick) button->onclick();
    });
}

void Form::ShowDefaultButton(HWND focus) {
    // Enter presses the focused button, or the default button while the focus is elsewhere;
    // the button Enter would press wears the default frame.
    Component* focused = nullptr;
    for (Component& c : components_)
        if (c.desc->kind == Kind::Button && c.window == focus) focused = &c;
    for (Component& c : components_) {
        if (c.desc->kind != Kind::Button) continue;
        bool isdefault = focused ? &c == focused : (c.desc->flags & DefaultButton) != 0;
        LONG_PTR type = GetWindowLongPtrA(c.window, GWL_STYLE) & BS_TYPEMASK;
        LONG_PTR wanted = isdefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (type != wanted) SendMessageA(c.window, BM_SETSTYLE, BS_NOTIFY | wanted, TRUE);
    }
}

HWND Form::FirstTabStop() const {
    for (const Component* c : taborder_)
        if (IsWindowVisible(c->window) && IsWindowEnabled(c->window)) return c->window;
    return nullptr;
}

bool Form::FocusControl() {
    HWND target = savedfocus_ && IsWindow(savedfocus_) ? savedfocus_ : FirstTabStop();
    MoveFocus(target);
    return target != nullptr;
}

void Form::MoveFocus(HWND target) {
    if (!target) return;
    SetFocus(target);
    ShowDefaultButton(target);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        Form* created = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcA(window, message, wparam, lparam);
    }
    // Handlers run under Guard; this catches what the layer itself might throw (no memory),
    // because no exception may unwind through the system's frames.
    try {
        return form->HandleMessage(message, wparam, lparam);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("");
    }
    return 0;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        PaintContent(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: PaintContent(reinterpret_cast<HDC>(wparam)); return 0;
    case WM_ERASEBKGND: return 1;   // PaintContent fills the background itself
    case WM_COMMAND: OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam)); return 0;
    case WM_INITMENUPOPUP:
        if (menu_ && !HIWORD(lparam) && menu_->HandleInitPopup(reinterpret_cast<HMENU>(wparam)))
            return 0;
        break;
    case DM_GETDEFID: {
        // IsDialogMessage asks this for Enter; DC_HASDEFID in the high word marks an answer.
        Component* button = DefaultButtonComponent();
        return button ? MAKELRESULT(kFirstControlId + (button - components_.data()), DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL:
        // IsDialogMessage sends this for Tab; only the dialog class answers it by itself.
        // lParam's low word set: wParam is the control; else wParam nonzero means backwards.
        MoveFocus(LOWORD(lparam) ? reinterpret_cast<HWND>(wparam)
                                 : GetNextDlgTabItem(window_, GetFocus(), wparam != 0));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) savedfocus_ = focus;
        } else if (!FocusControl()) {
            SetFocus(window_);   // no control to take the keys: the form takes them
        }
        return 0;
    case WM_SETFOCUS: FocusControl(); return 0;
    case WM_KEYDOWN: {
        unsigned key = static_cast<unsigned>(wparam);
        Guard([this, key] {
            if (OnKeyDown) OnKeyDown(key);
        });
        return 0;
    }
    case WM_CLOSE: Close(); return 0;
    case WM_ENDSESSION:
        // wParam TRUE: the session ends, and the system may end the process as soon as this
        // returns. What the forms do on their way out (the setup dialog saves) is done now.
        if (wparam) App().EndSession();
        return 0;
    case kReleaseMessage: App().DestroyForm(*this); return 0;   // *this is gone after this line
    }
    return DefWindowProcA(window_, message, wparam, lparam);
}

void Form::OnCommand(UINT id, UINT code, HWND control) {
    if (control) {
        Component* c = FindById(id);
        if (!c || c->window != control) return;
        if (c->desc->kind == Kind::Button && code == BN_CLICKED) ClickButton(c);
        if ((c->desc->kind == Kind::Button && code == BN_SETFOCUS) ||
            (c->desc->kind == Kind::ComboBox && code == CBN_SETFOCUS))
            ShowDefaultButton(control);
        return;
    }
    // No control: Esc (IDCANCEL from IsDialogMessage), or a menu entry.
    if (id == IDCANCEL) {
        for (Component& c : components_) {
            if (c.desc->kind == Kind::Button && (c.desc->flags & CancelButton)) {
                ClickButton(&c);
                return;
            }
        }
    } else if (menu_ && code == 0) {
        menu_->HandleCommand(id);
    }
}

} // namespace ui

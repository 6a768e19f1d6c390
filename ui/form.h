// A form: a top-level window built from a form description (formdesc.h) with a fixed single
// border, a caption bar without system menu or caption buttons, an exact client size, centred
// on the screen, in the face colour clBtnFace and the description's font.
//
// A dialog derives from Form, passes its table to the constructor, finds its controls by name
// and binds its handlers in its own constructor. The application creates forms (CreateForm),
// raises their create event once they are built, and destroys them; see application.h.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
#include "controls.h"
#include "formdesc.h"
#include "handles.h"
#include "menu.h"

namespace ui {

class Form {
public:
    // Creates the window (hidden), its controls and its menu. Owned by the main form, if any.
    explicit Form(const FormDesc& desc);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Events. OnPaint draws into the device context it is given, with the form's font selected;
    // the form has filled the background before and draws its visible labels and its bevels
    // after. OnKeyDown gets the virtual-key code of keys the form itself receives.
    std::function<void()> OnCreate;
    std::function<void()> OnDestroy;
    std::function<void(HDC dc)> OnPaint;
    std::function<void(unsigned key)> OnKeyDown;

    HWND Handle() const { return window_; }
    void SetCaption(const std::string& caption);
    // The form keeps a copy of icon (nullptr: no icon).
    void SetIcon(HICON icon);

    // Components by the names of the table; an unknown name or a component of another kind
    // raises std::logic_error (a fault of the program, not of its input).
    ui::Label Label(const std::string& name);
    ui::ComboBox ComboBox(const std::string& name);
    ui::Button Button(const std::string& name);
    MenuItem& MenuRoot(const std::string& name);
    // The labels in the order of the component list.
    std::vector<ui::Label> Labels();
    MainMenu& Menu();

    // The main form ends the message loop; a modal form ends its modal showing; another
    // form is hidden.
    void Close();
    // Shows the form and runs a message loop until it is closed, with the other forms
    // disabled; afterwards they are enabled again and this form is hidden.
    void ShowModal();
    // Destroys the form once the messages already queued for it are handled.
    void Release();

    // Paints the whole client area into dc: used for WM_PAINT and WM_PRINTCLIENT.
    void PaintContent(HDC dc);

private:
    friend class Application;
    static const char* const kClassName;   // the window class the application registers
    void RaiseCreate();
    void Destroy();   // raises OnDestroy while the controls exist, then destroys the window
    void RaiseDestroy();   // OnDestroy, once in the form's life

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void OnCommand(UINT id, UINT code, HWND control);
    void Build();
    void CreateControls();
    void FitClientSize();
    Component& Find(const std::string& name, Kind kind);
    Component* FindById(UINT id);
    Component* DefaultButtonComponent();
    void ClickButton(Component* button);
    void ShowDefaultButton(HWND focus);
    void MoveFocus(HWND target);
    HWND FirstTabStop() const;
    bool FocusControl();   // the control that had the focus last, or the first in tab order

    const FormDesc& desc_;
    HWND window_ = nullptr;
    OwnedFont font_;
    OwnedIcon icon_;
    std::unique_ptr<MainMenu> menu_;
    std::vector<Component> components_;   // the component list, in table order
    std::vector<Component*> taborder_;     // the window controls, in tab order
    HWND savedfocus_ = nullptr;
    bool modal_ = false;
    bool closed_ = false;
    bool destroyraised_ = false;
};

} // namespace ui

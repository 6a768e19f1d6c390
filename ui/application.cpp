#include "application.h"

#include <commctrl.h>
#include <stdexcept>
#include "syserror.h"

namespace ui {

namespace {
Application* current = nullptr;
} // namespace

Application& App() {
    if (!current) throw std::logic_error("no application: forms need one");
    return *current;
}

Application::Application() {
    if (current) throw std::logic_error("one application at a time");
    // Registers the common control classes; with the common controls 6 manifest the
    // buttons and combo boxes take the system's visual style.
    InitCommonControls();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // LoadIcon returns nullptr when the resource is missing: then the forms have no icon.
    icon_ = LoadIconA(instance, "MAINICON");

    WNDCLASSEXA windowclass = {};
    windowclass.cbSize = sizeof windowclass;
    windowclass.lpfnWndProc = Form::WindowProc;
    windowclass.hInstance = instance;
    windowclass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowclass.lpszClassName = Form::kClassName;
    if (!RegisterClassExA(&windowclass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("cannot register the form window class: " +
                                 SystemReason(GetLastError()));
    current = this;
}

Application::~Application() {
    while (!forms_.empty()) DestroyForm(*forms_.back());
    UnregisterClassA(Form::kClassName, GetModuleHandleA(nullptr));
    current = nullptr;
}

void Application::Adopt(std::unique_ptr<Form> form) {
    Form& adopted = *form;
    forms_.push_back(std::move(form));
    if (!mainform_) mainform_ = &adopted;
    adopted.RaiseCreate();
}

void Application::DestroyForm(Form& form) {
    form.Destroy();
    if (mainform_ == &form) mainform_ = nullptr;
    for (auto it = forms_.begin(); it != forms_.end(); ++it) {
        if (it->get() == &form) {
            forms_.erase(it);   // deletes the form
            return;
        }
    }
}

void Application::Run() {
    if (mainform_) {
        ShowWindow(mainform_->Handle(), SW_SHOW);
        UpdateWindow(mainform_->Handle());
        while (!terminated_ && HandleMessage()) {
        }
    }
    while (!forms_.empty()) DestroyForm(*forms_.back());
}

void Application::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));   // left for the outer loop
            return;
        }
        Dispatch(message);
    }
}

void Application::Terminate() {
    terminated_ = true;
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);   // wakes a waiting loop
}

void Application::EndSession() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) (*it)->RaiseDestroy();
    Terminate();
}

bool Application::HandleMessage() {
    MSG message;
    // GetMessage returns 0 for WM_QUIT and -1 on an error.
    BOOL result = GetMessageA(&message, nullptr, 0, 0);
    if (result == 0) PostQuitMessage(static_cast<int>(message.wParam));   // every loop ends
    if (result <= 0) return false;
    Dispatch(message);
    return true;
}

void Application::Dispatch(MSG& message) {
    // Keyboard navigation: IsDialogMessage turns Tab, Enter and Esc of a form's controls
    // into focus moves and button presses.
    HWND form = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (form && IsForm(form) && IsDialogMessageA(form, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool Application::IsForm(HWND window) const {
    for (const auto& form : forms_)
        if (form->Handle() == window) return true;
    return false;
}

std::vector<HWND> Application::DisableFormsExcept(const Form& except) {
    std::vector<HWND> disabled;
    for (const auto& form : forms_) {
        HWND window = form->Handle();
        if (form.get() != &except && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            disabled.push_back(window);
        }
    }
    return disabled;
}

} // namespace ui

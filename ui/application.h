// The application object: the program's icon, the forms it creates and destroys, the message
// loop with keyboard navigation (Tab, Enter, Esc), and the end of the program's run.
//
//   ui::Application app;                 // after the run-time is up, before any form
//   app.CreateForm(setupform);           // the first form created is the main form
//   app.Run();                           // until the main form closes; then destroys the forms
#pragma once
#include <memory>
#include <utility>
#include <vector>
#include <windows.h>
#include "errorbox.h"
#include "form.h"

namespace ui {

class Application {
public:
    // Initialises the common controls, loads the icon and registers the form window class.
    // One application at a time.
    Application();
    // Destroys the forms that are still alive, the last created first.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The exe's icon resource "MAINICON"; nullptr when there is none. Shared: forms copy it.
    HICON Icon() const { return icon_; }

    // Creates a form of class T from args, stores it in reference and then raises its create
    // event (an error there is shown in the error box and the form goes on). The application
    // owns the form until it is released or the application ends.
    template <class T, class... Args>
    T& CreateForm(T*& reference, Args&&... args) {
        std::unique_ptr<T> form(new T(std::forward<Args>(args)...));
        reference = form.get();
        T& created = *form;
        Adopt(std::move(form));
        return created;
    }

    Form* MainForm() const { return mainform_; }

    // Shows the main form and handles messages until it is closed; then destroys the forms.
    void Run();
    // Handles the messages that are waiting, without waiting for more.
    void ProcessMessages();
    // Ends the message loop (and any modal showing) once the current message is handled.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // The user's session ends: raises every form's destroy event now, the last created first,
    // and ends the message loop. The windows stay until the loop's end destroys them (their
    // destroy events are not raised twice), so no form goes while a modal loop still runs in it.
    void EndSession();

private:
    friend class Form;
    void Adopt(std::unique_ptr<Form> form);
    void DestroyForm(Form& form);
    // Waits for one message and handles it; false when the thread is told to quit.
    bool HandleMessage();
    void Dispatch(MSG& message);
    bool IsForm(HWND window) const;
    std::vector<HWND> DisableFormsExcept(const Form& form);

    HICON icon_ = nullptr;
    Form* mainform_ = nullptr;
    std::vector<std::unique_ptr<Form>> forms_;
    bool terminated_ = false;
};

// The one application; raises std::logic_error when there is none.
Application& App();

} // namespace ui

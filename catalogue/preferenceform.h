// The preference dialog: the installed add-ons as check-marked items of a menu bar, one
// drop-down per category (the ghosts' is built but never on the bar). Choosing an item switches
// its add-on on or off at once; the marks are read from the directories whenever a drop-down
// opens. The client area shows the setup dialog's picture.
//
// The setup dialog's preference button makes a new one each time:
//   ui::App().CreateForm(preferenceform, programdir);
//   preferenceform->ShowModal();
//   preferenceform->Release();
#pragma once
#include <string>
#include <windows.h>

#include "form.h"
#include "formdesc.h"
#include "menu.h"

// The menu item of one add-on: caption = display name, hint = picture path, and the directory
// that identifies the add-on.
class tmenuitemex : public ui::MenuItem {
public:
    std::string dirpath;   // no trailing "\"
};

class Tpreferenceform : public ui::Form {
public:
    // programdir: the directory whose add-ons the dialog lists, ending in "\".
    explicit Tpreferenceform(const std::string& programdir);
    ~Tpreferenceform() override;

    // The components, by the names of the form description.
    ui::MainMenu& mainmenu;
    ui::MenuItem& pluginroot;
    ui::MenuItem& ghostroot;
    ui::MenuItem& balloonroot;
    ui::Button okbutton;
    ui::MenuItem& hsroot;

    // The registered message "Quellan", sent to notifywindow when the dialog is destroyed.
    UINT notifymessage = 0;
    const std::string programdir;

    void FormCreate();
    void FormDestroy();
    void pluginrootClick();
    void ghostrootClick();
    void balloonrootClick();
    void FormPaint(HDC dc);
    void FormKeyDown(unsigned key);
    void okbuttonClick();
    void hsrootClick();
    // Bound to every add-on item; sender is that item.
    void addonitemClick(ui::MenuItem& sender);
};

// The form description of the dialog (preferenceform_desc.cpp).
extern const ui::FormDesc PreferenceFormDesc;

// The dialog while it exists; the setup dialog's preference button stores it here.
extern Tpreferenceform* preferenceform;
// The window told, with notifymessage, that the dialog has gone; nullptr (no window) unless
// someone sets it, and then nothing is sent.
extern HWND notifywindow;

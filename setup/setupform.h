// The setup dialog, the program's main window: the picture, the label texts over it, the five
// setup choices, the edition's configure button and the button that opens the add-on dialog.
// Destroying it saves the choices.
#pragma once
#include <string>
#include <windows.h>

#include "form.h"
#include "setupchoices.h"

class Tsetupform : public ui::Form {
public:
    // programdir: the directory whose settings the dialog edits, ending in "\" (the program
    // passes GetProgramDir()).
    explicit Tsetupform(const std::string& programdir);

    // The controls, by the names of the form description.
    ui::ComboBox languagecbox;
    ui::Label language;
    ui::Button okbutton;
    ui::ComboBox torvencbox;
    ui::Label Label1;
    ui::Button configurebutton;
    ui::Label Label2;
    ui::ComboBox gfxmodecbox;
    ui::Label enviomentlabel;
    ui::Label Label3;
    ui::ComboBox ownerdrawmenucbox;
    ui::Button preferencebutton;
    ui::Label Label4;
    ui::Label Label5;
    ui::ComboBox mclcbox;

    tsetupchoices choices;
    // The engine surface that holds the picture; the add-on dialog paints it too.
    int surfaceid = 0;
    const std::string programdir;

    void FormCreate();
    void okbuttonClick();
    void FormDestroy();
    void configurebuttonClick();
    void FormPaint(HDC dc);
    void preferencebuttonClick();

private:
    // Shows choices in the controls: the parts a load reached, the rest without a selection.
    void FillControls();
};

// The one setup dialog, while it exists.
extern Tsetupform* setupform;


// A form description is data: one constant table per form, listing every component in the
// order of the form's component list, with positions and sizes in pixels (not dialog units),
// so that a painted picture and the texts drawn over it line up exactly.
#pragma once
#include <cstddef>

namespace ui {

enum class Kind {
    Label,     // graphic control: a caption the form draws (only when visible)
    Bevel,     // graphic control: a box-shaped frame the form draws after its paint handler
    ComboBox,  // drop-down list (no edit field), items kept in the given order
    Button,    // push button
    MenuRoot,  // root item of the form's main menu (the form must have a menu)
};

// Flags of a component; a component without flags is visible and enabled.
enum ComponentFlags : unsigned {
    Invisible     = 1u << 0,  // label not drawn, menu root not on the bar (it still holds its items)
    Disabled      = 1u << 1,  // window control created disabled
    DefaultButton = 1u << 2,  // Enter presses it while no other button has the focus
    CancelButton  = 1u << 3,  // Esc presses it
    BevelLowered  = 1u << 4,  // bevel: shadow top-left, highlight bottom-right (else raised)
};

struct ComponentDesc {
    Kind kind;
    const char* name;            // how handlers find the component
    int left, top, width, height;
    const char* caption;         // label, button, menu root; nullptr for none
    const char* const* items;    // combo box items, ending with nullptr; nullptr for none
    int taborder;                // window controls: 0, 1, ... ; -1 for the others
    unsigned flags;              // ComponentFlags
    int itemheight;              // combo box: height of a list item; 0 for the system's
};

struct FormDesc {
    int clientwidth, clientheight;
    const wchar_t* fontface;     // wide, so that a Japanese face name is found under any code page
    int fontheight;              // as LOGFONT lfHeight: -N is a character height of N pixels
    bool hasmenu;                // a main menu bar, holding the MenuRoot components
    const ComponentDesc* components;
    std::size_t componentcount;
};

} // namespace ui

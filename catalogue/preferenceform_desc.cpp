// The preference dialog's form description: one button and the menu bar's four roots.
#include <iterator>

#include "preferenceform.h"

namespace {

using ui::Kind;

// The roots in the order of the bar; the ghosts' root holds its items but is never shown.
const ui::ComponentDesc PreferenceComponents[] = {
    // kind          name           left top  w   h   caption                items    tab flags
    {Kind::Button,   "okbutton",    335, 245, 75, 25, "OK",                  nullptr,  0, ui::DefaultButton | ui::CancelButton, 0},
    {Kind::MenuRoot, "ghostroot",     0,   0,  0,  0, "Ghosts(&G)",          nullptr, -1, ui::Invisible, 0},
    {Kind::MenuRoot, "balloonroot",   0,   0,  0,  0, "Balloons(&B)",        nullptr, -1, 0, 0},
    {Kind::MenuRoot, "hsroot",        0,   0,  0,  0, "Headlinesensor(&H)",  nullptr, -1, 0, 0},
    {Kind::MenuRoot, "pluginroot",    0,   0,  0,  0, "Plugins(&P)",         nullptr, -1, 0, 0},
};

} // namespace

// The face is named in wide characters (MS P Gothic in full-width letters and katakana) so that
// it is found whatever the ANSI code page; where it is missing the system picks another face.
const ui::FormDesc PreferenceFormDesc = {
    425, 285, L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF", -12, true,
    PreferenceComponents, std::size(PreferenceComponents)};

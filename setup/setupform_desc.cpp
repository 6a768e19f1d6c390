#include "setupform_desc.h"

#include <iterator>

#include "setupchoices.h"

namespace {

// The combo boxes' items come from the settings model's tables, in their index order, so that an
// index means the same item here and in the settings files.
const char* const EditionCaptions[] = {EditionItems[0].caption, EditionItems[1].caption, nullptr};
const char* const GfxModeCaptions[] = {GfxModeItems[0], GfxModeItems[1], nullptr};
const char* const MclCaptions[] = {MclItems[0], MclItems[1], nullptr};
const char* const OwnerDrawMenuCaptions[] = {OwnerDrawMenuItems[0], OwnerDrawMenuItems[1], nullptr};
static_assert(std::size(EditionItems) == 2 && std::size(GfxModeItems) == 2 && std::size(MclItems) == 2 &&
                  std::size(OwnerDrawMenuItems) == 2,
              "every item of the model's tables is listed above");

using ui::Kind;
const unsigned OkRoles = ui::DefaultButton | ui::CancelButton;

// In the order of the component list, which is the order in which the labels are painted. The
// labels are invisible: the dialog's paint handler draws their captions over the picture.
const ui::ComponentDesc Components[] = {
    // kind          name                 left top  w    h   caption                    items                  tab flags          itemheight
    {Kind::Label,    "language",            13,  17,  44, 14, "language",                nullptr,               -1, ui::Invisible,    0},
    {Kind::Label,    "Label1",              13,  50, 132, 14, "TORVEN GFX Engine type.", nullptr,               -1, ui::Invisible,    0},
    {Kind::Bevel,    "bevel0",             280,  91,  50,  2, nullptr,                   nullptr,               -1, ui::BevelLowered, 0},
    {Kind::Bevel,    "Bevel1",             280,  75,   2, 18, nullptr,                   nullptr,               -1, ui::BevelLowered, 0},
    {Kind::Label,    "Label2",              13, 122,  50, 14, "GFX Mode",                nullptr,               -1, ui::Invisible,    0},
    {Kind::Label,    "enviomentlabel",      13, 272,  55, 14, "Envioment: ",             nullptr,               -1, ui::Invisible,    0},
    {Kind::Label,    "Label3",              13, 186,  55, 14, "Menu Mode",               nullptr,               -1, ui::Invisible,    0},
    {Kind::Label,    "Label4",              13, 226,  22, 14, "Files",                   nullptr,               -1, ui::Invisible,    0},
    {Kind::Label,    "Label5",              13, 154,  68, 14, "Speed Control",           nullptr,               -1, ui::Invisible,    0},
    {Kind::ComboBox, "languagecbox",       152,  14, 257, 22, nullptr,                   nullptr,                0, 0,                14},
    {Kind::Button,   "okbutton",           336, 264,  75, 25, "OK",                      nullptr,                7, OkRoles,          0},
    {Kind::ComboBox, "torvencbox",         152,  46, 257, 22, nullptr,                   EditionCaptions,        1, 0,                14},
    {Kind::Button,   "configurebutton",    335,  80,  75, 25, "configure",               nullptr,                2, 0,                0},
    {Kind::ComboBox, "gfxmodecbox",        152, 118, 257, 22, nullptr,                   GfxModeCaptions,        3, 0,                14},
    {Kind::ComboBox, "ownerdrawmenucbox",  152, 182, 257, 22, nullptr,                   OwnerDrawMenuCaptions,  5, 0,                14},
    {Kind::Button,   "preferencebutton",   336, 224,  75, 25, "configure",               nullptr,                6, 0,                0},
    {Kind::ComboBox, "mclcbox",            152, 150, 257, 22, nullptr,                   MclCaptions,            4, 0,                14},
};

} // namespace

// Client 425 x 303 in Arial with a character height of 11 pixels; no menu.
const ui::FormDesc SetupFormDesc = {425, 303, L"Arial", -11, false, Components, std::size(Components)};

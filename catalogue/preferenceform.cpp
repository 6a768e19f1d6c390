#include "preferenceform.h"

#include <memory>

#include "addons.h"
#include "application.h"
#include "engine.h"
#include "setupform.h"

Tpreferenceform* preferenceform = nullptr;
HWND notifywindow = nullptr;

namespace {

// The check mark of each item of root: whether its add-on is on at this moment.
void ShowEnabledMarks(ui::MenuItem& root) {
    for (int i = 0; i < root.Count(); ++i) {
        ui::MenuItem& item = root.Items(i);
        item.SetChecked(AddonEnabled(static_cast<tmenuitemex&>(item).dirpath));
    }
}

} // namespace

Tpreferenceform::Tpreferenceform(const std::string& programdir)
    : ui::Form(PreferenceFormDesc),
      mainmenu(Menu()),
      pluginroot(MenuRoot("pluginroot")),
      ghostroot(MenuRoot("ghostroot")),
      balloonroot(MenuRoot("balloonroot")),
      okbutton(Button("okbutton")),
      hsroot(MenuRoot("hsroot")),
      programdir(programdir) {
    OnCreate = [this] { FormCreate(); };
    OnDestroy = [this] { FormDestroy(); };
    OnPaint = [this](HDC dc) { FormPaint(dc); };
    OnKeyDown = [this](unsigned key) { FormKeyDown(key); };
    okbutton.OnClick([this] { okbuttonClick(); });
    pluginroot.OnClick = [this](ui::MenuItem&) { pluginrootClick(); };
    ghostroot.OnClick = [this](ui::MenuItem&) { ghostrootClick(); };
    balloonroot.OnClick = [this](ui::MenuItem&) { balloonrootClick(); };
    hsroot.OnClick = [this](ui::MenuItem&) { hsrootClick(); };
}

Tpreferenceform::~Tpreferenceform() {
    // The global names the dialog only while it exists.
    if (preferenceform == this) preferenceform = nullptr;
}

void Tpreferenceform::FormCreate() {
    SetIcon(ui::App().Icon());
    SetCaption("");
    notifymessage = RegisterWindowMessageA("Quellan");
    // Category by category, in the table's order (balloons, ghosts, headline sensors,
    // plugins): a description file that cannot be read stops here with its error, and the
    // categories built before keep their items.
    for (const taddoncategory& category : AddonCategories) {
        ui::MenuItem& root = MenuRoot(category.rootname);
        for (const taddonentry& entry : ScanAddons(category, programdir)) {
            auto item = std::make_unique<tmenuitemex>();
            item->OnClick = [this](ui::MenuItem& sender) { addonitemClick(sender); };
            item->SetCaption(entry.name);
            item->dirpath = entry.dirpath;
            item->SetHint(entry.picturepath);
            root.Add(std::move(item));
        }
    }
}

void Tpreferenceform::FormDestroy() {
    // Nothing in the program names a window to be told; while the target is no window the
    // message is not sent at all (SendMessage to a stale handle could reach a stranger).
    if (notifymessage != 0 && notifywindow && IsWindow(notifywindow))
        SendMessageA(notifywindow, notifymessage, 0, 0);
}

void Tpreferenceform::pluginrootClick() { ShowEnabledMarks(pluginroot); }
void Tpreferenceform::ghostrootClick() { ShowEnabledMarks(ghostroot); }
void Tpreferenceform::balloonrootClick() { ShowEnabledMarks(balloonroot); }
void Tpreferenceform::hsrootClick() { ShowEnabledMarks(hsroot); }

void Tpreferenceform::FormPaint(HDC dc) {
    // The setup dialog's picture; without one the face colour the form filled in stays.
    PaintEngineSurface(dc, setupform ? setupform->surfaceid : -1);
}

void Tpreferenceform::FormKeyDown(unsigned key) {
    if (key == VK_ESCAPE) Close();
}

void Tpreferenceform::okbuttonClick() { Close(); }

void Tpreferenceform::addonitemClick(ui::MenuItem& sender) {
    // The mark stays as it is: choosing closes the menu, and the next opening reads the
    // directory again.
    ToggleAddon(static_cast<tmenuitemex&>(sender).dirpath);
}

#include "setupform.h"

#include <iterator>

#include "application.h"
#include "engine.h"
#include "preferenceform.h"
#include "setupform_desc.h"

Tsetupform* setupform = nullptr;

namespace {

// The dialog paints its picture with the "Lumio" edition, whichever edition is chosen.
const char PictureLibrary[] = "torven_l.dll";
const int PictureResource = 101;
const char PictureType[] = "PNG";

} // namespace

Tsetupform::Tsetupform(const std::string& programdir)
    : ui::Form(SetupFormDesc),
      languagecbox(ComboBox("languagecbox")),
      language(Label("language")),
      okbutton(Button("okbutton")),
      torvencbox(ComboBox("torvencbox")),
      Label1(Label("Label1")),
      configurebutton(Button("configurebutton")),
      Label2(Label("Label2")),
      gfxmodecbox(ComboBox("gfxmodecbox")),
      enviomentlabel(Label("enviomentlabel")),
      Label3(Label("Label3")),
      ownerdrawmenucbox(ComboBox("ownerdrawmenucbox")),
      preferencebutton(Button("preferencebutton")),
      Label4(Label("Label4")),
      Label5(Label("Label5")),
      mclcbox(ComboBox("mclcbox")),
      programdir(programdir) {
    OnCreate = [this] { FormCreate(); };
    OnDestroy = [this] { FormDestroy(); };
    OnPaint = [this](HDC dc) { FormPaint(dc); };
    okbutton.OnClick([this] { okbuttonClick(); });
    configurebutton.OnClick([this] { configurebuttonClick(); });
    preferencebutton.OnClick([this] { preferencebuttonClick(); });
}

void Tsetupform::FormCreate() {
    SetIcon(ui::App().Icon());
    surfaceid = NewSurfaceId();
    LoadEngine(PictureLibrary);
    LoadPngResource(surfaceid, PictureResource, PictureType, false, false);
    SetCaption("");
    // A load that stops on a file error still shows what it read: the save on the way out writes
    // back exactly the keys that were read, so they must be the ones the user sees. The error
    // goes on to the error box.
    try {
        LoadSetupChoices(choices, programdir);
    } catch (...) {
        FillControls();
        throw;
    }
    FillControls();
}

void Tsetupform::FillControls() {
    languagecbox.ClearItems();
    for (std::int32_t i = 0; i < choices.languagenames.Count(); ++i)
        languagecbox.AddItem(choices.languagenames.At(i));
    languagecbox.SetItemIndex(choices.languageindex);
    torvencbox.SetItemIndex(choices.editionindex);
    mclcbox.SetItemIndex(choices.mclindex);
    // Empty until the load has reached it: the design caption stays.
    if (!choices.environment.empty()) enviomentlabel.SetCaption(choices.environment);
    gfxmodecbox.SetItemIndex(choices.gfxmodeindex);
    gfxmodecbox.SetEnabled(choices.gfxmodeenabled);
    ownerdrawmenucbox.SetItemIndex(choices.ownerdrawmenuindex);
}

void Tsetupform::FormPaint(HDC dc) {
    // Without a picture (no engine, or one lacking its exports) the form's face colour stays,
    // which the form layer has filled, and the texts go over it all the same.
    PaintEngineSurface(dc, surfaceid);
    SetBkMode(dc, TRANSPARENT);
    // The labels are invisible, so the form layer leaves them to us: their captions in the
    // order of the component list, over the picture.
    for (const ui::Label& label : Labels()) {
        const std::string& caption = label.Caption();
        SetTextColor(dc, label.FontColor());
        TextOutA(dc, label.Left(), label.Top(), caption.c_str(), static_cast<int>(caption.size()));
    }
}

void Tsetupform::okbuttonClick() {
    // The main form: the message loop ends, and destroying the form saves the choices.
    Close();
}

void Tsetupform::configurebuttonClick() {
    // The edition is loaded apart from the picture's library and freed again, so painting
    // never reaches into a freed library and the picture survives either edition.
    const int index = torvencbox.ItemIndex();
    if (index >= 0 && index < static_cast<int>(std::size(EditionItems)))
        ConfigureEdition(EditionItems[index].library, Handle());
}

void Tsetupform::preferencebuttonClick() {
    // A new add-on dialog each time; released, it goes once its queued messages are handled.
    ui::App().CreateForm(preferenceform, programdir);
    preferenceform->ShowModal();
    preferenceform->Release();
}

void Tsetupform::FormDestroy() {
    // ItemIndex gives -1 for a box without a selection.
    choices.languageindex = languagecbox.ItemIndex();
    choices.editionindex = torvencbox.ItemIndex();
    choices.mclindex = mclcbox.ItemIndex();
    choices.gfxmodeindex = gfxmodecbox.ItemIndex();
    choices.ownerdrawmenuindex = ownerdrawmenucbox.ItemIndex();
    // A failed save ends here: the binding's finalisation frees the library at program end.
    SaveSetupChoices(choices, programdir);
    UnloadEngine();
}

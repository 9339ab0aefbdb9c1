// The main window's part in "Тонкая настройка...": showing the dialog, and following what it
// applies.
#include "app/tform1.h"
#include "dialogs/tform7.h"

namespace quillmap {

void Tform1::SetFineSettings(TForm7& dialog) {
    finesettings_ = &dialog;
    settingshooks& hooks = dialog.hooks;
    hooks.resizerecentlist = [this](int32_t length) {
        state_.recent.resize(static_cast<size_t>(length));
        state_.positions.resize(static_cast<size_t>(length));
    };
    hooks.saveonf2 = [this](bool saveonf2) {
        menu_->AllRemoved().SetShortcut(AllRemovedShortcut(saveonf2));
        popup_->AllRemoved().SetShortcut(AllRemovedShortcut(saveonf2));
    };
    // The font taken again measures the glyphs, the separators and the rows by the new values.
    hooks.separatorwidths = [this] { view_->SetFont(bitmap_->Canvas().Font()); };
    hooks.navigator = [this] {
        if (navigator* outline = view_->Navigator()) outline->Rebuild();
    };
    hooks.onapply = [this] {
        HideCaret();
        view_->SetFont(bitmap_->Canvas().Font());
        Layout(window_->ClientSize());
    };
    hooks.ondeactivate = [this] {
        if (menu_->OnTop().Checked()) window_->SetTopmost(true);
    };
    hooks.focusmain = [this] { window_->Focus(); };
}

void Tform1::ShowFineSettings() {
    if (finesettings_ == nullptr) return;
    // The dialog must be seen above the main window.
    if (menu_->OnTop().Checked()) window_->SetTopmost(false);
    finesettings_->Show();
}

}  // namespace quillmap

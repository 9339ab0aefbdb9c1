// The main window's part in "О программе...": showing the about box, and taking the keyboard and
// the topmost band back when it goes.
#include "app/tform1.h"
#include "dialogs/tform8.h"

namespace quillmap {

void Tform1::SetAbout(TForm8& dialog) {
    about_ = &dialog;
    dialog.focusmain = [this] { window_->Focus(); };
    dialog.restoretopmost = [this] {
        if (menu_->OnTop().Checked()) window_->SetTopmost(true);
    };
}

void Tform1::ShowAbout() {
    if (about_ == nullptr) return;
    // The box must be seen above the main window.
    if (menu_->OnTop().Checked()) window_->SetTopmost(false);
    about_->Show(window_->Bounds());
}

}  // namespace quillmap

#include "dialogs/searchform.h"

#include "dialogs/dialogfont.h"
#include "dialogs/dialogplacement.h"

namespace quillmap {

searchform::searchform(platform::application& app, platform::system& system, std::string_view caption,
                       platform::dialogevents& events, platform::extent client, size_t boxes)
    : system_(system), form_(app.CreateDialogForm(caption, events)), client_(client), boxes_(boxes) {
    form_->SetClientSize(client_);
    for (size_t k = 0; k < boxes_; ++k) form_->AddEdit();
}

void searchform::Show(const searchhooks& hooks, const std::optional<platform::rect>& centreover) {
    const platform::extent size = form_->WindowSize();
    const platform::point mouse = system_.CursorPos();
    const platform::point at = centreover ? CentreOver(*centreover, size, system_.ScreenSize())
                                          : platform::point{mouse.x - size.width / 2, mouse.y};
    form_->MoveTo(KeepInWorkArea(at, size, system_.WorkArea(), mouse.y));
    platform::fontspec font = DialogFont;
    font.textcolour = hooks.textcolour();
    for (size_t k = 0; k < boxes_; ++k) {
        form_->SetEditText(k, "");
        form_->SetEditFont(k, font);
        form_->SetEditBackground(k, hooks.backgroundcolour());
    }
    form_->StayOnTop();
    form_->Show();
    form_->FocusEdit(0);
}

void searchform::Hide(const searchhooks& hooks) {
    form_->Hide();
    hooks.dialoghidden();
}

}  // namespace quillmap

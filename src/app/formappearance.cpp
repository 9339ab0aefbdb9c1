// What the main window remembers of the documents it leaves: the recent files with their carets,
// and the appearance, pinned to a file or the default one.
#include "app/appearance.h"
#include "app/tform1.h"
#include "base/settings.h"

namespace quillmap {

void Tform1::chfls() {
    winposit* pinned = documentname_.empty() ? nullptr : FindPinned(state_.pinned, documentname_);
    RecordAppearance(pinned ? *pinned : state_.defaults);
}

bool Tform1::addfls(const std::string& path) {
    winposit look = state_.defaults;
    RecordAppearance(look);
    return PinAppearance(state_.pinned, std::move(look), path);
}

void Tform1::ApplyAppearance(const winposit& look, bool pinned) {
    const settingvalues& settings = Settings();
    // A record is put back as a normal or a maximised window: a file that opens minimised would
    // seem not to have opened at all.
    const bool maximised = ShowStateOf(window_->ShowCommand()) == windowshow::maximised;
    if (maximised && look.state != 2) window_->SetShowCommand(ShowRestored);
    if (!maximised || look.state != 2)
        window_->SetBounds(LimitedWindow(look.left, look.top, look.width, look.height, system_.ScreenSize(),
                                         {settings.MinRestoredWidth, settings.MinRestoredHeight}));
    if (!maximised && look.state == 2) window_->SetShowCommand(ShowMaximized);
    desiredcolumn_ = -1;
    size_t next = 0;
    for (tmnitem* item : viewactions_->Items())
        if (item->Checkable() && next < look.actions.size()) item->SetChecked(look.actions[next++]);
    // A skin that is gone leaves the current one.
    ChooseSkinPath(look.skin);
    if (look.allremoved != menu_->AllRemoved().Checked()) {
        if (pinned) {
            menu_->AllRemoved().SetChecked(look.allremoved);
            ApplyAllRemoved(look.allremoved);
        } else {
            ToggleAllRemoved();
        }
    }
    if (look.ontop != menu_->OnTop().Checked()) ToggleOnTop();
    if (look.statusbar != menu_->StatusBar().Checked() && !menu_->AllRemoved().Checked()) ToggleStatusBar();
}

}  // namespace quillmap

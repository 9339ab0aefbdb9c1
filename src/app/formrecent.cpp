// The recent files of the main window: remembered as documents are left, offered in "Файл" and
// by the Ctrl+Tab switcher, reopened with the caret where it was.
#include "app/recentlist.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "base/settings.h"
#include "dialogs/tform13.h"

namespace quillmap {

void Tform1::SetSwitcher(TForm13& switcher) { switcher_ = &switcher; }

void Tform1::RememberRecent() {
    const textpos caret = view_->Caret();
    recentlist(state_.recent, state_.positions).Remember(documentname_, {caret.column, caret.line});
}

void Tform1::N1Click() {
    const recentlist recent(state_.recent, state_.positions);
    const std::vector<std::string> names(state_.recent.begin(),
                                         state_.recent.begin() + static_cast<std::ptrdiff_t>(recent.Count()));
    menu_->ShowRecentFiles(names, Settings().RecListinSubMenu, [this](size_t index) { OpenRecent(index); });
}

void Tform1::OpenRecent(size_t index) {
    if (index >= state_.recent.size() || ConfirmDiscard()) return;
    const std::string name = state_.recent[index];
    RememberRecent();
    const std::string remembered = documentname_;
    chfls();
    try {
        OpenDocument(name);
    } catch (const bytefileerror&) {
        system_.Beep();
        documentname_ = remembered;
        recentlist recent(state_.recent, state_.positions);
        if (const std::optional<size_t> place = recent.Find(name)) recent.Remove(*place);
    }
}

void Tform1::RestoreRecentCaret(const std::string& path) {
    const std::optional<size_t> place = recentlist(state_.recent, state_.positions).Find(path);
    if (!Settings().RememberCurPos || !place) return;
    const recentposition caret = state_.positions[*place];
    HideCaret();
    view_->SetPosition(caret.column, caret.line, false);
    view_->SetPosition(caret.column, caret.line, true);
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::DriveSwitcher(bool backward) {
    if (!switcher_ || recentlist(state_.recent, state_.positions).Count() == 0) return;
    if (switcher_->Visible()) return switcher_->Step(backward);
    // Above the window while the user chooses, though the window stays the active one.
    if (menu_->OnTop().Checked()) window_->SetTopmost(false);
    switcher_->FormShow(state_.recent, documentname_, window_->Bounds());
}

void Tform1::OnKeyUp(uint16_t, uint8_t shift) {
    ctrloralt_ = (shift & (platform::ssCtrl | platform::ssAlt)) != 0;
    if (!switcher_ || !switcher_->Visible() || (shift & platform::ssCtrl) != 0) return;
    switcher_->Hide();
    if (menu_->OnTop().Checked()) window_->SetTopmost(true);
    N1Click();
    if (!switcher_->SelectedIsUnlistedCurrent()) OpenRecent(static_cast<size_t>(switcher_->SelectedIndex()));
}

}  // namespace quillmap

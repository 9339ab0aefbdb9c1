// The main window's part in find and replace: opening the dialogs, "Найти следующий", and what
// the dialogs ask of the window.
#include "app/tform1.h"
#include "dialogs/tform2.h"
#include "dialogs/tform3.h"

namespace quillmap {

void Tform1::SetSearchDialogs(TForm2& find, TForm3& replace) {
    finddialog_ = &find;
    replacedialog_ = &replace;
    for (searchhooks* hooks : {&find.hooks, &replace.hooks}) {
        hooks->view = [this]() -> vwstruct& { return *view_; };
        hooks->followview = [this] { SyncScrollBars(); };
        hooks->byteschanged = [this] {
            UpdateVScroll();
            UpdateHScroll();
            SetModified(true);
            SyncScrollBars();
        };
        hooks->updateundoredo = [this] { menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo()); };
        // A message of "Найти следующий" comes while this window is active, one of a dialog's
        // while the dialog is: then only the topmost band is this window's business.
        hooks->begindialog = [this] {
            searchmessagebracketed_ = active_;
            if (active_) BeginDialog();
            else if (menu_->OnTop().Checked()) window_->SetTopmost(false);
        };
        hooks->enddialog = [this] {
            if (searchmessagebracketed_) EndDialog();
            else if (menu_->OnTop().Checked()) window_->SetTopmost(true);
        };
        hooks->dialoghidden = [this] {
            if (menu_->OnTop().Checked()) window_->SetTopmost(true);
        };
        hooks->textcolour = [this] { return bitmap_->Canvas().Font().textcolour; };
        hooks->backgroundcolour = [this] { return Background(); };
    }
    find.enablefindnext = [this] { menu_->FindNext().SetEnabled(true); };
}

void Tform1::LeaveForDialog() {
    Deactivate();
    if (menu_->OnTop().Checked()) window_->SetTopmost(false);
}

void Tform1::ShowFind(bool centred) {
    if (finddialog_ == nullptr) return;
    LeaveForDialog();
    finddialog_->Show(centred ? std::optional(window_->Bounds()) : std::nullopt);
}

void Tform1::ShowReplace(bool centred) {
    if (replacedialog_ == nullptr) return;
    const bool selection = view_->HasSelection();
    LeaveForDialog();
    replacedialog_->Show(centred ? std::optional(window_->Bounds()) : std::nullopt, selection);
}

void Tform1::FindNext() {
    if (finddialog_ == nullptr || finddialog_->FindNextPhrase().empty()) return;
    HideCaret();
    finddialog_->FindNext();
    // A message about the search may have shown the caret again on its way out.
    if (!caretdrawn_) ToggleCaret();
}

}  // namespace quillmap

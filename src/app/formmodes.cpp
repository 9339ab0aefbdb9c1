// The main window's modes and its place among other windows: "Всё лишнее убрано", "Поверх
// других окон", activation, the dialog bracket and the taskbar button's menu.
#include <array>

#include "app/texts.h"
#include "app/tform1.h"
#include "base/settings.h"
#include "dialogs/mesokno.h"
#include "dialogs/referencepoint.h"
#include "dialogs/tform13.h"

namespace quillmap {

void Tform1::ToggleAllRemoved() {
    platform::menuitem& item = menu_->AllRemoved();
    if (!item.Checked() && Settings().NoExtrasWarningShown) WarnAboutAllRemoved();
    item.SetChecked(!item.Checked());
    ApplyAllRemoved(item.Checked());
    window_->Focus();
}

void Tform1::ApplyAllRemoved(bool on) {
    window_->ShowTitleBar(!on);
    statusbar_->SetVisible(!on && menu_->StatusBar().Checked());
    // Taking the menu bar away or giving it back resizes the client area, and so lays it out.
    window_->SetMenuBar(on ? nullptr : &menu_->Bar());
    Layout(window_->ClientSize());
}

void Tform1::WarnAboutAllRemoved() {
    AnchorAtMainWindow(*window_);
    const std::array<std::string, 2> captions{AllRemovedContinue, AllRemovedNeverAgain};
    const std::string text = AllRemovedTextStart + menu_->AllRemoved().Shortcut() + AllRemovedTextEnd;
    const auto warning = CreateMessageWindow(app_, system_, AllRemovedTitle, text, captions);
    for (size_t i = 0; i < captions.size(); ++i) warning->Button(i).onclick = CloseAndAct;
    warning->Button(1).clickaction = [] { Settings().NoExtrasWarningShown = false; };
    BeginDialog();
    warning->ShowModal();
    EndDialog();
}

void Tform1::ToggleOnTop() {
    platform::menuitem& item = menu_->OnTop();
    item.SetChecked(!item.Checked());
    window_->SetTopmost(item.Checked());
    // Changing the band makes the system forget that the window takes dropped files.
    window_->AcceptDroppedFiles(true);
}

void Tform1::ApplyModes() {
    if (menu_->AllRemoved().Checked()) ApplyAllRemoved(true);
    if (menu_->OnTop().Checked()) {
        window_->SetTopmost(true);
        window_->AcceptDroppedFiles(true);
    }
}

void Tform1::OnActivate(bool active) {
    active_ = active;
    if (active)
        Activate();
    else
        Deactivate();
}

void Tform1::Deactivate() {
    // Windows of the program kept on top must not float over the program the user went to.
    if (!menu_->OnTop().Checked() && loweredwindows_.empty()) loweredwindows_ = window_->LowerOwnedTopmost();
    if (switcher_) switcher_->Hide();
    HideCaret();
    window_->StopTimer(CaretTimer);
    ctrloralt_ = false;
    menu_->ClearEditShortcuts();
}

void Tform1::Activate() {
    window_->RaiseOwned(loweredwindows_);
    loweredwindows_.clear();
    if (!caretdrawn_) ToggleCaret();
    window_->StartTimer(CaretTimer, CaretBlink);
}

void Tform1::OnEnterMenuLoop() {
    menu_->RestoreEditShortcuts();
    N1Click();
}

void Tform1::BeginDialog() {
    Deactivate();
    dialogwindows_ = std::move(loweredwindows_);
    loweredwindows_.clear();
    if (menu_->OnTop().Checked()) window_->SetTopmost(false);
}

void Tform1::EndDialog() {
    if (menu_->OnTop().Checked()) window_->SetTopmost(true);
    loweredwindows_ = std::move(dialogwindows_);
    dialogwindows_.clear();
    Activate();
}

void Tform1::OnTaskbarMenu(platform::point screen) { taskbar_->Show(*window_, ShowStateOf(window_->ShowCommand()), screen); }

void Tform1::OnContextMenu(platform::point screen) { popup_->Show(*window_, *menu_, screen); }

taskbarhandlers Tform1::TaskbarHandlers() {
    taskbarhandlers handlers;
    handlers.minimise = [this] { window_->SetShowCommand(ShowMinimized); };
    handlers.maximise = [this] { window_->SetShowCommand(ShowMaximized); };
    handlers.restore = [this] { window_->SetShowCommand(ShowRestored); };
    handlers.exit = [this] { Exit(); };
    return handlers;
}

}  // namespace quillmap

// The main window's keys: its own commands, each only when its menu item is enabled, and the
// keys that move the caret and edit the codes.
#include "app/shortcutnames.h"
#include "app/tform1.h"
#include "base/settings.h"

namespace quillmap {

namespace {

// A key runs a command only when its menu item would.
void run(platform::menuitem& item) {
    if (item.Enabled()) item.Click();
}

}  // namespace

void Tform1::CaretCommand(const std::function<void()>& move) {
    HideCaret();
    move();
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::EditCommand(const std::function<bool()>& edit) {
    HideCaret();
    const uint64_t before = view_->EditCount();
    const bool relayout = edit();
    // A refused key (a letter beyond the base, Delete at the end) leaves the document as it was.
    if (view_->EditCount() != before) SetModified(true);
    if (relayout) {
        UpdateVScroll();
        UpdateHScroll();
    }
    SyncScrollBars();
    ToggleCaret();
    menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
}

bool Tform1::DeleteForward() {
    if (view_->HasSelection()) return view_->DeleteSelection(true, true);
    return !view_->CharNearCaret(true).empty() && view_->DeleteAtCaret();
}

bool Tform1::FunctionKey(uint16_t key, uint8_t shift) {
    using namespace platform;
    const bool saveonf2 = Settings().SaveOnF2;
    switch (key) {
    case vkF1:
        if (shift == 0) Help();
        return true;
    case vkF2:
        if (saveonf2)
            Save();
        else
            run(menu_->AllRemoved());
        return true;
    case vkF12:
        if (saveonf2) run(menu_->AllRemoved());
        return true;
    case vkF3: run(menu_->FindNext()); return true;
    case vkF4:
        if (shift == 0) run(menu_->OnTop());
        return true;
    case vkF8: NextEncodingItem(menu_->Encodings()).Click(); return true;
    default: return false;
    }
}

void Tform1::OnKeyDown(uint16_t key, uint8_t shift) {
    using namespace platform;
    const bool ctrl = (shift & ssCtrl) != 0;
    const bool extend = (shift & ssShift) != 0;
    ctrloralt_ = (shift & (ssCtrl | ssAlt)) != 0;
    // The popup closes on Esc even when the keyboard stayed with this window (as under Wine),
    // and the key does nothing more.
    if (key == vkEscape && popups_.PopupOpen()) return popups_.CloseCurrentPopup();
    // Tab alone types; with Ctrl it goes through the recent files.
    if (key == vkTab && ctrloralt_) return DriveSwitcher(extend);
    if (shift == ssCtrl) {
        switch (key) {
        case 'N':
            NewDocument();
            // Still held: the dialogs on the way forgot it.
            ctrloralt_ = true;
            return;
        case 'O': OpenCommand(); return;
        case 'S': Save(); return;
        case 'P': run(menu_->Print()); return;
        case 'A': SelectAll(); return;
        case 'I': DocumentInfo(true); return;
        case 'Z': run(menu_->Undo()); return;
        case 'C': run(menu_->Copy()); return;
        case 'V': run(menu_->Paste()); return;
        case 'X': run(menu_->Cut()); return;
        // With Ctrl held the dialogs open centred over the window.
        case 'F':
            if (menu_->Find().Enabled()) ShowFind(true);
            // Still held: the dialog on the way forgot it, and its character must type nothing.
            ctrloralt_ = true;
            return;
        case 'R':
            if (menu_->Replace().Enabled()) ShowReplace(true);
            ctrloralt_ = true;
            return;
        default: break;
        }
    }
    if (shift == (ssCtrl | ssShift) && key == 'Z') return run(menu_->Redo());
    if (key == vkEscape && Settings().ExitOnEsc) return Exit();
    if (FunctionKey(key, shift)) return;
    // The view's own items answer to the keys they show.
    const std::string pressed = ShortcutText(key, shift);
    for (tmnitem* item : viewactions_->Items())
        if (!pressed.empty() && item->Shortcut() == pressed) return run(*item);
    switch (key) {
    case vkBack:
        if (shift == ssAlt) return run(menu_->Undo());
        // Ctrl+Backspace deletes back to the start of the previous code.
        if (shift == ssCtrl) EditCommand([this] {
            desiredcolumn_ = -1;
            if (!view_->HasSelection()) view_->CaretLeft(true, true);
            return DeleteForward();
        });
        return;
    case vkPrior: return CaretCommand([&] { view_->PageUp(extend, desiredcolumn_); });
    case vkNext: return CaretCommand([&] { view_->PageDown(extend, desiredcolumn_); });
    case vkHome:
        return CaretCommand([&] { ctrl ? view_->DocumentStart(extend) : view_->LineStart(extend); });
    case vkEnd: return CaretCommand([&] { ctrl ? view_->DocumentEnd(extend) : view_->LineEnd(extend); });
    case vkLeft:
    case vkRight:
        desiredcolumn_ = -1;
        return CaretCommand([&] { key == vkLeft ? view_->CaretLeft(ctrl, extend) : view_->CaretRight(ctrl, extend); });
    case vkUp: return CaretCommand([&] { view_->CaretUp(ctrl, extend, desiredcolumn_); });
    case vkDown: return CaretCommand([&] { view_->CaretDown(ctrl, extend, desiredcolumn_); });
    case vkInsert:
        if (shift == ssCtrl) return run(menu_->Copy());
        if (shift == ssShift) return run(menu_->Paste());
        // The caret's shape follows the mode, and the status bar with it.
        if (shift == 0) CaretCommand([this] { view_->SetInsertMode(!view_->InsertMode()); });
        return;
    case vkDelete:
        if (shift == ssShift || (ctrl && Settings().CutOnCtrlDel)) return run(menu_->Cut());
        EditCommand([&] {
            desiredcolumn_ = -1;
            if (ctrl && !view_->HasSelection()) view_->CaretRight(true, true);
            return DeleteForward();
        });
        return;
    case 'Y':
        if (!ctrl || (shift & ssAlt)) return;
        EditCommand([&] {
            desiredcolumn_ = -1;
            view_->DeleteLine(extend);
            return true;
        });
        return;
    default:
        // A key the window does not answer itself may run a plug-in's command.
        if (const pluginhotkey* hotkey = plugins_.FindHotkey(key, shift)) RunPlugin(hotkey->plugin, hotkey->command);
        return;
    }
}

}  // namespace quillmap

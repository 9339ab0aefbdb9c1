// The main window's menu wiring and its edit commands on the history and the selection.
#include "app/tform1.h"

namespace quillmap {

mainmenuhandlers Tform1::MenuHandlers() {
    mainmenuhandlers handlers;
    handlers.newdocument = [this] { NewDocument(); };
    handlers.open = [this] { OpenCommand(); };
    handlers.save = [this] { Save(); };
    handlers.saveas = [this] { SaveAs(); };
    handlers.print = [this] { Print(); };
    handlers.exit = [this] { Exit(); };
    handlers.undo = [this] { Undo(); };
    handlers.redo = [this] { Redo(); };
    handlers.selectall = [this] { SelectAll(); };
    handlers.statusbar = [this] { ToggleStatusBar(); };
    handlers.help = [this] { Help(); };
    handlers.documentinfo = [this] { DocumentInfo(false); };
    handlers.downloadplugins = [this] { DownloadPlugins(); };
    return handlers;
}

void Tform1::ViewActionDone(bool changed) {
    if (changed) {
        SetModified(true);
        menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    }
    HideCaret();
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::AfterHistoryStep() {
    menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    SetModified(true);
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
}

void Tform1::Undo() {
    HideCaret();
    view_->Undo();
    AfterHistoryStep();
    ToggleCaret();
}

void Tform1::Redo() {
    HideCaret();
    view_->Redo();
    AfterHistoryStep();
    ToggleCaret();
}

void Tform1::SelectAll() {
    HideCaret();
    view_->SelectAll();
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::ToggleStatusBar() {
    platform::menuitem& item = menu_->StatusBar();
    item.SetChecked(!item.Checked());
    statusbar_->SetVisible(item.Checked());
    Layout(window_->ClientSize());
}

}  // namespace quillmap
